#include "EnglishListeningGame.h"

#include "GameAudio.h"
#include "GameText.h"
#include "LearningContent.h"

using namespace Qt::StringLiterals;

QList<ListeningQuestion> ListeningQuestion::generate(const QList<BasicEnglishWord> &words)
{
    QList<ListeningQuestion> rows;
    for (qsizetype i = 0; i < words.size(); ++i)
        rows.append({words[i].word, rotatedChoices(words, i, {0, 5, 11, 17})});
    return rows;
}

QList<ListeningQuestion> ListeningQuestion::all()
{
    return generate(LearningContent::basicEnglish());
}

EnglishListeningGame::EnglishListeningGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID), .take = 8, .pauseMs = 750, .guard = Guard::Flag}, parent)
    , m_questions(ListeningQuestion::all())
{
}

void EnglishListeningGame::setQuestions(QList<ListeningQuestion> questions)
{
    m_questions = std::move(questions);
    emit questionChanged();
}

QString EnglishListeningGame::counter() const
{
    return u"第 "_s + QString::number(shownRound(session().size())) + u" / "_s + QString::number(session().size()) + u" 题"_s;
}

QStringList EnglishListeningGame::progress() const
{
    QStringList steps;
    for (int i = 0; i < session().size(); ++i)
        steps.append(i < round() ? u"done"_s : i == round() ? u"current"_s : u"ahead"_s);
    return steps;
}

QVariantList EnglishListeningGame::tiles() const
{
    QVariantList tiles;
    for (const WordChoice &choice : current().choices)
        tiles.append(choice.toVariant());
    return tiles;
}

QString EnglishListeningGame::spokenQuestion() const
{
    return u"Find the "_s + current().word;
}

void EnglishListeningGame::speakQuestion() const
{
    GameAudio::readQuestion(spokenQuestion(), u"en-US"_s);
}

void EnglishListeningGame::choose(int tile)
{
    const QList<WordChoice> &offered = current().choices;
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const WordChoice &choice = offered[tile];
    if (choice.word == current().word)
        answerRight(u"答对啦！"_s + GameText::capitalized(choice.word) + u" "_s + choice.emoji);
    else
        answerWrong(u"再听一次，你快找到啦！"_s);
}

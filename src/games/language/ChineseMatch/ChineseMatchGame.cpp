#include "ChineseMatchGame.h"

#include "ChineseSpeech.h"

using namespace Qt::StringLiterals;

ChineseMatchGame::ChineseMatchGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID), .take = 8, .pauseMs = 750, .guard = Guard::Flag}, parent)
    , m_vocabulary(&LearningContent::shared())
{
}

void ChineseMatchGame::setVocabulary(const Vocabulary *vocabulary)
{
    m_vocabulary = vocabulary;
    emit questionChanged();
}

int ChineseMatchGame::bankCount() const
{
    return int(m_vocabulary->chineseLiteracy().size());
}

const ChineseLiteracyItem &ChineseMatchGame::item() const
{
    return m_vocabulary->chineseLiteracy().at(questionIndex());
}

QStringList ChineseMatchGame::choices() const
{
    return m_vocabulary->literacyChoices(questionIndex());
}

QString ChineseMatchGame::emoji() const
{
    return item().emoji;
}

QString ChineseMatchGame::question() const
{
    return u"哪个字读 "_s + item().pinyin + u"？"_s;
}

QString ChineseMatchGame::counter() const
{
    return QString::number(shownRound(session().size())) + u" / "_s + QString::number(session().size());
}

QVariantList ChineseMatchGame::tiles() const
{
    QVariantList tiles;
    for (const QString &choice : choices())
        tiles.append(QVariantMap{{u"text"_s, choice}, {u"pinyin"_s, m_vocabulary->pinyin(choice)}});
    return tiles;
}

QString ChineseMatchGame::spokenQuestion() const
{
    return u"请听题，请选择这个读音对应的汉字。"_s + LearningContent::pronunciationText(item().character);
}

void ChineseMatchGame::speak() const
{
    SpeechService::shared().speakChinesePronunciation(spokenQuestion());
}

void ChineseMatchGame::choose(int tile)
{
    const QStringList offered = choices();
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const QString &choice = offered[tile];
    if (choice == item().character)
        answerRight(u"就是“"_s + choice + u"”！读作 "_s + item().pinyin);
    else
        answerWrong(u"再看看图片，慢慢来"_s);
}

void ChineseMatchGame::speakChoice(int tile) const
{
    const QStringList offered = choices();
    if (tile < 0 || tile >= offered.size())
        return;
    speakCharacter(offered[tile]);
}

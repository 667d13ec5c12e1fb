#include "WordShooterGame.h"

#include "Clock.h"
#include "GameAudio.h"
#include "GameText.h"
#include "LearningContent.h"

using namespace Qt::StringLiterals;

WordShotQuestion WordShotQuestion::question(const QString &answer, const QList<WordChoice> &choices)
{
    return {answer, choices};
}

const QList<WordShotQuestion> &WordShotQuestion::featured()
{
    static const QList<WordShotQuestion> rows{
        question(u"apple"_s, {{u"🍎"_s, u"apple"_s}, {u"🍌"_s, u"banana"_s}, {u"🍇"_s, u"grapes"_s}, {u"🍊"_s, u"orange"_s}, {u"🥕"_s, u"carrot"_s}, {u"🍰"_s, u"cake"_s}}),
        question(u"cat"_s, {{u"🐱"_s, u"cat"_s}, {u"🐶"_s, u"dog"_s}, {u"🐰"_s, u"rabbit"_s}, {u"🐼"_s, u"panda"_s}, {u"🐸"_s, u"frog"_s}, {u"🐦"_s, u"bird"_s}}),
        question(u"sun"_s, {{u"☀️"_s, u"sun"_s}, {u"🌙"_s, u"moon"_s}, {u"⭐️"_s, u"star"_s}, {u"☁️"_s, u"cloud"_s}, {u"🌈"_s, u"rainbow"_s}, {u"❄️"_s, u"snow"_s}}),
        question(u"bus"_s, {{u"🚌"_s, u"bus"_s}, {u"🚗"_s, u"car"_s}, {u"🚲"_s, u"bike"_s}, {u"🚂"_s, u"train"_s}, {u"✈️"_s, u"plane"_s}, {u"🚤"_s, u"boat"_s}}),
        question(u"book"_s, {{u"📕"_s, u"book"_s}, {u"✏️"_s, u"pencil"_s}, {u"🎒"_s, u"bag"_s}, {u"📏"_s, u"ruler"_s}, {u"🪑"_s, u"chair"_s}, {u"🔔"_s, u"bell"_s}}),
        question(u"fish"_s, {{u"🐟"_s, u"fish"_s}, {u"🐙"_s, u"octopus"_s}, {u"🦀"_s, u"crab"_s}, {u"🐬"_s, u"dolphin"_s}, {u"🐚"_s, u"shell"_s}, {u"🦈"_s, u"shark"_s}}),
        question(u"house"_s, {{u"🏠"_s, u"house"_s}, {u"🏫"_s, u"school"_s}, {u"🏥"_s, u"hospital"_s}, {u"🏰"_s, u"castle"_s}, {u"⛺️"_s, u"tent"_s}, {u"🏢"_s, u"office"_s}}),
        question(u"flower"_s, {{u"🌸"_s, u"flower"_s}, {u"🌳"_s, u"tree"_s}, {u"🌿"_s, u"leaf"_s}, {u"🍄"_s, u"mushroom"_s}, {u"🌵"_s, u"cactus"_s}, {u"🌱"_s, u"plant"_s}}),
        question(u"milk"_s, {{u"🥛"_s, u"milk"_s}, {u"🧃"_s, u"juice"_s}, {u"💧"_s, u"water"_s}, {u"☕️"_s, u"tea"_s}, {u"🍲"_s, u"soup"_s}, {u"🍦"_s, u"ice cream"_s}}),
        question(u"shoe"_s, {{u"👟"_s, u"shoe"_s}, {u"🧢"_s, u"cap"_s}, {u"👕"_s, u"shirt"_s}, {u"🧦"_s, u"sock"_s}, {u"👖"_s, u"pants"_s}, {u"🧤"_s, u"glove"_s}}),
    };
    return rows;
}

QList<WordShotQuestion> WordShotQuestion::generate(const QList<BasicEnglishWord> &words)
{
    QList<WordShotQuestion> rows;
    for (qsizetype i = 0; i < words.size(); ++i)
        rows.append(question(words[i].word, rotatedChoices(words, i, {0, 53, 191, 347, 613, 809})));
    return rows;
}

QList<WordShotQuestion> WordShotQuestion::all()
{
    return featured() + generate(LearningContent::basicEnglish());
}

WordShooterGame::WordShooterGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = 760,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"听清目标，再发射星光"_s,
                     .startFeedbackGood = true},
                    parent)
    , m_questions(WordShotQuestion::all())
{
}

void WordShooterGame::setQuestions(QList<WordShotQuestion> questions)
{
    m_questions = std::move(questions);
    emit questionChanged();
}

QString WordShooterGame::counter() const
{
    return fiveRoundCounter(u"波"_s);
}

QVariantList WordShooterGame::tiles() const
{
    QVariantList tiles;
    for (const WordChoice &choice : current().choices)
        tiles.append(choice.toVariant());
    return tiles;
}

QList<bool> WordShooterGame::marks() const
{
    QList<bool> marks;
    for (const WordChoice &choice : current().choices)
        marks.append(hasPick() && picked() == choice.word);
    return marks;
}

QList<int> WordShooterGame::tileStates() const
{
    QStringList words;
    for (const WordChoice &choice : current().choices)
        words.append(choice.word);
    return choiceStates(words, current().answer);
}

QString WordShooterGame::spokenTarget() const
{
    return u"Shoot the "_s + current().answer;
}

void WordShooterGame::speakTarget() const
{
    GameAudio::readQuestion(spokenTarget(), u"en-US"_s);
}

void WordShooterGame::speakTargetAfter(int ms)
{
    // A prompt still waiting when the page goes is not spoken.
    Clock::current().after(ms, this, [this] { speakTarget(); });
}

void WordShooterGame::sessionChosen()
{
    speakTargetAfter(promptDelayMs);
}

void WordShooterGame::roundStarted()
{
    speakTargetAfter(nextPromptDelayMs);
}

void WordShooterGame::shoot(int tile)
{
    const QList<WordChoice> &offered = current().choices;
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const WordChoice &choice = offered[tile];
    pick(choice.word);
    if (choice.word == current().answer)
        answerRight(u"击中啦！"_s + GameText::capitalized(choice.word) + u" "_s + choice.emoji);
    else
        answerWrong(u"没有击中目标，再听一次"_s);
}

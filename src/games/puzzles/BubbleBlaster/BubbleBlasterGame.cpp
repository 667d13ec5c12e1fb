#include "BubbleBlasterGame.h"

#include "AppTheme.h"
#include "GameAudio.h"
#include "GameScoring.h"

#include <QHash>

using namespace Qt::StringLiterals;

const QList<BlasterRound> &ObservationBlasterRounds::hidden()
{
    static const QList<BlasterRound> rounds{
        {u"森林里藏着一只小乌龟，射中它！"_s, u"🐢"_s, {u"🐢"_s, u"🐰"_s, u"🐿️"_s, u"🐞"_s, u"🦋"_s, u"🍄"_s}},
        {u"找出彩虹后面的兔子，射中它！"_s, u"🐰"_s, {u"🌈"_s, u"🐰"_s, u"🌼"_s, u"🐝"_s, u"🍎"_s, u"🐿️"_s}},
        {u"找出发光的萤火虫，射中它！"_s, u"✨"_s, {u"🌻"_s, u"✨"_s, u"🍄"_s, u"🐞"_s, u"🍀"_s, u"🦋"_s}},
        {u"找出小松鼠的松果，射中它！"_s, u"🌰"_s, {u"🍎"_s, u"🌰"_s, u"🌻"_s, u"🍄"_s, u"🐞"_s, u"🍀"_s}},
        {u"找出花丛里的蝴蝶，射中它！"_s, u"🦋"_s, {u"🐝"_s, u"🌼"_s, u"🦋"_s, u"🍎"_s, u"🍀"_s, u"🐞"_s}},
    };
    return rounds;
}

BubbleBlasterGame::BubbleBlasterGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(hiddenObjectsID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"瞄准目标，发射星光箭！"_s,
                     .startFeedbackGood = false},
                    parent)
    , m_rounds(ObservationBlasterRounds::hidden())
{
}

void BubbleBlasterGame::setGameID(const QString &gameID)
{
    if (gameID == rules().gameID)
        return;
    setRotationKey(gameID);
    emit gameIDChanged();
}

void BubbleBlasterGame::setRounds(QList<BlasterRound> rounds)
{
    if (rounds.isEmpty())
        return;
    m_rounds = std::move(rounds);
    emit questionChanged();
}

QColor BubbleBlasterGame::bubbleColor(const QString &target)
{
    static const QList<QColor> colours{AppTheme::sky(), AppTheme::mango(), AppTheme::mint(), AppTheme::purple(),
                                       AppTheme::coral()};
    const size_t hash = qHash(target, qGlobalQHashSeed()); // unsigned: no negative index
    QColor colour = colours[qsizetype(hash % size_t(colours.size()))];
    colour.setAlphaF(0.83f);
    return colour;
}

void BubbleBlasterGame::fire(const QString &target)
{
    if (answersClosed() || m_firing)
        return;
    m_firing = true;
    m_missed.clear();
    emit shotChanged();

    // A shot that wins the last round reports the play even if the child leaves before
    // it lands: the report is set off now, on the callback alone, at the moment the
    // landing would send it, and the landing then sends none.
    const bool lastRound = round() >= session().size() - 1;
    if (lastRound && target == current().answer) {
        const GameScore score = GameScoring::firstTry(firstTryCorrect() + (roundHadMistake() ? 0 : 1), session().size());
        completeAfter(flightMs + pauseMs, score.points, score.stars);
        setOnComplete({});
    }
    Clock::current().after(flightMs, this, [this, target] { land(target); });
}

void BubbleBlasterGame::land(const QString &target)
{
    m_firing = false;
    if (target == current().answer) {
        m_popped = target;
        emit shotChanged();
        answerRight(u"砰！射中了，泡泡爆开啦！"_s);
    } else {
        m_missed = target;
        emit shotChanged();
        answerWrong(u"没有爆开，再观察一下目标。"_s);
    }
}

void BubbleBlasterGame::roundStarted()
{
    m_popped.clear();
    emit shotChanged();
    readInstructionSoon();
}

void BubbleBlasterGame::readInstructionSoon()
{
    if (session().isEmpty())
        return;
    // A new round replaces the reading still waiting; the wait goes with the page.
    Clock::current().cancel(m_reading);
    m_reading = Clock::current().after(readingMs, this, [this] { GameAudio::readQuestion(prompt(), u"zh-CN"_s); });
}

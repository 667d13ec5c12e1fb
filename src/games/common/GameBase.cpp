#include "GameBase.h"

#include "Clock.h"

GameBase::GameBase(QObject *parent)
    : QObject(parent)
{
}

void GameBase::setOnComplete(GameCompletion onComplete)
{
    m_onComplete = std::move(onComplete);
}

void GameBase::complete(qint64 score, qint64 stars)
{
    if (m_onComplete)
        m_onComplete(score, stars);
}

void GameBase::completeAfter(int ms, qint64 score, qint64 stars)
{
    // The wait captures a copy of the callback, not this object; while this object
    // exists it holds the wait with the rest of its play.
    Clock::current().afterHeldBy(ms, this, [report = m_onComplete, score, stars] {
        if (report)
            report(score, stars);
    });
}

bool GameBase::completeOnce(qint64 score, qint64 stars)
{
    if (m_reported)
        return false;
    m_reported = true;
    emit reportedChanged();
    complete(score, stars);
    return true;
}

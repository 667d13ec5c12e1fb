#include "SchulteGridGame.h"

#include "Clock.h"
#include "GameAudio.h"
#include "Random.h"

#include <numeric>

using namespace Qt::StringLiterals;

SchulteGridGame::SchulteGridGame(QObject *parent)
    : GameBase(parent)
    , m_numbers(16)
    , m_startedAt(Clock::current().now())
{
    std::iota(m_numbers.begin(), m_numbers.end(), 1);
    Random::shared().shuffle(m_numbers);
    line().show(u"从 1 开始，按顺序找数字"_s, true);
    connect(&line(), &FeedbackLine::changed, this, &SchulteGridGame::changed);
}

SchulteGridGame::Result SchulteGridGame::resultFor(int mistakes, qint64 seconds)
{
    const qint64 score = 100 - 5 * qint64(mistakes) - std::max<qint64>(seconds - freeSeconds, 0);
    if (score > 99)
        return {100, 3};
    if (score < 40)
        return {40, 1};
    return {score, score >= 88 ? 3 : score >= 70 ? 2 : 1};
}

QString SchulteGridGame::counter() const
{
    return u"找 "_s + QString::number(m_expected);
}

void SchulteGridGame::appear()
{
    m_startedAt = Clock::current().now();
    m_heldAtStartMs = Clock::current().heldMs(this);
}

void SchulteGridGame::tap(int number)
{
    // A found tile's button is disabled: tapping it again is no mistake.
    if (m_locked || number < m_expected || number > 16)
        return;
    if (number != m_expected) {
        ++m_mistakes;
        line().hint(u"先找 "_s + QString::number(m_expected));
        return;
    }
    if (m_expected < 16) {
        ++m_expected;
        line().show(u"很好，继续找 "_s + QString::number(m_expected), true);
        return;
    }
    // 16: the counter keeps 找 16 and the tile its number until the report.
    m_locked = true;
    // Whole seconds, toward zero; time the game stood still is not counted.
    const qint64 heldMs = Clock::current().heldMs(this) - m_heldAtStartMs;
    const qint64 seconds = (m_startedAt.msecsTo(Clock::current().now()) - heldMs) / 1000;
    const Result result = resultFor(m_mistakes, seconds);
    line().praise(u"全部数字都找到了！"_s);
    emit changed();
    completeAfter(reportMs, result.score, result.stars);
}

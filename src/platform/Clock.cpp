#include "Clock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
Clock *g_current = nullptr;
}

Clock &Clock::current()
{
    if (g_current)
        return *g_current;
    static SystemClock system;
    return system;
}

void Clock::setCurrent(Clock *clock)
{
    g_current = clock;
}

// --- SystemClock -------------------------------------------------------------------

namespace {
QElapsedTimer &monotonic()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

SystemClock::SystemClock() = default;
SystemClock::~SystemClock() = default;

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::elapsedMs() const
{
    return monotonic().elapsed();
}

Clock::WaitId SystemClock::after(int ms, const QObject *context, Callback callback)
{
    return start(ms, false, context, std::move(callback));
}

Clock::WaitId SystemClock::every(int ms, const QObject *context, Callback callback)
{
    return start(ms, true, context, std::move(callback));
}

Clock::WaitId SystemClock::start(int ms, bool repeat, const QObject *context, Callback callback)
{
    const WaitId id = m_nextId++;
    auto *timer = new QTimer(this);
    timer->setSingleShot(!repeat);
    timer->setInterval(std::max(0, ms));
    timer->setTimerType(ms < 2000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    m_timers.insert(id, timer);
    if (context)
        connect(context, &QObject::destroyed, timer, [this, id] { cancel(id); });
    connect(timer, &QTimer::timeout, this, [this, id, repeat, cb = std::move(callback)] {
        if (!repeat)
            cancel(id);
        cb();
    });
    timer->start();
    return id;
}

void SystemClock::cancel(WaitId id)
{
    if (QTimer *timer = m_timers.take(id)) {
        timer->stop();
        timer->deleteLater();
    }
}

bool SystemClock::isPending(WaitId id) const
{
    return m_timers.contains(id);
}

// --- ManualClock -------------------------------------------------------------------

ManualClock::ManualClock(const QDateTime &start, const QTimeZone &zone)
    : m_start(start)
    , m_zone(zone)
{
}

Clock::WaitId ManualClock::after(int ms, const QObject *context, Callback callback)
{
    return schedule(std::max(0, ms), 0, context, std::move(callback));
}

Clock::WaitId ManualClock::every(int ms, const QObject *context, Callback callback)
{
    return schedule(std::max(1, ms), std::max(1, ms), context, std::move(callback));
}

Clock::WaitId ManualClock::schedule(qint64 delay, qint64 period, const QObject *context, Callback callback)
{
    const WaitId id = m_nextId++;
    m_waits.emplace(id, Wait{m_elapsed + delay, period, context != nullptr, context, std::move(callback)});
    return id;
}

void ManualClock::cancel(WaitId id)
{
    m_waits.erase(id);
}

bool ManualClock::isPending(WaitId id) const
{
    return m_waits.count(id) > 0;
}

int ManualClock::pendingCount() const
{
    int n = 0;
    for (const auto &[id, wait] : m_waits)
        n += (!wait.bound || wait.context) ? 1 : 0;
    return n;
}

bool ManualClock::runNextDue(qint64 limit)
{
    // Drop waits whose context is gone, then find the earliest due one.
    for (auto it = m_waits.begin(); it != m_waits.end();) {
        if (it->second.bound && !it->second.context)
            it = m_waits.erase(it);
        else
            ++it;
    }
    auto next = m_waits.end();
    for (auto it = m_waits.begin(); it != m_waits.end(); ++it) {
        if (it->second.due <= limit && (next == m_waits.end() || it->second.due < next->second.due))
            next = it;
    }
    if (next == m_waits.end())
        return false;
    m_elapsed = std::max(m_elapsed, next->second.due);
    Callback callback = next->second.callback;
    if (next->second.period > 0)
        next->second.due += next->second.period;
    else
        m_waits.erase(next);
    callback();
    return true;
}

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_elapsed + std::max<qint64>(0, ms);
    while (runNextDue(target)) {
    }
    m_elapsed = target;
}

qint64 ManualClock::runUntilIdle(qint64 limitMs)
{
    const qint64 begin = m_elapsed;
    const qint64 limit = m_elapsed + limitMs;
    while (runNextDue(limit)) {
    }
    return m_elapsed - begin;
}

void ManualClock::setNow(const QDateTime &moment)
{
    m_start = moment.addMSecs(-m_elapsed);
}

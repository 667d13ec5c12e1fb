#include "Clock.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <utility>

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

void Clock::hold(const QObject *scope)
{
    if (!scope)
        return;
    // Scopes destroyed since (their waits have gone or run on) are forgotten.
    std::erase_if(m_holds, [](const Hold &h) { return !h.scope; });
    auto it = std::find_if(m_holds.begin(), m_holds.end(), [scope](const Hold &h) { return h.scope == scope; });
    if (it == m_holds.end())
        it = m_holds.insert(m_holds.end(), Hold{scope});
    if (it->count++ == 0) {
        it->since = elapsedMs();
        holdsChanged();
    }
}

void Clock::release(const QObject *scope)
{
    const auto it = std::find_if(m_holds.begin(), m_holds.end(),
                                 [scope](const Hold &h) { return scope && h.scope == scope; });
    if (it == m_holds.end() || it->count == 0)
        return;
    if (--it->count == 0) {
        it->heldMs += elapsedMs() - it->since;
        holdsChanged();
    }
}

bool Clock::isHeld(const QObject *object) const
{
    if (m_holds.empty())
        return false;
    for (const QObject *o = object; o; o = o->parent()) {
        for (const Hold &h : m_holds) {
            if (h.count > 0 && h.scope == o)
                return true;
        }
    }
    return false;
}

qint64 Clock::heldMs(const QObject *object) const
{
    qint64 total = 0;
    for (const QObject *o = object; o && !m_holds.empty(); o = o->parent()) {
        for (const Hold &h : m_holds) {
            if (h.scope == o)
                total += h.heldMs + (h.count > 0 ? elapsedMs() - h.since : 0);
        }
    }
    return total;
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
    return start(ms, false, context, context, std::move(callback));
}

Clock::WaitId SystemClock::every(int ms, const QObject *context, Callback callback)
{
    return start(ms, true, context, context, std::move(callback));
}

Clock::WaitId SystemClock::afterHeldBy(int ms, const QObject *holder, Callback callback)
{
    return start(ms, false, nullptr, holder, std::move(callback));
}

Clock::WaitId SystemClock::start(int ms, bool repeat, const QObject *context, const QObject *owner,
                                 Callback callback)
{
    const WaitId id = m_nextId++;
    auto *timer = new QTimer(this);
    const int interval = std::max(0, ms);
    timer->setSingleShot(!repeat);
    timer->setInterval(interval);
    timer->setTimerType(ms < 2000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    Timer &entry = m_timers[id];
    entry = Timer{timer, interval, owner};
    if (context)
        connect(context, &QObject::destroyed, timer, [this, id] { cancel(id); });
    else if (owner) // the wait outlives its owner: it runs on once the owner has gone
        connect(owner, &QObject::destroyed, timer, [this, id] {
            if (const auto it = m_timers.find(id); it != m_timers.end())
                settleHold(*it);
        });
    connect(timer, &QTimer::timeout, this, [this, id, repeat, cb = std::move(callback)] {
        if (!repeat) {
            cancel(id);
        } else if (const auto it = m_timers.constFind(id); it != m_timers.cend()
                   && it->timer->interval() != it->intervalMs) {
            it->timer->setInterval(it->intervalMs); // the first wait after a hold was shorter
        }
        cb();
    });
    if (isHeld(owner))
        entry.leftMs = interval;
    else
        timer->start();
    return id;
}

void SystemClock::settleHold(Timer &entry)
{
    const bool held = entry.owner && isHeld(entry.owner);
    if (held && entry.leftMs < 0) {
        entry.leftMs = std::max(0, entry.timer->remainingTime());
        entry.timer->stop();
    } else if (!held && entry.leftMs >= 0) {
        entry.timer->start(std::exchange(entry.leftMs, -1));
    }
}

void SystemClock::holdsChanged()
{
    for (Timer &entry : m_timers)
        settleHold(entry);
}

void SystemClock::cancel(WaitId id)
{
    if (const auto it = m_timers.find(id); it != m_timers.end()) {
        QTimer *timer = it->timer;
        m_timers.erase(it);
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
    return schedule(std::max(0, ms), 0, context, context, std::move(callback));
}

Clock::WaitId ManualClock::every(int ms, const QObject *context, Callback callback)
{
    return schedule(std::max(1, ms), std::max(1, ms), context, context, std::move(callback));
}

Clock::WaitId ManualClock::afterHeldBy(int ms, const QObject *holder, Callback callback)
{
    return schedule(std::max(0, ms), 0, nullptr, holder, std::move(callback));
}

Clock::WaitId ManualClock::schedule(qint64 delay, qint64 period, const QObject *context, const QObject *owner,
                                    Callback callback)
{
    const WaitId id = m_nextId++;
    Wait wait{m_elapsed + delay, period, context != nullptr, context, std::move(callback), owner};
    if (isHeld(owner))
        wait.left = delay;
    m_waits.emplace(id, std::move(wait));
    return id;
}

void ManualClock::settleHold(Wait &wait)
{
    const bool held = wait.owner && isHeld(wait.owner);
    if (held && wait.left < 0)
        wait.left = std::max<qint64>(0, wait.due - m_elapsed);
    else if (!held && wait.left >= 0)
        wait.due = m_elapsed + std::exchange(wait.left, -1);
}

void ManualClock::holdsChanged()
{
    for (auto &[id, wait] : m_waits)
        settleHold(wait);
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
    // Drop waits whose context is gone, run on held ones whose owner has gone, then
    // find the earliest due one.
    for (auto it = m_waits.begin(); it != m_waits.end();) {
        if (it->second.bound && !it->second.context) {
            it = m_waits.erase(it);
        } else {
            if (it->second.left >= 0 && !it->second.owner)
                settleHold(it->second);
            ++it;
        }
    }
    auto next = m_waits.end();
    for (auto it = m_waits.begin(); it != m_waits.end(); ++it) {
        if (it->second.left < 0 && it->second.due <= limit
            && (next == m_waits.end() || it->second.due < next->second.due))
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

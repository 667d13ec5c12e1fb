#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimeZone>

#include <functional>

// The one source of "now" and the one scheduler of waits.
//
// Every wait of the program (a pause between rounds, a repeating refresh, a game tick)
// goes through Clock::current(), so a test can install a ManualClock and run a whole
// play instantly and deterministically. A wait bound to a context object is dropped
// when that object is destroyed: its callback never runs against a dead object.
class Clock : public QObject
{
    Q_OBJECT
public:
    using WaitId = quint64;
    using Callback = std::function<void()>;

    // Wall-clock time.
    virtual QDateTime now() const = 0;
    // Milliseconds on a monotonic clock, for measuring durations.
    virtual qint64 elapsedMs() const = 0;
    // The time zone of the user's calendar ("today", "yesterday").
    virtual QTimeZone timeZone() const { return QTimeZone::systemTimeZone(); }

    QDate today() const { return dateOf(now()); }
    QDate dateOf(const QDateTime &moment) const { return moment.toTimeZone(timeZone()).date(); }

    // Runs `callback` once after `ms` milliseconds. With a context, the wait is
    // cancelled when the context is destroyed; without one the callback must be safe
    // on its own.
    virtual WaitId after(int ms, const QObject *context, Callback callback) = 0;
    // Runs `callback` every `ms` milliseconds until cancelled or the context is gone.
    virtual WaitId every(int ms, const QObject *context, Callback callback) = 0;
    virtual void cancel(WaitId id) = 0;
    virtual bool isPending(WaitId id) const = 0;

    static Clock &current();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void setCurrent(Clock *clock);

protected:
    using QObject::QObject;
};

class QTimer;

class SystemClock final : public Clock
{
    Q_OBJECT
public:
    SystemClock();
    ~SystemClock() override;

    QDateTime now() const override;
    qint64 elapsedMs() const override;
    WaitId after(int ms, const QObject *context, Callback callback) override;
    WaitId every(int ms, const QObject *context, Callback callback) override;
    void cancel(WaitId id) override;
    bool isPending(WaitId id) const override;

private:
    WaitId start(int ms, bool repeat, const QObject *context, Callback callback);

    WaitId m_nextId = 1;
    QHash<WaitId, QTimer *> m_timers;
};

// A clock that only moves when a test advances it. Waits fire in time order (ties in
// the order they were scheduled) while advance() runs.
class ManualClock final : public Clock
{
    Q_OBJECT
public:
    explicit ManualClock(const QDateTime &start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), QTimeZone::utc()),
                         const QTimeZone &zone = QTimeZone::utc());

    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    qint64 elapsedMs() const override { return m_elapsed; }
    QTimeZone timeZone() const override { return m_zone; }
    WaitId after(int ms, const QObject *context, Callback callback) override;
    WaitId every(int ms, const QObject *context, Callback callback) override;
    void cancel(WaitId id) override;
    bool isPending(WaitId id) const override;

    // Moves time forward, running every wait that falls due on the way.
    void advance(qint64 ms);
    // Runs waits until none is left or `limitMs` has passed; returns the time moved.
    qint64 runUntilIdle(qint64 limitMs = 10 * 60 * 1000);
    // Sets the wall-clock time without running waits (a clock moved by the user).
    void setNow(const QDateTime &moment);
    int pendingCount() const;

private:
    struct Wait {
        qint64 due = 0;
        qint64 period = 0; // 0: once
        bool bound = false;
        QPointer<const QObject> context;
        Callback callback;
    };
    WaitId schedule(qint64 delay, qint64 period, const QObject *context, Callback callback);
    bool runNextDue(qint64 limit);

    QDateTime m_start;
    QTimeZone m_zone;
    qint64 m_elapsed = 0;
    WaitId m_nextId = 1;
    std::map<WaitId, Wait> m_waits;
};

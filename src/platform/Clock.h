#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimeZone>

#include <functional>
#include <map>
#include <vector>

// The one source of "now" and the one scheduler of waits.
//
// Every wait of the program (a pause between rounds, a repeating refresh, a game tick)
// goes through Clock::current(), so a test can install a ManualClock and run a whole
// play instantly and deterministically. A wait bound to a context object is dropped
// when that object is destroyed: its callback never runs against a dead object.
//
// A part of the program can be held (a game's page while the playground is locked):
// the waits that belong to it stand still and run on, with the time they had left, when
// it is released.
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
    // Runs `callback` once after `ms` milliseconds, whether or not `holder` still exists
    // by then (a report due after a pause, which comes also when its page has gone); while
    // `holder` exists, the wait belongs to it and is held with it.
    virtual WaitId afterHeldBy(int ms, const QObject *holder, Callback callback) = 0;
    virtual void cancel(WaitId id) = 0;
    // A held wait is still pending.
    virtual bool isPending(WaitId id) const = 0;

    // Holds `scope`: every wait that belongs to it or to an object beneath it (its
    // children, theirs, ...) stands still, also one scheduled while it is held, until
    // release(). A wait belongs to its context, or to the holder of afterHeldBy(). Each
    // hold of a scope needs its own release; a scope destroyed while held is released.
    void hold(const QObject *scope);
    void release(const QObject *scope);
    // Whether `object` or an object above it is held.
    bool isHeld(const QObject *object) const;
    // How long `object` has stood still so far: the time any scope above it (or itself)
    // was held, on the monotonic clock, counting a hold still going on. Durations that a
    // held part measures leave this out.
    qint64 heldMs(const QObject *object) const;

    static Clock &current();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void setCurrent(Clock *clock);

protected:
    using QObject::QObject;
    // The holds have changed: each wait is to be held, or to run on, as isHeld() says of
    // the object it belongs to.
    virtual void holdsChanged() = 0;

private:
    struct Hold {
        QPointer<const QObject> scope;
        int count = 0;       // > 0: held now
        qint64 since = 0;    // elapsedMs() when the current hold began
        qint64 heldMs = 0;   // the holds that have ended
    };
    std::vector<Hold> m_holds;
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
    WaitId afterHeldBy(int ms, const QObject *holder, Callback callback) override;
    void cancel(WaitId id) override;
    bool isPending(WaitId id) const override;

protected:
    void holdsChanged() override;

private:
    struct Timer {
        QTimer *timer = nullptr;
        int intervalMs = 0;
        QPointer<const QObject> owner; // what the wait belongs to
        int leftMs = -1;               // >= 0: held, with this much left
    };
    WaitId start(int ms, bool repeat, const QObject *context, const QObject *owner, Callback callback);
    void settleHold(Timer &timer);

    WaitId m_nextId = 1;
    QHash<WaitId, Timer> m_timers;
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
    WaitId afterHeldBy(int ms, const QObject *holder, Callback callback) override;
    void cancel(WaitId id) override;
    bool isPending(WaitId id) const override;

    // Moves time forward, running every wait that falls due on the way.
    void advance(qint64 ms);
    // Runs waits until none is left or `limitMs` has passed; returns the time moved.
    qint64 runUntilIdle(qint64 limitMs = 10 * 60 * 1000);
    // Sets the wall-clock time without running waits (a clock moved by the user).
    void setNow(const QDateTime &moment);
    int pendingCount() const;

protected:
    void holdsChanged() override;

private:
    struct Wait {
        qint64 due = 0;
        qint64 period = 0; // 0: once
        bool bound = false;
        QPointer<const QObject> context;
        Callback callback;
        QPointer<const QObject> owner; // what the wait belongs to
        qint64 left = -1;              // >= 0: held, with this much left
    };
    WaitId schedule(qint64 delay, qint64 period, const QObject *context, const QObject *owner, Callback callback);
    void settleHold(Wait &wait);
    bool runNextDue(qint64 limit);

    QDateTime m_start;
    QTimeZone m_zone;
    qint64 m_elapsed = 0;
    WaitId m_nextId = 1;
    std::map<WaitId, Wait> m_waits;
};

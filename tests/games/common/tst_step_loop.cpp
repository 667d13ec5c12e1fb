#include "Clock.h"
#include "StepLoop.h"

#include <QtTest>

class StepLoopTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::setCurrent(&clock); }
    void cleanup() { Clock::setCurrent(nullptr); }

    void ticksUntilAStepStopsIt()
    {
        StepLoop loop;
        QList<qint64> at;
        const qint64 begin = clock.elapsedMs();
        loop.start(520, [&] {
            at << clock.elapsedMs() - begin;
            if (at.size() == 10)
                loop.stop();
        });
        QVERIFY(loop.isRunning());
        clock.advance(519);
        QVERIFY(at.isEmpty());
        clock.advance(60 * 1000);
        QCOMPARE(at.size(), 10);
        QCOMPARE(at.first(), 520);
        QCOMPARE(at.last(), 5200);
        QVERIFY(!loop.isRunning());
        QCOMPARE(clock.pendingCount(), 0);
    }

    void theNextDeadlineIsTakenAfterTheStep()
    {
        // A step that takes time itself pushes every later tick back.
        StepLoop loop;
        QList<qint64> at;
        const qint64 begin = clock.elapsedMs();
        loop.start(1000, [&] {
            at << clock.elapsedMs() - begin;
            if (at.size() == 1)
                clock.advance(300); // a slow step
        });
        clock.advance(2400);
        QCOMPARE(at, (QList<qint64>{1000, 2300}));
    }

    void startingAnewReplacesThePendingTick()
    {
        StepLoop loop;
        int old = 0, fresh = 0;
        loop.start(500, [&] { ++old; });
        clock.advance(400);
        loop.start(500, [&] { ++fresh; });
        clock.advance(400);
        QCOMPARE(old + fresh, 0);
        clock.advance(100);
        QCOMPARE(fresh, 1);
        QCOMPARE(old, 0);
    }

    void endsWithItsOwner()
    {
        auto *owner = new QObject;
        auto *loop = new StepLoop(owner);
        int steps = 0;
        loop->start(100, [&] { ++steps; });
        clock.advance(250);
        QCOMPARE(steps, 2);
        delete owner;
        clock.advance(1000);
        QCOMPARE(steps, 2);
        QCOMPARE(clock.pendingCount(), 0);
    }

    void aStepMayEndTheOwner()
    {
        auto *owner = new QObject;
        auto *loop = new StepLoop(owner);
        int steps = 0;
        loop->start(100, [&] {
            ++steps;
            delete owner;
        });
        clock.advance(1000);
        QCOMPARE(steps, 1);
    }

private:
    ManualClock clock;
};

QTEST_GUILESS_MAIN(StepLoopTest)
#include "tst_step_loop.moc"

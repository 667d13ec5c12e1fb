#include "Clock.h"
#include "KeyedPlayback.h"

#include <QPointer>
#include <QtTest>

// A show of lights as a memory game plays it: each light is checked before it comes on,
// turned off whatever happens, and the turn is handed over at the end.
struct LightShow : QObject
{
    KeyedPlayback playback{this};
    QStringList log;
    QString lit;

    KeyedPlayback::Script lights(const QStringList &lights, bool checkBeforeTurn = false)
    {
        KeyedPlayback::Script s;
        s.then([this] { log << QStringLiteral("watch"); }).wait(500);
        for (const QString &light : lights) {
            s.checked([this, light] { lit = light; log << light; }).wait(520);
            s.then([this] { lit.clear(); log << QStringLiteral("off"); }).wait(180);
        }
        if (checkBeforeTurn)
            s.stopIfCancelled();
        s.then([this] { log << QStringLiteral("turn"); });
        return s;
    }
};

class KeyedPlaybackTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::setCurrent(&clock); }
    void cleanup()
    {
        Clock::setCurrent(nullptr);
        clock.runUntilIdle();
    }

    void playsItsStepsOnTheClockAndOpensTheInput()
    {
        LightShow show;
        QSignalSpy phase(&show.playback, &KeyedPlayback::phaseChanged);
        show.playback.run(QStringLiteral("0-0"), show.lights({"🔴", "🔵"}));
        QCOMPARE(show.log, QStringList{"watch"});
        QCOMPARE(show.playback.phase(), KeyedPlayback::Phase::Watching);
        clock.advance(499);
        QCOMPARE(show.lit, QString());
        clock.advance(1);
        QCOMPARE(show.lit, QStringLiteral("🔴"));
        clock.advance(700);
        QCOMPARE(show.lit, QStringLiteral("🔵"));
        clock.advance(699);
        QVERIFY(!show.playback.acceptingInput());
        clock.advance(1); // 0.5 + 0.7 × 2 s
        QCOMPARE(show.log, (QStringList{"watch", "🔴", "off", "🔵", "off", "turn"}));
        QVERIFY(show.playback.acceptingInput());
        QCOMPARE(phase.count(), 1);

        // The same key does not play again, even after its run has ended.
        show.playback.run(QStringLiteral("0-0"), show.lights({"🟢"}));
        QVERIFY(!show.playback.isRunning());
        QVERIFY(show.playback.acceptingInput());
    }

    void aNewKeyCancelsTheRunningShow()
    {
        LightShow show;
        show.playback.run(QStringLiteral("0-0"), show.lights({"🔴", "🔵", "🟢"}));
        clock.advance(600); // 🔴 is lit
        show.log.clear();
        show.playback.run(QStringLiteral("0-1"), show.lights({"🟡"}));
        // The cancelled run turns its light off at once and stops before the next one;
        // then the new run begins with the input closed.
        QCOMPARE(show.log, (QStringList{"off", "watch"}));
        QCOMPARE(show.lit, QString());
        QVERIFY(!show.playback.acceptingInput());
        clock.advance(1200);
        QCOMPARE(show.log, (QStringList{"off", "watch", "🟡", "off", "turn"}));
        QVERIFY(show.playback.acceptingInput());
    }

    void aShowCancelledDuringItsLastLightStillHandsOverTheTurn()
    {
        LightShow show;
        show.playback.run(QStringLiteral("a"), show.lights({"🔴"}));
        clock.advance(600);
        show.playback.leave();
        QCOMPARE(show.log, (QStringList{"watch", "🔴", "off", "turn"}));
        QVERIFY(show.playback.acceptingInput());

        // With a check before the turn, the same cancellation leaves the input closed.
        LightShow checked;
        checked.playback.run(QStringLiteral("a"), checked.lights({"🔴"}, true));
        clock.advance(600);
        checked.playback.leave();
        QCOMPARE(checked.log, (QStringList{"watch", "🔴", "off"}));
        QVERIFY(!checked.playback.acceptingInput());
        QCOMPARE(clock.pendingCount(), 0);

        // After leaving, the same key plays again.
        checked.playback.run(QStringLiteral("a"), checked.lights({}));
        clock.advance(500);
        QCOMPARE(checked.log.last(), QStringLiteral("turn"));
    }

    void aStepMayChangeTheKeyOfItsOwnRun()
    {
        LightShow show;
        int replays = 0;
        KeyedPlayback::Script s;
        s.then([&] { show.log << QStringLiteral("first"); });
        s.then([&] {
            show.playback.run(QStringLiteral("b"), show.lights({}));
            ++replays;
        });
        s.then([&] { show.log << QStringLiteral("rest of first"); });
        s.checked([&] { show.log << QStringLiteral("never"); });
        show.playback.run(QStringLiteral("a"), std::move(s));
        // The first run plays out its unchecked steps before the new one begins.
        QCOMPARE(show.log, (QStringList{"first", "rest of first", "watch"}));
        QCOMPARE(replays, 1);
        QVERIFY(!show.playback.acceptingInput());
        clock.advance(500);
        QVERIFY(show.playback.acceptingInput());
    }

    void theOwnerGoingDropsTheScript()
    {
        auto *show = new LightShow;
        bool touched = false;
        KeyedPlayback::Script s;
        s.wait(100).then([&touched] { touched = true; });
        show->playback.run(QStringLiteral("a"), std::move(s));
        delete show;
        clock.advance(1000);
        QVERIFY(!touched);
        QCOMPARE(clock.pendingCount(), 0);
    }

    void aDonePlayStartsNoShow()
    {
        LightShow show;
        show.playback.setPhase(KeyedPlayback::Phase::Done);
        show.playback.run(QStringLiteral("x"), show.lights({"🔴"}));
        QVERIFY(show.log.isEmpty());
        QCOMPARE(show.playback.phase(), KeyedPlayback::Phase::Done);
    }

private:
    ManualClock clock;
};

QTEST_GUILESS_MAIN(KeyedPlaybackTest)
#include "tst_keyed_playback.moc"

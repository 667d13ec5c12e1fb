// Whole plays of red light, green light on the manual clock: one tap a signal at most,
// the raw score of greens hit less reds tapped held within 30 to 100, the missed-green
// hint at the tick that ends it, and the report 0.45 s after the end, also when the
// page has gone.

#include "GameTestSupport.h"
#include "RedLightGreenLightGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int tick = RedLightGreenLightGame::tickMs;

// Taps (twice, the second refused) each signal `tapIt` names, through all twelve.
void playSignals(GameTestWorld &world, RedLightGreenLightGame &game, const std::function<bool(int)> &tapIt)
{
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(game.signalIndex(), i);
        QCOMPARE(game.progress(), u"%1/12"_s.arg(i + 1));
        if (tapIt(i)) {
            const int before = game.greenHits() + game.redTaps();
            game.tapSignal();
            QVERIFY(!game.lightEnabled());
            game.tapSignal();
            QCOMPARE(game.greenHits() + game.redTaps(), before + 1);
        }
        world.clock.advance(tick);
    }
}

} // namespace

class TestRedLightGreenLight : public QObject
{
    Q_OBJECT
private slots:
    void everyGreenAndNoRed()
    {
        GameTestWorld world;
        ReportLog log;
        RedLightGreenLightGame game;
        log.attach(game);
        QCOMPARE(RedLightGreenLightGame::greenCount(), 7);

        QCOMPARE(game.progress(), u"准备"_s);
        QCOMPARE(game.lightSymbol(), u"🚦"_s);
        QCOMPARE(game.lightCaption(), u"看灯行动"_s);
        QVERIFY(!game.lightEnabled() && !game.showsBubble());
        game.tapSignal(); // not yet playing
        QCOMPARE(game.greenHits(), 0);

        game.start();
        QVERIFY(game.showsBubble() && game.lightEnabled());
        QCOMPARE(game.line().text(), u"看灯行动"_s);
        QVERIFY(game.line().good());
        QCOMPARE(game.lightSymbol(), u"走"_s);
        QCOMPARE(game.lightCaption(), u"现在可以点！"_s);
        game.tapSignal();
        QCOMPARE(game.line().text(), u"绿灯出发，做对啦！"_s);
        QVERIFY(game.line().good());
        world.clock.advance(tick - 1);
        QCOMPARE(game.signalIndex(), 0);
        world.clock.advance(1);
        // A red passing untapped changes nothing.
        QCOMPARE(game.lightSymbol(), u"停"_s);
        QCOMPARE(game.lightCaption(), u"小手停住"_s);
        QVERIFY(game.lightEnabled());
        world.clock.advance(tick);
        QCOMPARE(game.line().text(), u"绿灯出发，做对啦！"_s);
        QCOMPARE(game.signalIndex(), 2);

        for (int i = 2; i < 12; ++i) {
            if (RedLightGreenLightGame::signalList().at(i))
                game.tapSignal();
            world.clock.advance(tick);
        }
        QCOMPARE(world.clock.elapsedMs(), 12 * tick);
        QVERIFY(!game.running());
        QCOMPARE(game.signalIndex(), 11);
        QCOMPARE(game.progress(), u"准备"_s);
        QVERIFY(!game.lightEnabled());
        QVERIFY(game.showsBubble());
        game.tapSignal(); // after the end
        QCOMPARE(game.redTaps(), 0);
        world.clock.advance(RedLightGreenLightGame::reportMs - 1);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        QCOMPARE(log.only(), ReportLog::Report(100, 3));
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
    }

    void scoresGreensLessReds_data()
    {
        QTest::addColumn<int>("greens");
        QTest::addColumn<int>("reds");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        QTest::addRow("six greens") << 6 << 0 << 85 << 3;
        QTest::addRow("seven greens, two reds") << 7 << 2 << 84 << 2;
        QTest::addRow("five greens, one red") << 5 << 1 << 63 << 1;
        QTest::addRow("four greens") << 4 << 0 << 57 << 1;
        QTest::addRow("five greens") << 5 << 0 << 71 << 2;
        QTest::addRow("no tap") << 0 << 0 << 30 << 1;
        QTest::addRow("every red, no green") << 0 << 5 << 30 << 1;
        QTest::addRow("every light") << 7 << 5 << 60 << 1;
    }
    void scoresGreensLessReds()
    {
        QFETCH(int, greens);
        QFETCH(int, reds);
        QFETCH(int, score);
        QFETCH(int, stars);
        GameTestWorld world;
        ReportLog log;
        RedLightGreenLightGame game;
        log.attach(game);
        game.start();
        int greensLeft = greens;
        int redsLeft = reds;
        playSignals(world, game, [&](int i) {
            int &left = RedLightGreenLightGame::signalList().at(i) ? greensLeft : redsLeft;
            return left-- > 0;
        });
        QCOMPARE(game.greenHits(), greens);
        QCOMPARE(game.redTaps(), reds);
        world.clock.runUntilIdle();
        QCOMPARE(log.only(), ReportLog::Report(score, stars));
    }

    void hintsOfMissedGreensAndRedTaps()
    {
        GameTestWorld world;
        RedLightGreenLightGame game;
        game.start();
        world.clock.advance(tick); // the first green passes untapped
        QCOMPARE(game.line().text(), u"错过一盏绿灯，下一盏加油"_s);
        QVERIFY(!game.line().good());
        game.tapSignal(); // on red
        QCOMPARE(game.redTaps(), 1);
        QCOMPARE(game.line().text(), u"红灯要停住，下次忍一忍"_s);
        QVERIFY(!game.line().good());
        world.clock.advance(tick);
        game.tapSignal(); // the next signal takes a tap again
        QCOMPARE(game.greenHits(), 1);
        world.clock.advance(tick);
        QCOMPARE(game.line().text(), u"绿灯出发，做对啦！"_s); // a tapped green passes quietly
        world.clock.advance(tick); // an untapped green does not
        QCOMPARE(game.line().text(), u"错过一盏绿灯，下一盏加油"_s);
        game.start(); // a second start resets the play, one tick loop still
        QCOMPARE(game.signalIndex(), 0);
        world.clock.advance(tick);
        QCOMPARE(game.signalIndex(), 1);
    }

    void leavingThePage()
    {
        GameTestWorld world;
        ReportLog log;
        auto game = std::make_unique<RedLightGreenLightGame>();
        log.attach(*game);
        game->start();
        world.clock.advance(5 * tick + 300);
        game.reset();
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 0);
        QCOMPARE(world.clock.pendingCount(), 0);

        game = std::make_unique<RedLightGreenLightGame>();
        log.attach(*game);
        game->start();
        world.clock.advance(12 * tick + 100);
        game.reset();
        world.clock.advance(349);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        QCOMPARE(log.only(), ReportLog::Report(30, 1));
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRedLightGreenLight)
#include "tst_red_light_green_light.moc"

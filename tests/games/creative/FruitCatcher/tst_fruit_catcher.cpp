// Whole plays of the fruit catcher on the manual clock: the catch decided by the basket
// at the landing tick, the score table, the arrows held on the board, and the report
// that comes half a second after the tenth landing even when the page has gone.

#include "FruitCatcherGame.h"
#include "GameTestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int tick = FruitCatcherGame::tickMs;

void moveTo(FruitCatcherGame &game, int column)
{
    while (game.basketColumn() < column)
        game.moveRight();
    while (game.basketColumn() > column)
        game.moveLeft();
}

// Plays fruit after fruit from fruit `from` on: the basket waits in the fruit's column when
// `catchIt(k)`, else one column beside it, set while the fruit stands in the bottom row.
void playFruits(GameTestWorld &world, FruitCatcherGame &game, const std::function<bool(int)> &catchIt, int from = 0)
{
    for (int k = from; k < 10; ++k) {
        QCOMPARE(game.drops(), k);
        QCOMPARE(game.fruitRow(), 0);
        QCOMPARE(game.fruitColumn(), FruitCatcherGame::fruitColumns().at(k));
        world.clock.advance(4 * tick);
        QCOMPARE(game.fruitRow(), 4);
        const int column = game.fruitColumn();
        moveTo(game, catchIt(k) ? column : (column + 1) % 4);
        world.clock.advance(tick);
    }
}

} // namespace

class TestFruitCatcher : public QObject
{
    Q_OBJECT
private slots:
    void catchingEveryFruit()
    {
        GameTestWorld world;
        ReportLog log;
        auto game = std::make_unique<FruitCatcherGame>();
        log.attach(*game);

        QVERIFY(!game->showsBoard());
        QVERIFY(!game->canMoveLeft() && !game->canMoveRight());
        game->moveLeft(); // no play yet: the basket stays
        QCOMPARE(game->basketColumn(), 1);
        QCOMPARE(game->line().text(), u"移动篮子，接住掉下来的水果"_s);

        game->start();
        // Before the first tick the apple stands at the top of the first path.
        QVERIFY(game->running() && game->showsBoard());
        QCOMPARE(game->fruitRow(), 0);
        QCOMPARE(game->fruitColumn(), 0);
        QCOMPARE(game->basketColumn(), 1);
        QCOMPARE(game->fruit(), u"🍎"_s);
        QCOMPARE(game->line().text(), u"看准水果落下的小路"_s);
        QVERIFY(game->line().good());
        QCOMPARE(game->scoreLine(), u"🍎 0 / 10"_s);

        world.clock.advance(tick - 1);
        QCOMPARE(game->fruitRow(), 0);
        world.clock.advance(1);
        QCOMPARE(game->fruitRow(), 1);
        world.clock.advance(3 * tick);
        // The fruit stays in the bottom row for one whole tick, the basket still free.
        QCOMPARE(game->fruitRow(), 4);
        moveTo(*game, 0);
        world.clock.advance(tick - 1);
        QCOMPARE(game->drops(), 0);
        world.clock.advance(1);
        QCOMPARE(game->drops(), 1);
        QCOMPARE(game->catches(), 1);
        QCOMPARE(game->line().text(), u"接住啦！"_s);
        QVERIFY(game->line().good());
        QCOMPARE(game->scoreLine(), u"🍎 1 / 10"_s);
        // The next fruit shows at the top in the same tick, with its own picture.
        QCOMPARE(game->fruitRow(), 0);
        QCOMPARE(game->fruitColumn(), 2);
        QCOMPARE(game->fruit(), u"🍌"_s);

        playFruits(world, *game, [](int) { return true; }, 1);
        QCOMPARE(game->drops(), 10);
        QCOMPARE(game->catches(), 10);
        QVERIFY(!game->running());
        QVERIFY(game->showsBoard());
        QVERIFY(!game->canMoveLeft() && !game->canMoveRight());
        QCOMPARE(world.clock.elapsedMs(), 50 * tick);

        // The report waits half a second, and comes once.
        world.clock.advance(FruitCatcherGame::reportMs - 1);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        QCOMPARE(log.only(), ReportLog::Report(100, 3));
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
        QCOMPARE(world.clock.pendingCount(), 0);
    }

    void scoresTheCatches_data()
    {
        QTest::addColumn<QList<int>>("caught");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        QTest::addRow("none") << QList<int>{} << 0 << 1;
        QTest::addRow("four") << QList<int>{0, 3, 6, 9} << 40 << 1;
        QTest::addRow("five") << QList<int>{1, 2, 3, 4, 5} << 50 << 2;
        QTest::addRow("seven") << QList<int>{0, 1, 2, 3, 4, 5, 6} << 70 << 2;
        QTest::addRow("eight") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 80 << 3;
    }
    void scoresTheCatches()
    {
        QFETCH(QList<int>, caught);
        QFETCH(int, score);
        QFETCH(int, stars);
        GameTestWorld world;
        ReportLog log;
        FruitCatcherGame game;
        log.attach(game);
        game.start();
        playFruits(world, game, [&](int k) {
            // A miss reads as a hint, a catch as praise, each at its landing.
            return caught.contains(k);
        });
        QCOMPARE(game.catches(), caught.size());
        QCOMPARE(game.line().text(), caught.contains(9) ? u"接住啦！"_s : u"水果跑掉了，继续看准"_s);
        QCOMPARE(game.line().good(), caught.contains(9));
        world.clock.runUntilIdle();
        QCOMPARE(log.only(), ReportLog::Report(score, stars));
    }

    void onlyTheBasketAtTheLandingCounts()
    {
        GameTestWorld world;
        FruitCatcherGame game;
        game.start();
        // Under the apple for its whole fall, away at the landing: missed.
        moveTo(game, 0);
        world.clock.advance(4 * tick + tick / 2);
        game.moveRight();
        world.clock.advance(tick / 2);
        QCOMPARE(game.drops(), 1);
        QCOMPARE(game.catches(), 0);
        QVERIFY(!game.line().good());
        // Away for the banana's whole fall, under it just before the landing: caught.
        moveTo(game, 0);
        world.clock.advance(5 * tick - 1);
        moveTo(game, 2);
        world.clock.advance(1);
        QCOMPARE(game.catches(), 1);
    }

    void theArrowsStayOnTheBoard()
    {
        GameTestWorld world;
        FruitCatcherGame game;
        game.start();
        for (int i = 0; i < 6; ++i)
            game.moveRight();
        QCOMPARE(game.basketColumn(), 3);
        QVERIFY(!game.canMoveRight() && game.canMoveLeft());
        for (int i = 0; i < 6; ++i)
            game.moveLeft();
        QCOMPARE(game.basketColumn(), 0);
        QVERIFY(game.canMoveRight() && !game.canMoveLeft());
        // A second start before the screen changes resets the play but keeps one tick loop.
        world.clock.advance(tick);
        game.start();
        QCOMPARE(game.fruitRow(), 0);
        QCOMPARE(game.basketColumn(), 1);
        world.clock.advance(tick);
        QCOMPARE(game.fruitRow(), 1);
        world.clock.advance(49 * tick);
        QVERIFY(!game.running());
        game.moveLeft(); // after the end the basket stays
        QCOMPARE(game.basketColumn(), 1);
    }

    void leavingThePage()
    {
        GameTestWorld world;
        ReportLog log;
        // Leaving during the play: the loop goes with the page, nothing is reported.
        auto game = std::make_unique<FruitCatcherGame>();
        log.attach(*game);
        game->start();
        world.clock.advance(20 * tick);
        game.reset();
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 0);
        QCOMPARE(world.clock.pendingCount(), 0);

        // Leaving within half a second of the last landing: the report still comes, once.
        game = std::make_unique<FruitCatcherGame>();
        log.attach(*game);
        game->start();
        world.clock.advance(50 * tick + 200);
        QVERIFY(!game->running());
        game.reset();
        world.clock.advance(299);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        QCOMPARE(log.only(), ReportLog::Report(20, 1)); // the basket never moved: paths 1
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFruitCatcher)
#include "tst_fruit_catcher.moc"

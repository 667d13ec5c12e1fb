#include "GameTestSupport.h"
#include "SchulteGridGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestSchulteGrid : public QObject
{
    Q_OBJECT
private slots:
    void scoreRule_data();
    void scoreRule();
    void wholePlay_data();
    void wholePlay();
    void foundTilesAndStrayTaps();
    void leavingDuringTheLastPause();
};

void TestSchulteGrid::scoreRule_data()
{
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("free seconds") << 0 << 22 << 100 << 3;
    QTest::newRow("30 s") << 0 << 30 << 92 << 3;
    QTest::newRow("2 mistakes 25 s") << 2 << 25 << 87 << 2;
    QTest::newRow("1 mistake 25 s") << 1 << 25 << 92 << 3;
    QTest::newRow("2 mistakes 24 s") << 2 << 24 << 88 << 3;
    QTest::newRow("6 mistakes") << 6 << 10 << 70 << 2;
    QTest::newRow("7 mistakes") << 7 << 0 << 65 << 1;
    QTest::newRow("90 s") << 0 << 90 << 40 << 1;
    QTest::newRow("many mistakes") << 40 << 0 << 40 << 1;
    QTest::newRow("clock moved back") << 0 << -5 << 100 << 3;
}

void TestSchulteGrid::scoreRule()
{
    QFETCH(int, mistakes);
    QFETCH(int, seconds);
    QFETCH(int, score);
    QFETCH(int, stars);
    const SchulteGridGame::Result result = SchulteGridGame::resultFor(mistakes, seconds);
    QCOMPARE(result.score, score);
    QCOMPARE(result.stars, stars);
}

void TestSchulteGrid::wholePlay_data()
{
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::addColumn<int>("heldMs");
    QTest::newRow("22.9 s") << 0 << 22900 << 100 << 3 << 0;
    QTest::newRow("30.9 s") << 0 << 30900 << 92 << 3 << 0;
    QTest::newRow("two mistakes, 25.5 s") << 2 << 25500 << 87 << 2 << 0;
    QTest::newRow("22.9 s, held for 10 min") << 0 << 22900 << 100 << 3 << 600000;
}

void TestSchulteGrid::wholePlay()
{
    QFETCH(int, mistakes);
    QFETCH(int, ms);
    QFETCH(int, score);
    QFETCH(int, stars);
    QFETCH(int, heldMs);
    GameTestWorld world;
    SchulteGridGame game;
    ReportLog log;
    log.attach(game);
    const QList<int> numbers = game.numbers();
    QCOMPARE(QSet<int>(numbers.cbegin(), numbers.cend()).size(), 16);
    QCOMPARE(*std::min_element(numbers.cbegin(), numbers.cend()), 1);
    QCOMPARE(*std::max_element(numbers.cbegin(), numbers.cend()), 16);
    QCOMPARE(game.counter(), u"找 1"_s);
    QCOMPARE(game.line().text(), u"从 1 开始，按顺序找数字"_s);
    QVERIFY(game.line().good());
    // Time before the grid is shown does not count.
    world.clock.advance(60000);
    game.appear();

    for (int m = 0; m < mistakes; ++m) {
        game.tap(16);
        QCOMPARE(game.line().text(), u"先找 1"_s);
        QVERIFY(!game.line().good());
    }
    QCOMPARE(game.line().shakes(), mistakes);
    for (int n = 1; n < 16; ++n) {
        game.tap(n);
        QCOMPARE(game.expected(), n + 1);
        QCOMPARE(game.counter(), u"找 "_s + QString::number(n + 1));
        QCOMPARE(game.line().text(), u"很好，继续找 "_s + QString::number(n + 1));
        QVERIFY(game.line().good());
    }
    QCOMPARE(game.line().shakes(), mistakes); // right taps do not shake
    // Time the game stands still (under the play-time lock) does not count either.
    world.clock.hold(&game);
    world.clock.advance(heldMs);
    world.clock.release(&game);
    world.clock.advance(ms);
    game.tap(16);
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"找 16"_s);
    QCOMPARE(game.line().text(), u"全部数字都找到了！"_s);
    QVERIFY(game.line().good());
    game.tap(16);
    world.clock.advance(SchulteGridGame::reportMs - 1);
    QCOMPARE(log.count(), 0);
    // The time of the report's pause is not counted.
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestSchulteGrid::foundTilesAndStrayTaps()
{
    GameTestWorld world;
    SchulteGridGame game;
    game.appear();
    game.tap(1);
    game.tap(2);
    // A found tile's button is disabled: no mistake.
    game.tap(1);
    game.tap(0);
    game.tap(17);
    QCOMPARE(game.mistakes(), 0);
    QCOMPARE(game.expected(), 3);
    QCOMPARE(game.line().text(), u"很好，继续找 3"_s);
    game.tap(5);
    QCOMPARE(game.mistakes(), 1);
    QCOMPARE(game.line().text(), u"先找 3"_s);
    QCOMPARE(game.expected(), 3);
}

void TestSchulteGrid::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new SchulteGridGame;
    log.attach(*game);
    game->appear();
    game->tap(2);
    for (int n = 1; n <= 16; ++n)
        game->tap(n);
    world.clock.advance(200);
    delete game;
    world.clock.advance(350);
    QCOMPARE(log.only(), (ReportLog::Report{95, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestSchulteGrid)
#include "tst_schulte_grid.moc"

#include "GameTestSupport.h"
#include "RouteMemoryGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// From the start of a walk of n steps to the child's turn.
int walkMs(qsizetype n)
{
    return RouteMemoryGame::stepMs + int(n) * (RouteMemoryGame::stepMs + RouteMemoryGame::gapMs);
}
} // namespace

class TestRouteMemory : public QObject
{
    Q_OBJECT
private slots:
    void tables();
    void walkTimeline();
    void wholePlay_data();
    void wholePlay();
    void pressesAndFlashes();
    void leavingDuringTheLastPause();
};

void TestRouteMemory::tables()
{
    QCOMPARE(RouteMemoryGame::arrowOf(0) + RouteMemoryGame::arrowOf(1) + RouteMemoryGame::arrowOf(2) + RouteMemoryGame::arrowOf(3),
             u"↑→↓←"_s);
    QCOMPARE(RouteMemoryGame::nameOf(3), u"左"_s);
    QCOMPARE(RouteMemoryGame::colorOf(1), u"coral"_s);
    const QList<RouteMemoryPattern> &r = RouteMemoryPattern::all();
    QCOMPARE(r.size(), 8);
    QCOMPARE(r[4].name, u"海边散步"_s);
    QCOMPARE(r[4].steps, (QList<int>{1, 2, 2, 3, 1}));
    QCOMPARE(r[7].steps, (QList<int>{0, 1, 1, 2, 3, 2, 1}));
    QCOMPARE(walkMs(3), 2170);
    QCOMPARE(walkMs(7), 4490);
}

void TestRouteMemory::walkTimeline()
{
    GameTestWorld world;
    RouteMemoryGame game;
    QCOMPARE(game.name(), u"花园小路"_s); // before the session
    game.appear();
    const QList<int> steps = game.steps();
    QVERIFY(!game.acceptingInput());
    QCOMPARE(game.prompt(), u"仔细看，小狐狸正在走路"_s);
    int at = 0;
    const auto to = [&](int ms) {
        world.clock.advance(ms - at);
        at = ms;
    };
    for (int i = 0; i < steps.size(); ++i) {
        const int on = 430 + 580 * i;
        to(on - 1);
        QCOMPARE(game.highlighted(), -1);
        to(on);
        QCOMPARE(game.highlighted(), steps[i]);
        game.tap(steps[0]);
        game.replay(); // both closed during the walk
        QVERIFY(game.input().isEmpty());
        QVERIFY(!game.roundHadMistake());
        to(on + 430);
        QCOMPARE(game.highlighted(), -1);
    }
    to(walkMs(steps.size()) - 1);
    QVERIFY(!game.acceptingInput());
    to(walkMs(steps.size()));
    QVERIFY(game.acceptingInput());
    QCOMPARE(game.prompt(), u"轮到你，带小狐狸走同一条路"_s);
    QCOMPARE(game.feedback(), u"轮到你啦！"_s);
    QVERIFY(!game.feedbackGood());
}

void TestRouteMemory::wholePlay_data()
{
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QList<int>>("replayed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << QList<int>{} << 100 << 3;
    QTest::newRow("a wrong press and a replay") << QList<int>{1} << QList<int>{3} << 84 << 2;
    QTest::newRow("every route missed") << QList<int>{0, 2, 4} << QList<int>{1, 3} << 60 << 1;
}

void TestRouteMemory::wholePlay()
{
    QFETCH(QList<int>, wrong);
    QFETCH(QList<int>, replayed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    RouteMemoryGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(QSet<int>(session.cbegin(), session.cend()).size(), 5);

    for (int r = 0; r < 5; ++r) {
        const RouteMemoryPattern &route = RouteMemoryPattern::all()[session[r]];
        QCOMPARE(game.name(), route.name);
        QCOMPARE(game.counter(), u"第 "_s + QString::number(r + 1) + u" / 5 条"_s);
        QCOMPARE(game.feedback(), u"看小狐狸走过的路线"_s);
        QVERIFY(game.feedbackGood());
        world.clock.advance(walkMs(route.steps.size()));
        QVERIFY(game.acceptingInput());
        if (wrong.contains(r)) {
            // Wrong on the last step: every pressed step is cleared.
            for (qsizetype s = 0; s + 1 < route.steps.size(); ++s)
                game.tap(route.steps[s]);
            QCOMPARE(game.feedback(), u"对啦，继续走"_s);
            QVERIFY(game.feedbackGood());
            game.tap((route.steps.last() + 1) % 4);
            QVERIFY(game.input().isEmpty());
            QVERIFY(!game.acceptingInput());
            QCOMPARE(game.feedback(), u"这条路不对，小狐狸会再走一次"_s);
            QVERIFY(!game.feedbackGood());
            world.clock.advance(RouteMemoryGame::replayMs);
            QCOMPARE(game.feedback(), u"看小狐狸走过的路线"_s);
            world.clock.advance(walkMs(route.steps.size()));
        }
        if (replayed.contains(r)) {
            game.tap(route.steps[0]);
            game.replay();
            QVERIFY(game.roundHadMistake());
            QVERIFY(game.input().isEmpty());
            QVERIFY(!game.acceptingInput());
            // Asking to see the route again is no wrong press: no shake.
            QCOMPARE(game.wrongAttempt(), int(std::count_if(wrong.cbegin(), wrong.cend(), [r](int w) { return w <= r; })));
            world.clock.advance(walkMs(route.steps.size()));
        }
        for (int step : route.steps)
            game.tap(step);
        QCOMPARE(game.input(), route.steps);
        QVERIFY(!game.acceptingInput());
        QCOMPARE(game.feedback(), u"路线全记住啦！"_s);
        QVERIFY(game.feedbackGood());
        world.clock.advance(RouteMemoryGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QVERIFY(!game.roundHadMistake());
            QVERIFY(game.input().isEmpty());
        }
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"第 5 / 5 条"_s);
    QCOMPARE(game.wrongAttempt(), int(wrong.size()));
    world.clock.advance(10000);
    QCOMPARE(log.count(), 1);
    QVERIFY(!game.acceptingInput());
}

void TestRouteMemory::pressesAndFlashes()
{
    GameTestWorld world;
    RouteMemoryGame game;
    game.appear();
    const QList<int> steps = game.steps();
    world.clock.advance(walkMs(steps.size()));
    // Another button within 0.14 s takes the light; the first flash leaves it alone.
    game.tap(steps[0]);
    QCOMPARE(game.highlighted(), steps[0]);
    world.clock.advance(100);
    game.tap(steps[1]);
    QCOMPARE(game.highlighted(), steps[1]);
    world.clock.advance(40);
    QCOMPARE(game.highlighted(), steps[1]);
    world.clock.advance(100);
    QCOMPARE(game.highlighted(), -1);
    // A button that does not exist.
    game.tap(4);
    game.tap(-1);
    QCOMPARE(game.input().size(), 2);
}

void TestRouteMemory::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new RouteMemoryGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        world.clock.advance(walkMs(game->steps().size()));
        for (int step : game->steps())
            game->tap(step);
        if (r < 4)
            world.clock.advance(RouteMemoryGame::pauseMs);
    }
    world.clock.advance(500);
    delete game;
    world.clock.advance(160);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);

    // Gone during a walk: nothing touches the game.
    auto *walking = new RouteMemoryGame;
    walking->appear();
    world.clock.advance(600);
    delete walking;
    world.clock.advance(5000);
}

QTEST_MAIN(TestRouteMemory)
#include "tst_route_memory.moc"

#include "GameTestSupport.h"
#include "TrackingBallsGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
int walkMs(const TrackingBallsGame &game)
{
    return TrackingBallsGame::leadInMs + int(game.current().path.size()) * TrackingBallsGame::cellMs;
}
} // namespace

class TestTrackingBalls : public QObject
{
    Q_OBJECT
private slots:
    void routes();
    void walkAndReplay();
    void wholePlay_data();
    void wholePlay();
    void leavingDuringTheLastPause();
};

void TestTrackingBalls::routes()
{
    const QList<TrackingRoute> &all = TrackingRoute::all();
    QCOMPARE(all.size(), 8);
    QCOMPARE(all[2].path, (QList<int>{6, 3, 4, 5}));
    QCOMPARE(all[6].path, (QList<int>{8, 5, 2, 1}));
    QCOMPARE(all[7].path, (QList<int>{4, 3, 0}));
    for (const TrackingRoute &r : all) {
        for (int i = 1; i < r.path.size(); ++i) {
            const int a = r.path[i - 1], b = r.path[i];
            QCOMPARE(std::abs(a / 3 - b / 3) + std::abs(a % 3 - b % 3), 1);
        }
    }
}

void TestTrackingBalls::walkAndReplay()
{
    GameTestWorld world;
    TrackingBallsGame game;
    QCOMPARE(game.walkKey(), u"0-0-0"_s);
    QCOMPARE(game.counter(), u"第 1 / 5 关"_s);
    QVERIFY(game.feedbackGood());
    game.appear();
    QCOMPARE(game.walkKey(), u"5-0-0"_s);
    const QList<int> path = game.current().path;
    world.clock.advance(329);
    QCOMPARE(game.highlighted(), -1);
    for (int i = 0; i < path.size(); ++i) {
        world.clock.advance(i == 0 ? 1 : 360);
        QCOMPARE(game.highlighted(), path[i]);
        QCOMPARE(game.cellStates()[path[i]], int(TileState::Picked));
        game.choose(path.last()); // closed during the walk
        QVERIFY(!game.locked());
    }
    // A replay in the last step starts over from the lead-in; the grid stays closed.
    world.clock.advance(300);
    game.replay();
    QCOMPARE(game.walkKey(), u"5-0-1"_s);
    QCOMPARE(game.highlighted(), -1);
    world.clock.advance(60);
    QVERIFY(!game.accepting());
    world.clock.advance(walkMs(game) - 60 - 1);
    QVERIFY(!game.accepting());
    QCOMPARE(game.highlighted(), path.last());
    world.clock.advance(1);
    QVERIFY(game.accepting());
    QCOMPARE(game.highlighted(), -1);
    QVERIFY(!game.roundHadMistake()); // a replay costs nothing

    // A cell the ball passed through is wrong: hint, shake, closed; the walk comes back.
    game.choose(path[path.size() - 2]);
    QCOMPARE(game.feedback(), u"Oops，再看清黄球最后停在哪里"_s);
    QVERIFY(!game.feedbackGood());
    QCOMPARE(game.wrongAttempt(), 1);
    QVERIFY(!game.accepting());
    game.choose(path.last()); // not before the walk has been shown again
    QVERIFY(!game.locked());
    world.clock.advance(519);
    QCOMPARE(game.replayToken(), 1);
    world.clock.advance(1);
    QCOMPARE(game.walkKey(), u"5-0-2"_s);
    world.clock.advance(walkMs(game));
    QVERIFY(game.accepting());
    game.choose(path.last());
    QCOMPARE(game.feedback(), u"找对啦，黄球就在这里！"_s);
    QVERIFY(game.feedbackGood());
    QCOMPARE(game.cellStates()[path.last()], int(TileState::Right));
    QCOMPARE(game.firstTryCorrect(), 0);
    game.replay(); // closed while the round is won
    QCOMPARE(game.replayToken(), 2);
    world.clock.advance(720);
    QCOMPARE(game.round(), 1);
    QCOMPARE(game.walkKey(), u"5-1-2"_s);
    QCOMPARE(game.feedback(), u"先看黄球走路，停下后再点最后的位置"_s);
    QCOMPARE(game.cellStates(), QList<int>(9, TileState::Plain));
}

void TestTrackingBalls::wholePlay_data()
{
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << 0 << 100 << 3;
    QTest::newRow("two rounds missed") << 2 << 84 << 2;
    QTest::newRow("all missed") << 5 << 60 << 1;
}

void TestTrackingBalls::wholePlay()
{
    QFETCH(int, mistakes);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world(5);
    ReportLog log;
    TrackingBallsGame game;
    log.attach(game);
    game.appear();
    QCOMPARE(game.session().size(), 5);
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        world.clock.advance(walkMs(game));
        const QList<int> path = game.current().path;
        if (r < mistakes) {
            game.choose(path.first());
            world.clock.advance(TrackingBallsGame::replayMs + walkMs(game));
        }
        game.choose(path.last());
        world.clock.advance(TrackingBallsGame::pauseMs - 1);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"第 5 / 5 关"_s);
    QVERIFY(game.locked());
    game.replay();
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestTrackingBalls::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<TrackingBallsGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        world.clock.advance(walkMs(*game));
        game->choose(game->current().path.last());
        if (r < 4)
            world.clock.advance(TrackingBallsGame::pauseMs);
    }
    world.clock.advance(300);
    game.reset();
    world.clock.advance(TrackingBallsGame::pauseMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_GUILESS_MAIN(TestTrackingBalls)
#include "tst_tracking_balls.moc"

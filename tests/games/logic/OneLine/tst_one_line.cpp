#include "GameTestSupport.h"
#include "OneLineGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestOneLine : public QObject
{
    Q_OBJECT
private slots:
    void routes();
    void wholePlay_data();
    void wholePlay();
    void aBrokenLineStartsAgainFromTheStar();
    void leavingDuringTheLastPause();
};

void TestOneLine::routes()
{
    const QList<OneLinePattern> &all = OneLinePattern::all();
    QCOMPARE(all.size(), 8);
    QCOMPARE(all[0].name, u"小蛇弯弯"_s);
    QCOMPARE(all[0].route, (QList<int>{0, 1, 2, 5, 4, 3}));
    QCOMPARE(all[7].name, u"海边小径"_s);
    QCOMPARE(all[7].route, (QList<int>{2, 5, 8, 7, 4, 3, 0}));
    QList<qsizetype> lengths;
    for (const OneLinePattern &p : all) {
        lengths.append(p.route.size());
        // Each cell once, each step to a side neighbour.
        QCOMPARE(QSet<int>(p.route.cbegin(), p.route.cend()).size(), p.route.size());
        for (qsizetype s = 1; s < p.route.size(); ++s) {
            const int a = p.route[s - 1];
            const int b = p.route[s];
            QCOMPARE(std::abs(a / 3 - b / 3) + std::abs(a % 3 - b % 3), 1);
        }
    }
    QCOMPARE(lengths, (QList<qsizetype>{6, 7, 9, 9, 9, 6, 7, 7}));
}

void TestOneLine::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("one round missed") << QList<int>{2} << 92 << 3;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3, 4} << 60 << 1;
}

void TestOneLine::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    OneLineGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: the first route, taps ignored.
    QCOMPARE(game.name(), u"小蛇弯弯"_s);
    game.tap(0);
    QVERIFY(game.visited().isEmpty());
    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    game.appear();
    QCOMPARE(game.session(), session);

    for (int r = 0; r < 5; ++r) {
        const OneLinePattern &pattern = OneLinePattern::all()[session[r]];
        QCOMPARE(game.name(), pattern.name);
        QCOMPARE(game.route(), pattern.route);
        QCOMPARE(game.counter(), u"第 "_s + QString::number(r + 1) + u" / 5 图"_s);
        QCOMPARE(game.feedback(), u"从星星开始，一笔走过所有圆点"_s);
        QVERIFY(game.feedbackGood());
        QVERIFY(!game.roundHadMistake());
        if (missed.contains(r)) {
            // A first tap on any dot but the star breaks the line.
            game.tap(pattern.route[1]);
            QVERIFY(game.visited().isEmpty());
            QCOMPARE(game.feedback(), u"这条线断开啦，从星星重新试试"_s);
            QVERIFY(!game.feedbackGood());
        }
        for (qsizetype s = 0; s < pattern.route.size(); ++s) {
            game.tap(pattern.route[s]);
            QCOMPARE(game.visited(), pattern.route.first(s + 1));
            if (s + 1 < pattern.route.size()) {
                QCOMPARE(game.feedback(), u"连上啦，继续画"_s);
                QVERIFY(!game.feedbackGood());
            }
        }
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"一笔画完啦！"_s);
        QVERIFY(game.feedbackGood());
        game.tap(pattern.route[0]); // taps during the pause change nothing
        QCOMPARE(game.visited(), pattern.route);
        world.clock.advance(OneLineGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.round(), r + 1);
            QVERIFY(game.visited().isEmpty());
            QVERIFY(!game.locked());
        }
    }
    QCOMPARE(game.firstTryCorrect(), 5 - int(missed.size()));
    QCOMPARE(game.wrongAttempt(), int(missed.size()));
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"第 5 / 5 图"_s);
    QVERIFY(game.locked());
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestOneLine::aBrokenLineStartsAgainFromTheStar()
{
    GameTestWorld world;
    OneLineGame game;
    game.appear();
    const QList<int> route = game.route();
    game.tap(route[0]);
    game.tap(route[1]);
    game.tap(route[2]);
    // A cell off the route has no dot: nothing happens.
    for (int cell = -1; cell <= 9; ++cell) {
        if (!route.contains(cell))
            game.tap(cell);
    }
    QCOMPARE(game.visited(), route.first(3));
    QCOMPARE(game.wrongAttempt(), 0);
    // A lit dot again breaks the line.
    game.tap(route[1]);
    QVERIFY(game.visited().isEmpty());
    QCOMPARE(game.wrongAttempt(), 1);
    QVERIFY(game.roundHadMistake());
    // Starting again from the star finishes the round without first-try credit.
    for (int cell : route)
        game.tap(cell);
    QVERIFY(game.locked());
    QCOMPARE(game.firstTryCorrect(), 0);
    world.clock.advance(OneLineGame::pauseMs);
    QVERIFY(!game.roundHadMistake());
    QCOMPARE(game.feedback(), u"从星星开始，一笔走过所有圆点"_s);
}

void TestOneLine::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new OneLineGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        for (int cell : game->route())
            game->tap(cell);
        if (r < 4)
            world.clock.advance(OneLineGame::pauseMs);
    }
    world.clock.advance(300);
    delete game;
    world.clock.advance(380);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestOneLine)
#include "tst_one_line.moc"

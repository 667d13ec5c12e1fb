#include "GameTestSupport.h"
#include "MakeTenGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The positions of two tiles of the row that add up to ten (right) or do not (wrong).
QPair<int, int> findPair(const QList<int> &row, bool makesTen)
{
    for (int i = 0; i < row.size(); ++i) {
        for (int j = i + 1; j < row.size(); ++j) {
            if ((row[i] + row[j] == 10) == makesTen)
                return {i, j};
        }
    }
    return {-1, -1};
}

int tenPairs(const QList<int> &row)
{
    int pairs = 0;
    for (int i = 0; i < row.size(); ++i) {
        for (int j = i + 1; j < row.size(); ++j)
            pairs += row[i] + row[j] == 10;
    }
    return pairs;
}

} // namespace

class TestMakeTen : public QObject
{
    Q_OBJECT
private slots:
    void bankRows();
    void tapsBuildTheEquation();
    void wholePlay_data();
    void wholePlay();
    void wrongPairIsClearedAfterAMoment();
    void rightPairFoundWhileAWrongOneShowsStaysPicked();
    void reportSurvivesLeavingThePage();
};

void TestMakeTen::bankRows()
{
    const QList<QList<int>> &rows = MakeTenGame::rounds();
    QCOMPARE(rows.size(), 500);
    QCOMPARE(&rows, &MakeTenGame::rounds()); // built once

    QCOMPARE(rows[0], (QList<int>{1, 9, 7, 8, 9, 5}));
    QCOMPARE(rows[1], (QList<int>{8, 9, 9, 5, 8, 2}));
    QCOMPARE(rows[2], (QList<int>{2, 1, 1, 2, 3, 7}));
    QCOMPARE(rows[4], (QList<int>{9, 8, 5, 5, 4, 3}));
    QCOMPARE(rows[59], (QList<int>{6, 6, 4, 4, 4, 6}));
    QCOMPARE(rows[499], (QList<int>{5, 5, 6, 7, 9, 5}));

    int onePair = 0;
    int most = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QList<int> &row = rows[i];
        QCOMPARE(row.size(), 6);
        for (int n : row)
            QVERIFY(n >= 1 && n <= 9);
        // The planted pair: a at (6 - i mod 6) mod 6, its partner right after it.
        const int at = (6 - i % 6) % 6;
        QCOMPARE(row[at], i % 9 + 1);
        QCOMPARE(row[(at + 1) % 6], 10 - (i % 9 + 1));
        const int pairs = tenPairs(row);
        QVERIFY(pairs >= 1);
        onePair += pairs == 1;
        most = std::max(most, pairs);
    }
    QCOMPARE(onePair, 72);
    QCOMPARE(most, 9);
}

void TestMakeTen::tapsBuildTheEquation()
{
    GameTestWorld world;
    MakeTenGame game;
    // Before the page appears: row 0, no progress, no answers.
    QCOMPARE(game.numbers(), MakeTenGame::rounds()[0]);
    QCOMPARE(game.counter(), u"0/0"_s);
    game.select(0);
    QVERIFY(game.selected().isEmpty());

    game.appear();
    const QList<int> session = game.session();
    game.appear(); // coming back keeps the play's rows
    QCOMPARE(game.session(), session);
    QCOMPARE(game.counter(), u"1/5"_s);
    QCOMPARE(game.prompt(), u"第 1 题，选两个数字，让它们合起来等于十。"_s);
    QCOMPARE(game.feedback(), u"选两个数字，让它们合起来等于 10"_s);
    QVERIFY(game.feedbackGood());
    QCOMPARE(game.equation(), u"? + ? = 10"_s);

    const QList<int> row = game.numbers();
    QSignalSpy selection(&game, &MakeTenGame::selectionChanged);
    game.select(3);
    QCOMPARE(game.equation(), QString::number(row[3]) + u" + ? = 10"_s);
    // The same tile again unpicks it: never a pair with itself, no feedback.
    game.select(3);
    QVERIFY(game.selected().isEmpty());
    QCOMPARE(game.equation(), u"? + ? = 10"_s);
    QCOMPARE(selection.count(), 2);
    QCOMPARE(game.wrongAttempt(), 0);
    QCOMPARE(game.feedback(), u"选两个数字，让它们合起来等于 10"_s);
    // Positions outside the row are no tiles.
    game.select(6);
    game.select(-1);
    QVERIFY(game.selected().isEmpty());

    // Picked in tap order: the later tile stands second.
    const auto [i, j] = findPair(row, true);
    game.select(j);
    game.select(i);
    QCOMPARE(game.selected(), (QList<int>{j, i}));
    QCOMPARE(game.equation(), QString::number(row[j]) + u" + "_s + QString::number(row[i]) + u" = ?"_s);
    QVERIFY(game.locked());
}

void TestMakeTen::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("two rounds missed") << QList<int>{1, 3} << 84 << 2;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3, 4} << 60 << 1;
}

void TestMakeTen::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    MakeTenGame game;
    ReportLog log;
    log.attach(game);
    game.appear();

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        QCOMPARE(game.numbers(), MakeTenGame::rounds()[game.session()[r]]);
        QCOMPARE(game.prompt(), u"第 "_s + QString::number(r + 1) + u" 题，选两个数字，让它们合起来等于十。"_s);
        const QList<int> row = game.numbers();
        if (missed.contains(r)) {
            const auto [w1, w2] = findPair(row, false);
            QVERIFY(w1 >= 0);
            game.select(w1);
            game.select(w2);
            QCOMPARE(game.feedback(), u"这两个合起来是 "_s + QString::number(row[w1] + row[w2]) + u"，再试试"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
            world.clock.advance(MakeTenGame::clearMs);
        }
        const auto [a, b] = findPair(row, true);
        game.select(a);
        game.select(b);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"正好是 10，太棒啦！"_s);
        QVERIFY(game.feedbackGood());
        game.select(a); // taps during the pause are ignored
        QCOMPARE(game.selected().size(), 2);
        world.clock.advance(599);
        QCOMPARE(game.round(), r);
        QCOMPARE(game.counter(), QString::number(r + 1) + u"/5"_s);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.round(), r + 1);
            QVERIFY(!game.locked());
            QVERIFY(!game.roundHadMistake());
            QVERIFY(game.selected().isEmpty());
            QCOMPARE(game.feedback(), u"再找一对好朋友"_s);
            QVERIFY(!game.feedbackGood());
        }
    }
    QCOMPARE(game.firstTryCorrect(), 5 - int(missed.size()));
    QCOMPARE(game.wrongAttempt(), int(missed.size()));
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    // The play is over: locked, the praise stays, the counter stays on the last round.
    QVERIFY(game.locked());
    QCOMPARE(game.feedback(), u"正好是 10，太棒啦！"_s);
    QCOMPARE(game.counter(), u"5/5"_s);
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMakeTen::wrongPairIsClearedAfterAMoment()
{
    GameTestWorld world;
    MakeTenGame game;
    game.appear();
    const QList<int> row = game.numbers();
    const auto [w1, w2] = findPair(row, false);
    game.select(w1);
    game.select(w2);
    QCOMPARE(game.wrongAttempt(), 1);
    QVERIFY(game.roundHadMistake());
    QCOMPARE(game.equation(), QString::number(row[w1]) + u" + "_s + QString::number(row[w2]) + u" = ?"_s);
    // A third tile is ignored while the wrong pair shows.
    int third = 0;
    while (third == w1 || third == w2)
        ++third;
    game.select(third);
    QCOMPARE(game.selected(), (QList<int>{w1, w2}));
    world.clock.advance(449);
    QCOMPARE(game.selected().size(), 2);
    world.clock.advance(1);
    QVERIFY(game.selected().isEmpty());
    QCOMPARE(game.equation(), u"? + ? = 10"_s);
    // The hint stays until the next change; the round is no longer a first try.
    QCOMPARE(game.feedback(), u"这两个合起来是 "_s + QString::number(row[w1] + row[w2]) + u"，再试试"_s);
    const auto [a, b] = findPair(row, true);
    game.select(a);
    game.select(b);
    QCOMPARE(game.firstTryCorrect(), 0);

    // A tile picked after unpicking one of a wrong pair goes with the clearing.
    world.clock.advance(600);
    const QList<int> next = game.numbers();
    const auto [x1, x2] = findPair(next, false);
    game.select(x1);
    game.select(x2);
    game.select(x2);
    QCOMPARE(game.selected(), QList<int>{x1});
    world.clock.advance(450);
    QVERIFY(game.selected().isEmpty());
    QCOMPARE(game.wrongAttempt(), 2);
}

void TestMakeTen::rightPairFoundWhileAWrongOneShowsStaysPicked()
{
    GameTestWorld world;
    MakeTenGame game;
    game.appear();
    const QList<int> row = game.numbers();
    const auto [a, b] = findPair(row, true);
    // A wrong pair holding a: a with a tile that is not its partner.
    int other = -1;
    for (int k = 0; k < row.size() && other < 0; ++k) {
        if (k != a && row[a] + row[k] != 10)
            other = k;
    }
    QVERIFY(other >= 0);
    game.select(a);
    game.select(other);
    game.select(other); // unpick the wrong tile, then find the partner
    game.select(b);
    QVERIFY(game.locked());
    QCOMPARE(game.feedback(), u"正好是 10，太棒啦！"_s);
    world.clock.advance(450);
    // The right pair stays shown through its pause, and the round moves on.
    QCOMPARE(game.selected(), (QList<int>{a, b}));
    QCOMPARE(game.firstTryCorrect(), 0);
    world.clock.advance(150);
    QCOMPARE(game.round(), 1);
    QVERIFY(game.selected().isEmpty());
}

void TestMakeTen::reportSurvivesLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new MakeTenGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        const QList<int> row = game->numbers();
        if (r == 4) {
            // A wrong pair whose clearing is still pending when the page goes.
            const auto [w1, w2] = findPair(row, false);
            game->select(w1);
            game->select(w2);
            game->select(w2);
            game->select(w1);
        }
        const auto [a, b] = findPair(row, true);
        game->select(a);
        game->select(b);
        if (r < 4)
            world.clock.advance(600);
    }
    world.clock.advance(100);
    delete game;
    world.clock.advance(500);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestMakeTen)
#include "tst_make_ten.moc"

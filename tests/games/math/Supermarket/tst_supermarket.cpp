#include "GameTestSupport.h"
#include "SupermarketGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

int wrongTotal(const SupermarketGame &game)
{
    for (int c : game.choices()) {
        if (c != game.task().total())
            return c;
    }
    return -1;
}

} // namespace

class TestSupermarket : public QObject
{
    Q_OBJECT
private slots:
    void bankRows();
    void wholePlay_data();
    void wholePlay();
    void reportSurvivesLeavingThePage();
};

void TestSupermarket::bankRows()
{
    const QList<ShoppingTask> &all = ShoppingTask::all();
    QCOMPARE(all.size(), 500);
    QCOMPARE(&all, &ShoppingTask::all()); // built once
    QCOMPARE(ShoppingTask::items().size(), 12);

    struct Row { int i; QString first; int firstPrice; QString second; int secondPrice; QList<int> choices; };
    const QList<Row> rows{
        {0, u"🍎"_s, 1, u"🥛"_s, 1, {1, 2, 3}},
        {1, u"🥛"_s, 2, u"🍰"_s, 1, {3, 5, 2}},
        {2, u"🍞"_s, 3, u"🧀"_s, 1, {5, 3, 4}},
        {19, u"🥚"_s, 20, u"🍎"_s, 1, {21, 23, 20}},
        {399, u"🍓"_s, 20, u"🧃"_s, 20, {39, 40, 42}},
        {400, u"🧃"_s, 1, u"🍊"_s, 1, {2, 3, 1}},
        {499, u"🥚"_s, 20, u"🍎"_s, 5, {25, 27, 24}},
    };
    for (const Row &row : rows) {
        const ShoppingTask &task = all[row.i];
        QCOMPARE(task.first, row.first);
        QCOMPARE(task.firstPrice, row.firstPrice);
        QCOMPARE(task.second, row.second);
        QCOMPARE(task.secondPrice, row.secondPrice);
        QCOMPARE(task.choices, row.choices);
    }

    for (int i = 0; i < all.size(); ++i) {
        const ShoppingTask &task = all[i];
        QVERIFY(task.first != task.second);
        QVERIFY(task.firstPrice >= 1 && task.firstPrice <= 20);
        QVERIFY(task.secondPrice >= 1 && task.secondPrice <= 20);
        QCOMPARE(task.choices.size(), 3);
        QCOMPARE(QSet<int>(task.choices.begin(), task.choices.end()).size(), 3);
        // The right total: second, first or third as i mod 3 is 0, 1 or 2.
        QCOMPARE(task.choices.indexOf(task.total()), (QList<int>{1, 0, 2})[i % 3]);
        for (int c : task.choices)
            QVERIFY(c >= 1);
    }
    // Tasks 400 to 499 repeat the second prices of tasks 0 to 99.
    QCOMPARE(all[450].secondPrice, all[50].secondPrice);
}

void TestSupermarket::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("two rounds missed") << QList<int>{0, 4} << 84 << 2;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3, 4} << 60 << 1;
}

void TestSupermarket::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    SupermarketGame game;
    ReportLog log;
    log.attach(game);

    // Before the page appears: task 0, no progress, no answers.
    QCOMPARE(game.counter(), u"0/0"_s);
    QCOMPARE(game.prompt(), u"第 1 题，1 元加 1 元，一共多少钱？"_s);
    game.choose(2);
    QVERIFY(!game.locked());
    QCOMPARE(game.feedback(), u"算一算购物篮里一共多少钱"_s);
    QVERIFY(game.feedbackGood());

    game.appear();
    const QList<int> session = game.session();
    game.appear();
    QCOMPARE(game.session(), session);
    QCOMPARE(session.size(), 5);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        const ShoppingTask &task = ShoppingTask::all()[session[r]];
        QCOMPARE(game.first(), task.first);
        QCOMPARE(game.choices(), task.choices);
        QCOMPARE(game.counter(), QString::number(r + 1) + u"/5"_s);
        QCOMPARE(game.prompt(), u"第 "_s + QString::number(r + 1) + u" 题，"_s + QString::number(task.firstPrice)
                     + u" 元加 "_s + QString::number(task.secondPrice) + u" 元，一共多少钱？"_s);
        if (missed.contains(r)) {
            const int before = game.wrongAttempt();
            game.choose(wrongTotal(game));
            game.choose(task.total() + 100); // a total on no button is as wrong
            QCOMPARE(game.wrongAttempt(), before + 2);
            QCOMPARE(game.feedback(), u"把 "_s + QString::number(task.firstPrice) + u" 和 "_s
                         + QString::number(task.secondPrice) + u" 再加一次"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
        }
        game.choose(task.total());
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"算对啦，可以结账！"_s);
        QVERIFY(game.feedbackGood());
        const int counted = game.firstTryCorrect();
        game.choose(task.total()); // ignored during the pause
        QCOMPARE(game.firstTryCorrect(), counted);
        world.clock.advance(599);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.round(), r + 1);
            QVERIFY(!game.locked());
            QVERIFY(!game.roundHadMistake());
            QCOMPARE(game.feedback(), u"看看新的购物篮"_s);
            QVERIFY(!game.feedbackGood());
        }
    }
    QCOMPARE(game.firstTryCorrect(), 5 - int(missed.size()));
    QCOMPARE(game.wrongAttempt(), 2 * int(missed.size()));
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QVERIFY(game.locked());
    QCOMPARE(game.feedback(), u"算对啦，可以结账！"_s);
    QCOMPARE(game.counter(), u"5/5"_s);
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestSupermarket::reportSurvivesLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new SupermarketGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        if (r == 2)
            game->choose(wrongTotal(*game));
        game->choose(game->task().total());
        if (r < 4)
            world.clock.advance(600);
    }
    world.clock.advance(300);
    delete game;
    world.clock.advance(300);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestSupermarket)
#include "tst_supermarket.moc"

// The clock game played through its C++ class on the manual clock: its table, the
// painted hands' angles, whole plays, leaving during the last pause.

#include "ClockFace.h"
#include "ClockMasterGame.h"
#include "GameTestSupport.h"

#include <QtTest>

#include <numbers>

using namespace Qt::StringLiterals;

class TestClockMaster : public QObject
{
    Q_OBJECT
private slots:
    void clockTable();
    void clockHands();
    void clockWholePlay();
    void clockMistakesAndLeavingThePage();
};

void TestClockMaster::clockTable()
{
    const QList<ClockQuestion> &all = ClockQuestion::all();
    QCOMPARE(all.size(), 8);
    const QStringList answers{u"3:00"_s, u"7:30"_s, u"9:00"_s, u"1:30"_s, u"5:00"_s, u"10:30"_s, u"12:00"_s, u"4:30"_s};
    for (int i = 0; i < all.size(); ++i) {
        QCOMPARE(all[i].answer, answers[i]);
        QCOMPARE(all[i].choices.size(), 3);
        QCOMPARE(all[i].choices[1], all[i].answer); // always the middle one
        QCOMPARE(all[i].answer, u"%1:%2"_s.arg(all[i].hour).arg(all[i].minute, 2, 10, QChar(u'0')));
    }
    QCOMPARE(all[1].choices, (QStringList{u"7:00"_s, u"7:30"_s, u"8:30"_s}));
    QCOMPARE(all[3].choices, (QStringList{u"12:30"_s, u"1:30"_s, u"2:30"_s}));
    QCOMPARE(all[6].choices, (QStringList{u"11:00"_s, u"12:00"_s, u"1:00"_s}));
    QCOMPARE(all[7].choices, (QStringList{u"3:30"_s, u"4:30"_s, u"5:30"_s}));
}

void TestClockMaster::clockHands()
{
    constexpr double pi = std::numbers::pi;
    const auto same = [](double a, double b) { return std::abs(a - b) < 1e-9; };
    // 12:00: both hands straight up.
    QVERIFY(same(ClockFace::hourAngle(12, 0), -pi / 2));
    QVERIFY(same(ClockFace::minuteAngle(0), -pi / 2));
    // 7:30: the minute hand straight down, the hour hand halfway between 7 and 8.
    QVERIFY(same(ClockFace::minuteAngle(30), pi / 2));
    QVERIFY(same(ClockFace::hourAngle(7, 30), (ClockFace::markAngle(7) + ClockFace::markAngle(8)) / 2));
    // 4:30 halfway between 4 and 5; 3:00 pointing right.
    QVERIFY(same(ClockFace::hourAngle(4, 30), (ClockFace::markAngle(4) + ClockFace::markAngle(5)) / 2));
    QVERIFY(same(ClockFace::hourAngle(3, 0), 0));
    const QPointF tip = ClockFace::pointAt(QPointF(114, 114), ClockFace::minuteAngle(30), 70);
    QVERIFY(std::abs(tip.x() - 114) < 1e-9 && std::abs(tip.y() - 184) < 1e-9); // y grows downwards
}

void TestClockMaster::clockWholePlay()
{
    GameTestWorld world;
    ClockMasterGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: the first clock, question 1, taking no answer.
    QCOMPARE(game.current().answer, u"3:00"_s);
    QCOMPARE(game.counter(), u"第 1 / 5 题"_s);
    game.choose(u"3:00"_s);
    QVERIFY(!game.locked());
    QVERIFY(game.selected().isNull());

    game.appear();
    QCOMPARE(game.session().size(), 5);
    QCOMPARE(game.feedback(), u"看看长针和短针，选出正确时间"_s);
    QVERIFY(game.feedbackGood());
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 5 题"_s.arg(r + 1));
        QCOMPARE(game.prompt(), u"第 %1 题，看指针，选出正确的时间。"_s.arg(r + 1));
        QCOMPARE(game.tileStates(), (QList<int>{TileState::Plain, TileState::Plain, TileState::Plain}));
        const QString answer = game.current().answer;
        game.choose(answer);
        QCOMPARE(game.feedback(), u"答对啦，就是 "_s + answer + u"！"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.tileStates(), (QList<int>{TileState::Plain, TileState::Right, TileState::Plain}));
        game.choose(game.current().choices[0]); // during the pause: nothing, not even the selection
        QCOMPARE(game.selected(), answer);
        world.clock.advance(679);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // Finished on the last question; the header stops at 5.
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"第 5 / 5 题"_s);
}

void TestClockMaster::clockMistakesAndLeavingThePage()
{
    GameTestWorld world(5);
    ReportLog log;
    auto *game = new ClockMasterGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        const QStringList choices = game->current().choices;
        if (r == 1 || r == 2) {
            game->choose(choices[0]);
            QCOMPARE(game->feedback(), u"Oops，再看看长针指向哪里"_s);
            QVERIFY(!game->feedbackGood());
            QCOMPARE(game->tileStates(), (QList<int>{TileState::Picked, TileState::Plain, TileState::Plain}));
            game->choose(choices[2]);
            QCOMPARE(game->tileStates(), (QList<int>{TileState::Plain, TileState::Plain, TileState::Picked}));
            QVERIFY(!game->locked());
        }
        game->choose(choices[1]);
        QCOMPARE(game->tileStates(), (QList<int>{TileState::Plain, TileState::Right, TileState::Plain}));
        if (r < 4) {
            world.clock.advance(680);
            QVERIFY(game->selected().isNull());
            QVERIFY(!game->roundHadMistake());
        }
    }
    QCOMPARE(game->wrongAttempt(), 4);
    QCOMPARE(game->firstTryCorrect(), 3);
    delete game; // the child leaves during the last pause
    world.clock.advance(680);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

QTEST_MAIN(TestClockMaster)
#include "tst_clock_master.moc"

#include "ClockFace.h"
#include "ClockMasterGame.h"
#include "GameTestSupport.h"
#include "NumberSliderGame.h"
#include "SliderSolver.h"

#include <QtTest>

#include <numbers>

using namespace Qt::StringLiterals;

class TestSliderAndClock : public QObject
{
    Q_OBJECT
private slots:
    void sliderBoards();
    void sliderTapRules();
    void sliderWholePlay();
    void sliderReportSurvivesLeavingThePage();
    void clockTable();
    void clockHands();
    void clockWholePlay();
    void clockMistakesAndLeavingThePage();
};

void TestSliderAndClock::sliderBoards()
{
    const QList<NumberSliderLevel> &all = NumberSliderLevel::all();
    QCOMPARE(all.size(), 8);
    QCOMPARE(all[0].name, u"两步热身"_s);
    QCOMPARE(all[0].board, (QList<int>{1, 2, 3, 4, 5, 6, 0, 7, 8}));
    QCOMPARE(all[1].name, u"小弯道"_s);
    QCOMPARE(all[7].name, u"最后冲刺"_s);
    QCOMPARE(all[7].board, (QList<int>{0, 1, 2, 5, 6, 3, 4, 7, 8}));
    // Every board is solvable, in the stated fewest moves.
    const QList<int> fewest{2, 1, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < all.size(); ++i) {
        QList<int> sorted = all[i].board;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(solveSlider(all[i].board).size(), fewest[i]);
    }
}

void TestSliderAndClock::sliderTapRules()
{
    // Neighbours share a side on the grid, not merely in the list.
    QVERIFY(NumberSliderGame::sharesSide(3, 0));
    QVERIFY(NumberSliderGame::sharesSide(4, 5));
    QVERIFY(!NumberSliderGame::sharesSide(2, 3));
    QVERIFY(!NumberSliderGame::sharesSide(5, 6));
    QVERIFY(!NumberSliderGame::sharesSide(4, 8)); // diagonal
    QVERIFY(!NumberSliderGame::sharesSide(6, 6)); // the blank itself

    GameTestWorld world;
    NumberSliderGame game;
    ReportLog log;
    log.attach(game);
    QVERIFY(game.board().isEmpty()); // no cells before the page appears
    QCOMPARE(game.levelName(), u"两步热身"_s);
    QCOMPARE(game.counter(), u"第 1 / 5 关 · 0 步"_s);
    game.move(0);
    QCOMPARE(game.wrongAttempt(), 0);

    game.appear();
    QCOMPARE(game.session().size(), 5);
    QCOMPARE(game.board(), NumberSliderLevel::all()[game.questionIndex()].board);
    const QList<int> board = game.board();
    const int blank = int(board.indexOf(0));
    // The blank itself, a diagonal cell and a cell beside it only in the list.
    int diagonal = -1;
    for (int c = 0; c < 9; ++c) {
        if (qAbs(c / 3 - blank / 3) == 1 && qAbs(c % 3 - blank % 3) == 1)
            diagonal = c;
    }
    game.move(blank);
    game.move(diagonal);
    QCOMPARE(game.board(), board);
    QCOMPARE(game.moves(), 0);
    QCOMPARE(game.wrongAttempt(), 2);
    QCOMPARE(game.feedback(), u"Oops，只能移动空格旁边的数字"_s);
    QVERIFY(!game.feedbackGood());
    QVERIFY(game.roundHadMistake());

    // A legal move that does not solve the board: hint style, no sound, no mistake undone.
    const int wanderer = blank % 3 != 0 ? blank - 1 : blank + 1;
    game.move(wanderer);
    QCOMPARE(game.moves(), 1);
    QCOMPARE(game.board()[blank], board[wanderer]);
    QCOMPARE(game.board()[wanderer], 0);
    if (game.board() != NumberSliderGame::solved()) {
        QCOMPARE(game.feedback(), u"很好，继续让数字回到家"_s);
        QVERIFY(!game.feedbackGood());
    }
    QVERIFY(game.roundHadMistake());
    QVERIFY(game.counter().endsWith(u"1 步"_s));
    game.move(9);  // outside the board: nothing
    game.move(-1);
    QCOMPARE(game.moves(), 1);
    QCOMPARE(game.wrongAttempt(), 2);
}

void TestSliderAndClock::sliderWholePlay()
{
    GameTestWorld world;
    NumberSliderGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    const QList<int> session = game.session();
    game.appear(); // shown again: the session and the board stay
    QCOMPARE(game.session(), session);
    QCOMPARE(game.feedback(), u"点空格旁边的数字，让它们排成 1 到 8"_s);
    QVERIFY(game.feedbackGood());

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        QCOMPARE(game.moves(), 0);
        QCOMPARE(game.levelName(), NumberSliderLevel::all()[session[r]].name);
        QCOMPARE(game.counter(), u"第 %1 / 5 关 · 0 步"_s.arg(r + 1));
        if (r == 2) {
            const int blank = int(game.board().indexOf(0));
            game.move(blank); // the blank's own cell is an illegal tap
        }
        const QList<int> taps = solveSlider(game.board());
        for (int tap : taps)
            game.move(tap);
        QCOMPARE(game.board(), NumberSliderGame::solved());
        QCOMPARE(game.moves(), taps.size());
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"数字排好队啦！"_s);
        QVERIFY(game.feedbackGood());
        game.move(taps.isEmpty() ? 7 : taps.last()); // during the pause: nothing
        QCOMPARE(game.moves(), taps.size());
        world.clock.advance(759);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QVERIFY(!game.locked());
            QCOMPARE(game.feedback(), u"点空格旁边的数字，让它们排成 1 到 8"_s);
            QVERIFY(!game.roundHadMistake());
        }
    }
    QCOMPARE(game.firstTryCorrect(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
    // The last board stays solved and locked.
    QCOMPARE(game.board(), NumberSliderGame::solved());
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"第 5 / 5 关 · %1 步"_s.arg(game.moves()));
}

void TestSliderAndClock::sliderReportSurvivesLeavingThePage()
{
    GameTestWorld world(3);
    ReportLog log;
    auto *game = new NumberSliderGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        if (r == 0 || r == 4) {
            const QList<int> board = game->board();
            const int blank = int(board.indexOf(0));
            game->move(blank);
        }
        for (int tap : solveSlider(game->board()))
            game->move(tap);
        if (r < 4)
            world.clock.advance(760);
    }
    delete game;
    world.clock.advance(760);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestSliderAndClock::clockTable()
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

void TestSliderAndClock::clockHands()
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

void TestSliderAndClock::clockWholePlay()
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

void TestSliderAndClock::clockMistakesAndLeavingThePage()
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

QTEST_MAIN(TestSliderAndClock)
#include "tst_slider_and_clock.moc"

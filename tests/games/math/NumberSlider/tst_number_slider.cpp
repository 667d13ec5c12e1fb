// The number slider played through its C++ class on the manual clock: every board
// solved in its fewest moves, the tap rules, whole plays, leaving during the last pause.

#include "GameTestSupport.h"
#include "NumberSliderGame.h"
#include "SliderSolver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestNumberSlider : public QObject
{
    Q_OBJECT
private slots:
    void sliderBoards();
    void sliderTapRules();
    void sliderWholePlay();
    void sliderReportSurvivesLeavingThePage();
};

void TestNumberSlider::sliderBoards()
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

void TestNumberSlider::sliderTapRules()
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

void TestNumberSlider::sliderWholePlay()
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

void TestNumberSlider::sliderReportSurvivesLeavingThePage()
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

QTEST_MAIN(TestNumberSlider)
#include "tst_number_slider.moc"

#include "GameTestSupport.h"
#include "KidSudokuGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// An animal that does not belong in `cell`.
QString wrongFor(int cell)
{
    const QString right = KidSudokuGame::sudokuSolution()[cell];
    return right == u"🐶"_s ? u"🐱"_s : u"🐶"_s;
}
} // namespace

class TestKidSudoku : public QObject
{
    Q_OBJECT
private slots:
    void board();
    void wholePlay_data();
    void wholePlay();
    void cellsAndSelection();
    void leavingDuringTheLastPause();
};

void TestKidSudoku::board()
{
    const QStringList &s = KidSudokuGame::sudokuSolution();
    QCOMPARE(s.size(), 16);
    QCOMPARE(s.mid(0, 4), (QStringList{u"🐶"_s, u"🐱"_s, u"🐰"_s, u"🐼"_s}));
    QCOMPARE(s.mid(12, 4), (QStringList{u"🐼"_s, u"🐰"_s, u"🐱"_s, u"🐶"_s}));
    // Every row, column and quarter holds each animal once.
    for (int i = 0; i < 4; ++i) {
        QSet<QString> row, column, quarter;
        for (int j = 0; j < 4; ++j) {
            row.insert(s[4 * i + j]);
            column.insert(s[4 * j + i]);
            quarter.insert(s[4 * (2 * (i / 2) + j / 2) + 2 * (i % 2) + j % 2]);
        }
        QCOMPARE(row.size(), 4);
        QCOMPARE(column.size(), 4);
        QCOMPARE(quarter.size(), 4);
    }
    QCOMPARE(KidSudokuGame::sudokuBlanks(), (QSet<int>{1, 4, 10, 15}));
    KidSudokuGame game;
    QCOMPARE(game.board()[1], QString());
    QCOMPARE(game.board()[0], u"🐶"_s);
    QCOMPARE(game.selected(), 1);
    QCOMPARE(game.counter(), u"还差 4 格"_s);
    QCOMPARE(game.line().text(), u"每行每列都要有四种动物"_s);
    QVERIFY(!game.line().good());
}

void TestKidSudoku::wholePlay_data()
{
    QTest::addColumn<int>("mistakenCells");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("no mistake") << 0 << 100 << 3;
    QTest::newRow("one cell") << 1 << 90 << 3;
    QTest::newRow("two cells") << 2 << 80 << 2;
    QTest::newRow("three cells") << 3 << 70 << 1;
    QTest::newRow("every cell") << 4 << 60 << 1;
}

void TestKidSudoku::wholePlay()
{
    QFETCH(int, mistakenCells);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    KidSudokuGame game;
    ReportLog log;
    log.attach(game);
    const QList<int> blanks{1, 4, 10, 15};
    int shakes = 0;
    for (int b = 0; b < 4; ++b) {
        const int cell = blanks[b];
        QCOMPARE(game.selected(), cell);
        if (b < mistakenCells) {
            // Two wrong animals in one cell: two shakes, one mistaken cell.
            for (int attempt = 0; attempt < 2; ++attempt) {
                game.place(wrongFor(cell));
                QCOMPARE(game.line().shakes(), ++shakes);
                QCOMPARE(game.line().text(), u"看看这一行里是不是已经有它了"_s);
                QVERIFY(!game.line().good());
                QCOMPARE(game.board()[cell], QString());
                QCOMPARE(game.selected(), cell);
                QCOMPARE(game.counter(), u"还差 "_s + QString::number(4 - b) + u" 格"_s);
            }
        }
        game.place(KidSudokuGame::sudokuSolution()[cell]);
        QCOMPARE(game.board()[cell], KidSudokuGame::sudokuSolution()[cell]);
        QCOMPARE(game.counter(), u"还差 "_s + QString::number(3 - b) + u" 格"_s);
        if (b < 3) {
            QCOMPARE(game.line().text(), u"放对啦！"_s);
            QVERIFY(game.line().good());
        }
    }
    QCOMPARE(game.mistaken().size(), mistakenCells);
    QVERIFY(game.locked());
    QCOMPARE(game.line().text(), u"四行四列都完成啦！"_s);
    QVERIFY(game.line().good());
    QCOMPARE(game.board(), KidSudokuGame::sudokuSolution());
    world.clock.advance(KidSudokuGame::reportMs - 1);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestKidSudoku::cellsAndSelection()
{
    GameTestWorld world;
    KidSudokuGame game;
    // A filled cell, given or placed, cannot be chosen; nor a cell off the board.
    game.chooseCell(0);
    game.chooseCell(16);
    game.chooseCell(-1);
    QCOMPARE(game.selected(), 1);
    // The last blank first: the selection then goes to the lowest empty cell.
    game.chooseCell(15);
    QCOMPARE(game.selected(), 15);
    game.place(u"🐶"_s);
    QCOMPARE(game.selected(), 1);
    game.chooseCell(15);
    QCOMPARE(game.selected(), 1);
    // Something that is no animal of the board is no answer.
    game.place(u"🦊"_s);
    QCOMPARE(game.line().shakes(), 0);
    game.place(u"🐱"_s);
    game.place(u"🐰"_s);
    game.place(u"🐼"_s);
    QVERIFY(game.locked());
    QCOMPARE(game.selected(), 10); // the last filled cell keeps its rim
    // A full board takes nothing more.
    game.chooseCell(1);
    game.place(u"🐶"_s);
    QCOMPARE(game.selected(), 10);
    QCOMPARE(game.line().shakes(), 0);
}

void TestKidSudoku::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new KidSudokuGame;
    log.attach(*game);
    game->place(wrongFor(1));
    for (int cell : {1, 4, 10, 15})
        game->place(KidSudokuGame::sudokuSolution()[cell]);
    world.clock.advance(600);
    delete game;
    world.clock.advance(100);
    QCOMPARE(log.only(), (ReportLog::Report{90, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestKidSudoku)
#include "tst_kid_sudoku.moc"

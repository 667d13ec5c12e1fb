#include "GameTestSupport.h"
#include "MazeFloor.h"
#include "MazeGame.h"
#include "Patience.h"

#include <QQueue>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Cells = QList<QList<quint8>>;

MazeDirection directionOf(QChar c)
{
    switch (c.unicode()) {
    case 'U': return MazeDirection::Up;
    case 'R': return MazeDirection::Right;
    case 'D': return MazeDirection::Down;
    default: return MazeDirection::Left;
    }
}

// A grid with walls only along its border.
MazeGrid openField(int rows, int columns)
{
    MazeGrid grid{rows, columns, Cells(rows, QList<quint8>(columns, 0))};
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            quint8 &cell = grid.cells[r][c];
            cell |= (r == 0 ? 1 : 0) | (c == columns - 1 ? 2 : 0) | (r == rows - 1 ? 4 : 0) | (c == 0 ? 8 : 0);
        }
    }
    return grid;
}

// The fewest steps the items of the forest maze allow: 65.
const QString fewest = u"DRDDLDRDDRURDRURUULULLURURRDDRDDRUURRUURRDDLUDDRDDLDLULURUDLDRDRR"_s;
// Straight to the chest (51 steps, found locked), then back for the last key and both
// monsters (28 more).
const QString chestFirst = u"DRDDLDRDDRURDRURUULULLURURRDDRDDRUURRUURRDDLDRDDLDR"_s;
const QString fromTheChest = u"LURUULUUDDRDDLDLULURUDLDRDRR"_s;

// A floor that counts its paintings.
class CountedFloor : public MazeFloor
{
public:
    using MazeFloor::MazeFloor;
    void paint(QPainter *painter) override
    {
        ++paints;
        MazeFloor::paint(painter);
    }
    int paints = 0;
};

} // namespace

class TestMazeGame : public QObject
{
    Q_OBJECT
private slots:
    void workedGrids();
    void perfectMazes();
    void scoreTable();
    void playedToTheChest_data();
    void playedToTheChest();
    void monstersNeedTheBubble();
    void leavingDuringTheFinalWait();
    void floorRepaintedInParts();
};

void TestMazeGame::workedGrids()
{
    for (quint64 seed : {0ULL, 42ULL, ~0ULL})
        QCOMPARE(MazeGrid::generate(1, 1, seed).cells, (Cells{{15}}));
    QCOMPARE(MazeGrid::generate(1, 2, 0).cells, (Cells{{13, 7}}));
    QCOMPARE(MazeGrid::generate(2, 2, 0).cells, (Cells{{11, 11}, {12, 6}}));
    const MazeGrid game = MazeGrid::generate(7, 12, 42);
    QCOMPARE(game.rows, 7);
    QCOMPARE(game.columns, 12);
    QCOMPARE(game.cells, (Cells{{11, 13, 5, 1, 5, 3, 9, 3, 9, 1, 5, 3},
                                {12, 3, 9, 6, 13, 2, 14, 12, 6, 10, 11, 10},
                                {11, 10, 8, 5, 3, 12, 3, 9, 5, 6, 8, 6},
                                {8, 6, 12, 3, 12, 3, 10, 10, 13, 3, 12, 3},
                                {12, 3, 13, 4, 7, 10, 12, 6, 9, 4, 7, 10},
                                {11, 10, 9, 3, 9, 6, 9, 5, 4, 3, 9, 6},
                                {12, 4, 6, 12, 6, 13, 4, 5, 7, 12, 4, 7}}));
    QCOMPARE(MazeGame().maze().cells, game.cells);

    // No cells without a size; a negative size is no size.
    QVERIFY(MazeGrid::generate(0, 5, 1).flatWalls().isEmpty());
    QVERIFY(MazeGrid::generate(5, 0, 1).flatWalls().isEmpty());
    const MazeGrid negative = MazeGrid::generate(-3, 4, 1);
    QCOMPARE(negative.rows, 0);
    QVERIFY(negative.cells.isEmpty());
    QVERIFY(MazeGrid::generate(3, -4, 1).flatWalls().isEmpty());
    QVERIFY(!negative.canMove({0, 0}, MazeDirection::Right));
}

void TestMazeGame::perfectMazes()
{
    for (quint64 seed : {0ULL, 1ULL, 42ULL, 0x8000000000000000ULL, ~0ULL}) {
        for (int rows = 1; rows <= 13; rows += 2) {
            for (int columns = 1; columns <= 16; columns += 3) {
                const MazeGrid grid = MazeGrid::generate(rows, columns, seed);
                QCOMPARE(MazeGrid::generate(rows, columns, seed).cells, grid.cells);
                QCOMPARE(grid.cells.size(), rows);
                int open = 0;
                for (int r = 0; r < rows; ++r) {
                    QCOMPARE(grid.cells[r].size(), columns);
                    for (int c = 0; c < columns; ++c) {
                        const quint8 cell = grid.cells[r][c];
                        QCOMPARE(cell & 0xF0, 0);
                        for (MazeDirection d : MazeSteps::all) {
                            const MazePoint n = MazeSteps::step({r, c}, d);
                            const bool wall = cell & MazeSteps::wallBit(d);
                            if (!grid.contains(n)) {
                                QVERIFY2(wall, "the border stays closed");
                                continue;
                            }
                            QCOMPARE(bool(grid.cells[n.row][n.column] & MazeSteps::facingBit(d)), wall);
                            QCOMPARE(grid.canMove({r, c}, d), !wall);
                            open += wall ? 0 : 1;
                        }
                    }
                }
                QCOMPARE(open / 2, rows * columns - 1);
                // Every cell reachable from the top left one.
                QSet<MazePoint> seen{{0, 0}};
                QQueue<MazePoint> queue;
                queue.enqueue({0, 0});
                while (!queue.isEmpty()) {
                    const MazePoint p = queue.dequeue();
                    for (MazeDirection d : MazeSteps::all) {
                        const MazePoint n = MazeSteps::step(p, d);
                        if (grid.canMove(p, d) && !seen.contains(n)) {
                            seen.insert(n);
                            queue.enqueue(n);
                        }
                    }
                }
                QCOMPARE(seen.size(), rows * columns);
            }
        }
    }
}

void TestMazeGame::scoreTable()
{
    // One point a step beyond 35 steps, never below 62; three stars from 82.
    const QList<QPair<int, int>> table{{0, 100}, {35, 100}, {36, 99}, {53, 82}, {54, 81},
                                       {65, 70}, {72, 63}, {73, 62}, {74, 62}, {500, 62}};
    for (const auto &[moves, score] : table)
        QCOMPARE(MazeGame::scoreFor(moves, 7, 12), score);
    QCOMPARE(MazeGame::starsFor(82), 3);
    QCOMPARE(MazeGame::starsFor(81), 2);
    QCOMPARE(MazeGame::starsFor(62), 2);
    QCOMPARE(MazeGame::scoreFor(20, 2, 2), 100 - 0);
    QCOMPARE(MazeGame::scoreFor(21, 2, 2), 99);
}

void TestMazeGame::playedToTheChest_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("lockedChest");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("fewest steps") << fewest << 0 << 70 << 2;
    // Two hedge bumps at the start and a step back and forth: the bumps cost nothing.
    QTest::newRow("bumps and a detour") << (u"UL"_s + u"DU"_s + fewest) << 0 << 68 << 2;
    QTest::newRow("chest first") << (chestFirst + fromTheChest) << 1 << 62 << 2;
}

void TestMazeGame::playedToTheChest()
{
    QFETCH(QString, route);
    QFETCH(int, lockedChest);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    MazeGame game;
    ReportLog log;
    log.attach(game);
    QCOMPARE(game.feedback(), u"先找三把钥匙和魔法泡泡，再击退两个捣蛋怪。"_s);
    QVERIFY(game.feedbackGood());
    QCOMPARE(game.trailCells(), QList<int>{0});

    int steps = 0;
    int bumps = 0;
    int lockedSeen = 0;
    QStringList lines;
    QSignalSpy iconsChanged(&game, &MazeGame::boardIconsChanged);
    for (QChar c : route) {
        const MazePoint before = game.player();
        const bool open = game.maze().canMove(before, directionOf(c));
        const QVariantList icons = game.boardIcons();
        iconsChanged.clear();
        game.move(directionOf(c));
        // The board's symbols are told of exactly when they change.
        QCOMPARE(iconsChanged.count(), game.boardIcons() == icons ? 0 : 1);
        if (!open) {
            ++bumps;
            QCOMPARE(game.player(), before);
            QCOMPARE(game.feedback(), u"前面是树篱，换一条路试试。"_s);
            QVERIFY(!game.feedbackGood());
            continue;
        }
        ++steps;
        QCOMPARE(game.moves(), steps);
        QCOMPARE(game.player(), MazeSteps::step(before, directionOf(c)));
        QVERIFY(game.trail().contains(game.player()));
        QVERIFY(game.isWalking());
        if (game.player() == game.chest() && !game.finished()) {
            ++lockedSeen;
            QCOMPARE(game.feedback(), u"宝箱还锁着，找齐钥匙并击退两个捣蛋怪吧！"_s);
            QVERIFY(game.feedbackGood());
        }
        if (!lines.contains(game.feedback()))
            lines.append(game.feedback());
        world.clock.advance(MazeGame::walkMs - 1);
        QVERIFY(game.isWalking());
        world.clock.advance(1);
        QVERIFY(!game.isWalking());
    }
    QCOMPARE(lockedSeen, lockedChest);
    QCOMPARE(game.wrongAttempt(), bumps + lockedChest);
    QCOMPARE(game.keyCount(), 3);
    QCOMPARE(game.monsterCount(), 2);
    QVERIFY(game.pickedMagicBubble());
    QVERIFY(game.finished());
    QCOMPARE(game.feedback(), u"全部任务完成，宝箱打开啦！"_s);
    // Every kind of step happened on the way, each with its own line.
    for (const QString &line : {u"拿到一把闪亮钥匙！继续出发。"_s, u"拿到魔法泡泡，现在可以击退捣蛋怪啦！"_s,
                                u"砰！魔法泡泡击退了捣蛋怪！"_s, u"小狐狸正在沿着森林小路前进。"_s})
        QVERIFY2(lines.contains(line), qPrintable(line));

    // The board: the chest open, keys and bubble gone, sparkles where the monsters stood.
    QStringList symbols;
    for (const QVariant &icon : game.boardIcons())
        symbols.append(icon.toMap().value(u"symbol"_s).toString());
    QCOMPARE(symbols, (QStringList{u"🎁"_s, u"✨"_s, u"✨"_s}));

    // The report comes 0.72 s after the opening step (the walk pose has already taken
    // 0.31 s of it); presses meanwhile change nothing.
    QCOMPARE(log.count(), 0);
    game.move(MazeDirection::Left);
    QCOMPARE(game.moves(), steps);
    world.clock.advance(MazeGame::reportMs - MazeGame::walkMs - 1);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMazeGame::monstersNeedTheBubble()
{
    GameTestWorld world;
    MazeGame game(openField(7, 12));
    ReportLog log;
    log.attach(game);
    // To (4, 7), beside the monster at (4, 8), without the bubble.
    for (QChar c : u"DDDDRRRRRRR"_s)
        game.move(directionOf(c));
    QCOMPARE(game.player(), (MazePoint{4, 7}));
    game.move(MazeDirection::Right);
    QCOMPARE(game.player(), (MazePoint{4, 7}));
    QCOMPARE(game.moves(), 11);
    QCOMPARE(game.wrongAttempt(), 1);
    QCOMPARE(game.feedback(), u"捣蛋怪挡住了小路！先绕开它，去找魔法泡泡。"_s);
    QVERIFY(!game.feedbackGood());
    // The bubble at (2, 6), then back: the same press beats the monster.
    for (QChar c : u"UULDDR"_s)
        game.move(directionOf(c));
    QVERIFY(game.pickedMagicBubble());
    game.move(MazeDirection::Right);
    QCOMPARE(game.player(), (MazePoint{4, 8}));
    QCOMPARE(game.monsterCount(), 1);
    QCOMPARE(game.feedback(), u"砰！魔法泡泡击退了捣蛋怪！"_s);
    // Back onto a beaten monster: a plain step.
    game.move(MazeDirection::Left);
    game.move(MazeDirection::Right);
    QCOMPARE(game.feedback(), u"小狐狸正在沿着森林小路前进。"_s);
    QCOMPARE(game.monsterCount(), 1);
    // Walking: the pose of this step's phase, then upright again.
    QCOMPARE(game.foxScale(), game.walkPhase() ? 1.08 : 0.94);
    QCOMPARE(game.foxTurn(), game.walkPhase() ? 7.0 : -7.0);
    game.move(MazeDirection::Left);
    QCOMPARE(game.foxScale(), game.walkPhase() ? 1.08 : 0.94);
    game.move(MazeDirection::Right);
    world.clock.advance(MazeGame::walkMs);
    QCOMPARE(game.foxScale(), 1.0);
    QCOMPARE(game.foxTurn(), 0.0);

    // On open ground the tasks fit in 49 steps: three stars.
    // (3, 9) key, (1, 10) monster, (1, 3) key, (5, 2) key, then the chest.
    for (QChar c : u"URRUULLLLLLLDDDDLRRRRRRRRRD"_s)
        game.move(directionOf(c));
    QVERIFY(game.finished());
    QCOMPARE(game.moves(), 11 + 6 + 1 + 4 + 27);
    world.clock.advance(MazeGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{86, 3}));
}

void TestMazeGame::leavingDuringTheFinalWait()
{
    GameTestWorld world;
    ReportLog log;
    {
        auto game = std::make_unique<MazeGame>();
        log.attach(*game);
        for (QChar c : fewest)
            game->move(directionOf(c));
        QVERIFY(game->finished());
        world.clock.advance(100);
    } // the child leaves: the game and its pending walk go
    QCOMPARE(log.count(), 0);
    world.clock.advance(MazeGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{70, 2}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMazeGame::floorRepaintedInParts()
{
    // Each step repaints only the cells it changed: the floor walked step by step, with a
    // new size arriving in the same frame as a step, must look as one painted afresh.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QQuickWindow window;
    window.setColor(Qt::white);
    window.resize(860, 260);
    GameTestWorld world;
    MazeGame game;
    const auto floorAt = [&](qreal x, QSizeF size) {
        auto *floor = new CountedFloor(window.contentItem());
        floor->setRows(game.rows());
        floor->setColumns(game.columns());
        floor->setWalls(game.walls());
        floor->setTrail(game.trailCells());
        floor->setPosition({x, 0});
        floor->setSize(size);
        return floor;
    };
    CountedFloor *walked = floorAt(0, {360, 210});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, Patience::waitMs));
    (void)window.grabWindow();
    for (QChar c : fewest.left(20)) {
        game.move(directionOf(c));
        walked->setTrail(game.trailCells());
        (void)window.grabWindow();
    }
    // The same picture as a floor painted whole, but for a step of rounding where the
    // repainted part's blending differs.
    const auto sameAsFresh = [&] {
        const QRect part(QPoint(0, 0), walked->size().toSize());
        const std::unique_ptr<MazeFloor> fresh(floorAt(430, part.size()));
        const QImage shot = window.grabWindow();
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width(); ++x) {
                const QRgb a = shot.pixel(x, y);
                const QRgb b = shot.pixel(x + 430, y);
                if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 1)
                    return false;
            }
        }
        return true;
    };
    QVERIFY(sameAsFresh());
    walked->setSize({420, 245});
    for (QChar c : fewest.mid(20, 3)) {
        game.move(directionOf(c));
        walked->setTrail(game.trailCells());
    }
    QVERIFY(sameAsFresh());

    // A size tried by a layout and given back before the next frame paints nothing; a
    // size kept repaints the floor, and the next step its cells on the picture kept.
    const int paints = walked->paints;
    walked->setWidth(300);
    walked->setWidth(420);
    (void)window.grabWindow();
    QCOMPARE(walked->paints, paints);
    walked->setWidth(380);
    QVERIFY(sameAsFresh());
    game.move(directionOf(fewest[23]));
    walked->setTrail(game.trailCells());
    QVERIFY(sameAsFresh());
}

QTEST_MAIN(TestMazeGame)
#include "tst_maze_game.moc"

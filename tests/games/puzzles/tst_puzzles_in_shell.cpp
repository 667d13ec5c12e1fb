// The puzzle shelf's games played in the running application: opened from
// their shelf, played to the completion card with the play saved, at the usual size and
// in a small window. The maze is walked by its direction pad; the differences are
// clicked in the painted scenes.

#include "BubbleBlasterGame.h"
#include "GameHostController.h"
#include "MazeGame.h"
#include "ModularDifferenceScene.h"
#include "ModularSpotDifferenceGame.h"
#include "Patience.h"
#include "Random.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"

#include <QScreen>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The fewest steps that open the chest of the forest maze.
const QString fewest = u"DRDDLDRDDRURDRURUULULLURURRDDRDDRUURRUURRDDLUDDRDDLDLULURUDLDRDRR"_s;

QString padButton(QChar c)
{
    switch (c.unicode()) {
    case 'U': return u"padUp"_s;
    case 'R': return u"padRight"_s;
    case 'D': return u"padDown"_s;
    default: return u"padLeft"_s;
    }
}

} // namespace

class TestPuzzlesInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }
    void clickedThrough_data();
    void clickedThrough();

};

void TestPuzzlesInShell::clickedThrough_data()
{
    ShellTest::addGameRowsAtBothSizes({u"maze"_s, u"hidden-objects"_s, u"spot-difference"_s});
}

void TestPuzzlesInShell::clickedThrough()
{
    QFETCH(QString, gameId);
    QFETCH(QSize, size);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(gameId, size);
    QVERIFY(view);
    const auto click = [&](const QString &name) { QVERIFY(f.clickInWindow(view, name)); };

    if (auto *blaster = view->property("game").value<BubbleBlasterGame *>()) {
        QVERIFY(f.waitShown(u"寻找隐藏物"_s));
        // The reader button follows the instruction 8 points after its last word.
        QVERIFY(ShellTest::followsText(ShellTest::findNamed(view, u"instruction"_s),
                                       ShellTest::findNamed(view, u"reader"_s), 8));
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(blaster->round(), r);
            const qsizetype right = blaster->targets().indexOf(blaster->current().answer);
            if (r == 1) { // a miss first: the round is lost for the score
                click(u"bubble%1"_s.arg((right + 1) % 6));
                f.clock.advance(BubbleBlasterGame::flightMs);
                QCOMPARE(blaster->wrongAttempt(), 1);
            }
            click(u"bubble%1"_s.arg(right));
            QVERIFY(blaster->firing());
            f.clock.advance(BubbleBlasterGame::flightMs);
            QCOMPARE(blaster->popped(), blaster->current().answer);
            QVERIFY(Patience::waitFor([&] { return !ShellTest::findNamed(view, u"bubble%1"_s.arg(right))->isEnabled(); }));
            f.clock.advance(BubbleBlasterGame::pauseMs);
            QTest::qWait(20);
        }
        QVERIFY(f.savedPlay(gameId, 92, 3));
        return;
    }

    if (auto *spot = view->property("game").value<ModularSpotDifferenceGame *>()) {
        QVERIFY(spot->ready());
        auto *original = qobject_cast<ModularDifferenceScene *>(ShellTest::findNamed(view, u"originalScene"_s));
        auto *changed = qobject_cast<ModularDifferenceScene *>(ShellTest::findNamed(view, u"changedScene"_s));
        QVERIFY(original && changed);
        QVERIFY(Patience::waitFor([&] { return changed->sceneRect().width() > 100 && original->sceneRect().width() > 100; }));
        // Side by side in the wide window, the changed copy on the right; stacked in the
        // small one, the changed copy below.
        const QRectF left = original->mapRectToScene(original->sceneRect());
        const QRectF right = changed->mapRectToScene(changed->sceneRect());
        if (size.width() > 1000) {
            QVERIFY(right.left() > left.right());
            QCOMPARE(right.top(), left.top());
        } else {
            QVERIFY(right.top() > left.bottom());
            QCOMPARE(right.left(), left.left());
        }
        const QRectF shown(QPointF(0, 0), QSizeF(f.window()->size()));
        QVERIFY(shown.contains(left) && shown.contains(right));
        const auto clickPiece = [&](ModularDifferenceScene *scene, int id) {
            const QPointF at = scene->mapToScene(scene->tapPoint(id));
            QVERIFY(shown.contains(at));
            QTest::mouseClick(f.window(), Qt::LeftButton, {}, at.toPoint());
        };
        const QSet<int> differences = spot->level()->differenceIDs;
        int unchanged = 0;
        while (differences.contains(unchanged))
            ++unchanged;
        clickPiece(changed, unchanged);
        QCOMPARE(spot->wrongAttempt(), 1);
        int n = 0;
        for (int id = 0; id < ModularSpotLevel::pieceCount; ++id) {
            if (!differences.contains(id))
                continue;
            const int paintedBefore = ModularDifferenceScene::piecesPainted();
            clickPiece(++n % 2 ? changed : original, id);
            QCOMPARE(spot->foundCount(), n);
            if (n > 1)
                continue;
            // Once faded in, the mark is painted into the scenes where it lies (the small
            // window's scenes are painted whole at the size the feedback line leaves them),
            // and they show what a whole repaint shows.
            QVERIFY(Patience::waitFor([&] { return original->markOpacity() == 1 && changed->markOpacity() == 1; }));
            const QRect scenes = left.united(right).toAlignedRect();
            const QImage marked = f.window()->grabWindow().copy(scenes);
            const int painted = ModularDifferenceScene::piecesPainted() - paintedBefore;
            if (size.width() > 1000)
                QVERIFY2(painted < spot->level()->pieces.size(), qPrintable(QString::number(painted)));
            for (ModularDifferenceScene *scene : {original, changed}) {
                scene->setIsChanged(!scene->isChanged());
                scene->setIsChanged(!scene->isChanged());
            }
            QCOMPARE(f.window()->grabWindow().copy(scenes), marked);
        }
        QVERIFY(spot->completing());
        f.clock.advance(ModularSpotDifferenceGame::reportMs);
        QVERIFY(f.savedPlay(gameId, 100, 3));
        return;
    }

    auto *maze = view->property("game").value<MazeGame *>();
    QVERIFY(maze);
    QVERIFY(f.waitShown(u"0 步"_s));
    // The game stays in the window as it swings at a hedge and as the card comes: a spot
    // of open floor keeps its green in the next frames shown (a game gone blank for a
    // frame showed the backdrop there).
    QQuickItem *field = ShellTest::findNamed(view, u"mazeField"_s);
    QVERIFY(field);
    const auto floorStaysShown = [&](MazePoint open, const std::function<void()> &act) {
        const qreal cell = field->width() / maze->columns();
        const QPoint spot = field->mapToScene(QPointF((open.column + 0.15) * cell, (open.row + 0.15) * cell)).toPoint();
        QList<QColor> shown;
        const QMetaObject::Connection frames = connect(f.window(), &QQuickWindow::frameSwapped, this, [&] {
            shown << f.window()->screen()->grabWindow(f.window()->winId()).toImage().pixelColor(spot);
        });
        act();
        const bool framesCame = Patience::waitFor([&] { return shown.size() >= 3; });
        disconnect(frames);
        QVERIFY(framesCame);
        for (const QColor &c : std::as_const(shown))
            QVERIFY2(c.green() > c.red() + 8 && c.green() > c.blue() + 8, qPrintable(c.name()));
    };
    floorStaysShown({3, 5}, [&] { click(u"padUp"_s); }); // a hedge: the fox stays
    QCOMPARE(maze->wrongAttempt(), 1);
    QCOMPARE(maze->moves(), 0);
    for (QChar c : fewest) {
        click(padButton(c));
        f.clock.advance(MazeGame::walkMs);
    }
    QVERIFY(maze->finished());
    QVERIFY(f.waitShown(u"65 步"_s));
    QVERIFY(!ShellTest::findNamed(view, u"padDown"_s)->isEnabled());
    // The first cell of the board the play never stepped on.
    MazePoint untrodden{0, 0};
    while (maze->trail().contains(untrodden)) {
        if (++untrodden.column == maze->columns())
            untrodden = {untrodden.row + 1, 0};
    }
    floorStaysShown(untrodden, [&] { f.clock.advance(MazeGame::reportMs); });
    QVERIFY(f.savedPlay(gameId, 70, 2));
}

QTEST_MAIN(TestPuzzlesInShell)
#include "tst_puzzles_in_shell.moc"

// The drawing games played in the running application with the mouse: opened from
// their shelf card, strokes drawn by drags through the window on the board, finished on
// the completion card with the play saved; at 1180 × 820 and at 800 × 600.

#include "DrawGuessGame.h"
#include "DrawingBoard.h"
#include "MagicBoardGame.h"
#include "CreativeShellTest.h"

using namespace CreativeShell;

class TestDrawingInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }

    void drawsAndGuesses_data() { sizes(); }
    void drawsAndGuesses()
    {
        QFETCH(QSize, windowSize);
        Random::shared().seed(5);
        ShellFixture f;
        const auto [view, game] = openPlay<DrawGuessGame>(f, u"draw-guess"_s, windowSize);
        QVERIFY(view && game);
        auto *board = qobject_cast<DrawingBoard *>(named(view, u"drawingBoard"_s));
        QVERIFY(board && inWindow(board));
        QVERIFY(ShellTest::isShown(named(view, u"invitation"_s)));
        const QPointF middle = sceneCentre(board);

        // A click on the board is a tap: no stroke, the invitation stays.
        QTest::mouseClick(f.window(), Qt::LeftButton, Qt::NoModifier, middle.toPoint());
        QCOMPARE(game->strokes()->count(), 0);
        QVERIFY(ShellTest::isShown(named(view, u"invitation"_s)));
        // A drag of a press and six moves: one stroke of seven points, in the board's
        // coordinates.
        drag(f.window(), middle - QPointF(120, 40), QPointF(240, 60));
        QCOMPARE(game->strokes()->count(), 1);
        const DrawingStroke first = game->strokes()->strokes().first();
        QCOMPARE(first.points.size(), 7);
        QCOMPARE(first.points.first(), board->mapFromScene((middle - QPointF(120, 40)).toPoint()));
        QVERIFY(!board->invitationShown());
        QVERIFY(!ShellTest::findNamed(view, u"invitation"_s)); // hidden
        QVERIFY(f.clickInWindow(view, u"guess"_s));
        QVERIFY(ShellFixture::bubbleShows(view, u"再多画几笔，我就能猜啦！"_s));
        QVERIFY(f.clickInWindow(view, u"swatch1"_s));
        drag(f.window(), middle + QPointF(-60, 50), QPointF(100, -90), 8);
        QCOMPARE(game->strokes()->strokes().at(1).color, game->palette().at(1));
        QVERIFY(f.clickInWindow(view, u"guess"_s));
        QVERIFY(ShellFixture::bubbleShows(view, game->prompt().hint));
        grab(f.window(), u"draw-guess"_s);
        QVERIFY(f.clickInWindow(view, u"guess"_s));
        QVERIFY(game->guessed());
        QVERIFY(!named(view, u"guess"_s)->isEnabled());
        f.clock.advance(DrawGuessGame::reportDelayMs);
        finishes(f, u"draw-guess"_s, 80, 2);
    }

    void drawsOnTheFreeBoard_data() { sizes(); }
    void drawsOnTheFreeBoard()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        const auto [view, game] = openPlay<MagicBoardGame>(f, u"free-canvas"_s, windowSize);
        QVERIFY(view && game);
        auto *board = qobject_cast<DrawingBoard *>(named(view, u"drawingBoard"_s));
        QVERIFY(board && inWindow(board));
        QVERIFY(!named(view, u"finish"_s)->isEnabled());
        const QPointF middle = sceneCentre(board);
        QVERIFY(f.clickInWindow(view, u"swatch3"_s));
        QVERIFY(f.clickInWindow(view, u"width2"_s));
        drag(f.window(), middle - QPointF(100, 30), QPointF(200, 20));
        QVERIFY(f.clickInWindow(view, u"swatch1"_s));
        QVERIFY(f.clickInWindow(view, u"width0"_s));
        drag(f.window(), middle + QPointF(-80, 40), QPointF(160, -80), 10);
        QCOMPARE(game->strokes()->count(), 2);
        QCOMPARE(game->strokes()->strokes().at(0).width, 15.0);
        QCOMPARE(game->strokes()->strokes().at(1).points.size(), 11);
        QVERIFY(f.clickInWindow(view, u"sticker1"_s));
        QVERIFY(f.clickInWindow(view, u"sticker4"_s));
        QVERIFY(named(view, u"stampStrip"_s)->childItems().size() >= 2);
        QVERIFY(f.clickInWindow(view, u"undo"_s));
        QCOMPARE(game->stamps().size(), 1);
        QCOMPARE(game->workCount(), 3);
        grab(f.window(), u"free-canvas"_s);
        QVERIFY(f.clickInWindow(view, u"finish"_s));
        finishes(f, u"free-canvas"_s, 100, 3);
    }
};

QTEST_MAIN(TestDrawingInShell)
#include "tst_drawing_in_shell.moc"

// The free drawing board played through its class: the work count of strokes and
// stickers, the nine-sticker limit, undo (stickers first), clear, and the finish that
// needs three items and reports (100, 3) at each press.

#include "AppTheme.h"
#include "DrawingTestSupport.h"
#include "GameTestSupport.h"
#include "MagicBoardGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestMagicBoard : public QObject
{
    Q_OBJECT
private slots:
    void countsStrokesAndStickersAndFinishes()
    {
        GameTestWorld world;
        MagicBoardGame game;
        ReportLog log;
        log.attach(game);
        DrawingBoard board;
        board.setStrokes(game.strokes());
        const auto brush = [&] {
            board.setSelectedColor(game.selectedColor());
            board.setLineWidth(game.lineWidth());
        };
        brush();

        QCOMPARE(game.counter(), u"🎨 0"_s);
        QCOMPARE(game.feedback(), u"选颜色、换画笔，创作你的魔法作品"_s);
        QCOMPARE(game.selectedColor(), AppTheme::purple());
        QCOMPARE(game.lineWidth(), 9.0);
        QCOMPARE(game.stampChoices().first(), u"\u2B50\uFE0F"_s);
        QVERIFY(!game.canFinish());
        game.finish(); // the control is disabled: nothing
        QCOMPARE(log.count(), 0);

        // A stroke, a sticker, a stroke: undo takes the sticker, then the newer stroke.
        game.selectColor(1);
        game.selectWidth(2);
        brush();
        drawLine(board, 10, 10);
        game.addStamp(3);
        game.selectColor(2);
        game.selectWidth(0);
        brush();
        drawLine(board, 10, 60);
        QCOMPARE(game.counter(), u"🎨 3"_s);
        QVERIFY(game.canFinish());
        game.undo();
        QCOMPARE(game.stamps(), QStringList{});
        QVERIFY(!game.canFinish());
        game.undo();
        QCOMPARE(game.strokes()->count(), 1);
        const DrawingStroke &first = game.strokes()->strokes().first();
        QCOMPARE(first.color, AppTheme::coral());
        QCOMPARE(first.width, 15.0);
        game.undo();
        QCOMPARE(game.workCount(), 0);
        game.undo();
        QCOMPARE(game.feedback(), u"选颜色、换画笔，创作你的魔法作品"_s);

        // Stickers alone finish a work; the same one twice shows twice; the tenth
        // changes nothing.
        for (int i = 0; i < 10; ++i)
            game.addStamp(i < 2 ? 0 : i % 5);
        QCOMPARE(game.stamps().size(), 9);
        QCOMPARE(game.stamps().mid(0, 3), (QStringList{u"\u2B50\uFE0F"_s, u"\u2B50\uFE0F"_s, u"🌸"_s}));
        drawLine(board, 10, 10);
        QCOMPARE(game.counter(), u"🎨 10"_s);
        game.addStamp(4);
        QCOMPARE(game.workCount(), 10);

        // Clear empties both and says so, on an empty board too.
        game.clear();
        QCOMPARE(game.workCount(), 0);
        QCOMPARE(game.feedback(), u"画板已经变干净啦"_s);
        game.addStamp(0);
        game.undo();
        game.clear();
        QCOMPARE(game.feedback(), u"画板已经变干净啦"_s);

        // Finishing: every press reports (the host keeps the first).
        drawLine(board, 0, 0);
        drawLine(board, 0, 30);
        game.addStamp(1);
        game.finish();
        QCOMPARE(game.feedback(), u"作品完成啦！"_s);
        game.finish();
        QCOMPARE(*log.reports, (QList<ReportLog::Report>{{100, 3}, {100, 3}}));
        QCOMPARE(world.clock.pendingCount(), 0); // nothing waits
    }
};

QTEST_MAIN(TestMagicBoard)
#include "tst_magic_board.moc"

// The drawing board's stroke rules (a tap adds nothing, one stroke per drag with one
// point per reported position, the brush of the stroke's beginning, the owner's list
// changed during a drag) and its painting, including the image of finished strokes
// after undo and clear.

#include "DrawingBoard.h"
#include "DrawingTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

QImage render(DrawingBoard &board)
{
    QImage image(board.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    board.paint(&p);
    return image;
}

} // namespace

class TestDrawingBoard : public QObject
{
    Q_OBJECT
private slots:
    void recordsOneStrokePerDrag()
    {
        DrawingStrokes strokes;
        DrawingBoard board;
        board.setStrokes(&strokes);
        board.setSelectedColor(Qt::red);
        board.setLineWidth(9);
        QSignalSpy invitation(&board, &DrawingBoard::invitationShownChanged);
        QVERIFY(board.invitationShown());

        // A tap: one position, then the lift. Nothing is kept; the invitation hides
        // while the finger is down and comes back.
        board.dragChanged({40, 40});
        QVERIFY(board.drawing());
        QVERIFY(!board.invitationShown());
        board.dragEnded();
        QCOMPARE(strokes.count(), 0);
        QVERIFY(board.invitationShown());
        QCOMPARE(invitation.count(), 2);

        // Two positions, however close, make a stroke of two points.
        drawStroke(board, {{10, 10}, {10.5, 10}});
        QCOMPARE(strokes.count(), 1);
        QCOMPARE(strokes.strokes().at(0).points, (QList<QPointF>{{10, 10}, {10.5, 10}}));
        QVERIFY(!board.invitationShown());

        // n positions give n points, as reported, outside the board too; the brush is
        // the one in force at the touch-down.
        board.setSize({200, 100});
        board.dragChanged({-5, 20});
        board.setSelectedColor(Qt::blue);
        board.setLineWidth(15);
        for (const QPointF &p : {QPointF(50, 50), QPointF(50, 50), QPointF(250, 130)})
            board.dragChanged(p);
        QCOMPARE(strokes.count(), 1); // not in the list while the finger is down
        board.dragEnded();
        QCOMPARE(strokes.count(), 2);
        const DrawingStroke &second = strokes.strokes().at(1);
        QCOMPARE(second.points, (QList<QPointF>{{-5, 20}, {50, 50}, {50, 50}, {250, 130}}));
        QCOMPARE(second.color, QColor(Qt::red));
        QCOMPARE(second.width, 9.0);
        QVERIFY(second.id != strokes.strokes().at(0).id);
        // The next stroke takes the new brush.
        drawLine(board, 0, 0);
        QCOMPARE(strokes.strokes().at(2).color, QColor(Qt::blue));
        QCOMPARE(strokes.strokes().at(2).width, 15.0);
        // A lift without a drag changes nothing.
        board.dragEnded();
        QCOMPARE(strokes.count(), 3);
    }

    void ownerEmptiesTheListDuringADrag()
    {
        DrawingStrokes strokes;
        DrawingBoard board;
        board.setStrokes(&strokes);
        drawLine(board, 0, 0);
        drawLine(board, 0, 20);
        board.dragChanged({5, 5});
        strokes.clear();
        QVERIFY(!board.invitationShown()); // a stroke is still in progress
        board.dragChanged({25, 5});
        board.dragEnded();
        QCOMPARE(strokes.count(), 1);
        QCOMPARE(strokes.strokes().first().points, (QList<QPointF>{{5, 5}, {25, 5}}));
    }

    void paintsStrokesInOrderWithTheStrokeInProgressOnTop()
    {
        DrawingStrokes strokes;
        DrawingBoard board;
        board.setStrokes(&strokes);
        board.setSize({120, 80});
        board.setLineWidth(12);

        // A tap paints nothing, not even at the touch-down.
        board.dragChanged({60, 40});
        QCOMPARE(render(board).pixelColor(60, 40), QColor(Qt::white));
        board.dragEnded();

        board.setSelectedColor(Qt::red);
        drawStroke(board, {{10, 40}, {110, 40}});
        board.setSelectedColor(Qt::blue);
        drawStroke(board, {{60, 5}, {60, 75}});
        QImage image = render(board);
        QCOMPARE(image.pixelColor(30, 40), QColor(Qt::red));
        QCOMPARE(image.pixelColor(60, 40), QColor(Qt::blue)); // the later stroke on top
        QCOMPARE(image.pixelColor(60, 60), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(30, 10), QColor(Qt::white));
        // Round caps: the line goes a half width beyond its last point.
        QCOMPARE(image.pixelColor(113, 40), QColor(Qt::red));

        // The stroke in progress is painted over the finished ones.
        board.setSelectedColor(Qt::green);
        board.dragChanged({40, 30});
        board.dragChanged({80, 50});
        QCOMPARE(render(board).pixelColor(60, 40), QColor(Qt::green));
        board.dragEnded();
        QCOMPARE(render(board).pixelColor(60, 40), QColor(Qt::green));

        // Undo takes the newest stroke off the painted board, and a new stroke drawn
        // after it (the list back at its old length) shows, not the old one.
        QVERIFY(strokes.removeLast());
        image = render(board);
        QCOMPARE(image.pixelColor(60, 40), QColor(Qt::blue));
        board.setSelectedColor(Qt::magenta);
        drawStroke(board, {{10, 70}, {40, 70}});
        image = render(board);
        QCOMPARE(image.pixelColor(60, 40), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(25, 70), QColor(Qt::magenta));
        strokes.clear();
        image = render(board);
        QCOMPARE(image.pixelColor(30, 40), QColor(Qt::white));
        QCOMPARE(image.pixelColor(25, 70), QColor(Qt::white));
        QVERIFY(board.invitationShown());

        // A new size paints the strokes again from their points.
        drawStroke(board, {{10, 40}, {110, 40}});
        board.setSize({200, 120});
        QCOMPARE(render(board).pixelColor(30, 40), QColor(Qt::magenta));
    }

    void longDrawingsStayRightThroughUndos()
    {
        // 60 short strokes in a grid, each in its own shade; then undos back to 5, with
        // a render after each change, and new strokes in between.
        DrawingStrokes strokes;
        DrawingBoard board;
        board.setStrokes(&strokes);
        board.setSize({300, 100});
        board.setLineWidth(8);
        const auto cell = [](int i) { return QPointF(10 + (i % 15) * 20, 15 + (i / 15) * 22); };
        const auto shade = [](int i) { return QColor(200, i * 4, 255 - i * 4); };
        for (int i = 0; i < 60; ++i) {
            board.setSelectedColor(shade(i));
            drawStroke(board, {cell(i), cell(i) + QPointF(6, 0)});
            if (i % 7 == 0)
                render(board);
        }
        QImage image = render(board);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(image.pixelColor((cell(i) + QPointF(3, 0)).toPoint()), shade(i));
        for (int left = 59; left >= 5; --left) {
            strokes.removeLast();
            if (left % 4 == 0 || left < 20) {
                image = render(board);
                QCOMPARE(image.pixelColor((cell(left - 1) + QPointF(3, 0)).toPoint()), shade(left - 1));
                QCOMPARE(image.pixelColor((cell(left) + QPointF(3, 0)).toPoint()), QColor(Qt::white));
            }
            if (left == 30) { // a stroke drawn halfway, then taken back
                board.setSelectedColor(Qt::black);
                drawStroke(board, {cell(45), cell(45) + QPointF(6, 0)});
                QCOMPARE(render(board).pixelColor((cell(45) + QPointF(3, 0)).toPoint()), QColor(Qt::black));
                strokes.removeLast();
            }
        }
        image = render(board);
        QCOMPARE(image.pixelColor((cell(4) + QPointF(3, 0)).toPoint()), shade(4));
        QCOMPARE(image.pixelColor((cell(45) + QPointF(3, 0)).toPoint()), QColor(Qt::white));
        QCOMPARE(image.pixelColor((cell(5) + QPointF(3, 0)).toPoint()), QColor(Qt::white));
    }
};

QTEST_MAIN(TestDrawingBoard)
#include "tst_drawing_board.moc"

#pragma once

#include "DrawingBoard.h"

#include <QList>
#include <QPointF>

// One drag on a board through its input rules: a position for the touch-down and each
// move, then the lift.
inline void drawStroke(DrawingBoard &board, const QList<QPointF> &positions)
{
    for (const QPointF &p : positions)
        board.dragChanged(p);
    board.dragEnded();
}

// A short diagonal drag of `points` positions starting at (x, y).
inline void drawLine(DrawingBoard &board, qreal x, qreal y, int points = 3)
{
    QList<QPointF> positions;
    for (int i = 0; i < points; ++i)
        positions.append(QPointF(x + 10 * i, y + 6 * i));
    drawStroke(board, positions);
}

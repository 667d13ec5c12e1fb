#include "MazeFloor.h"

#include "AppTheme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

MazeFloor::MazeFloor(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    setOpaquePainting(false);
}

void MazeFloor::setRows(int rows)
{
    if (rows == m_rows)
        return;
    m_rows = rows;
    emit mazeChanged();
    repaintAll();
}

void MazeFloor::setColumns(int columns)
{
    if (columns == m_columns)
        return;
    m_columns = columns;
    emit mazeChanged();
    repaintAll();
}

void MazeFloor::setWalls(const QList<int> &walls)
{
    if (walls == m_walls)
        return;
    m_walls = walls;
    emit mazeChanged();
    repaintAll();
}

void MazeFloor::setTrail(const QList<int> &trail)
{
    if (trail == m_trail)
        return;
    // Only the cells that joined or left the trail look different: a step repaints the
    // cell it reached, not the whole board.
    QRectF changed;
    for (int index : trail) {
        if (!m_trail.contains(index))
            changed |= cellInk(index);
    }
    for (int index : std::as_const(m_trail)) {
        if (!trail.contains(index))
            changed |= cellInk(index);
    }
    m_trail = trail;
    emit trailChanged();
    if (!changed.isEmpty())
        repaint(changed);
}

void MazeFloor::repaint(const QRectF &part)
{
    m_repaintPending = true;
    // The whole board named outright: Qt takes a repaint without a rectangle as a whole
    // one only until a part is asked for, and a part asked for in the same frame would
    // then narrow it.
    const QRectF whole(0, 0, width(), height());
    update((pictureSize() == m_paintedSize ? part : whole).toAlignedRect());
}

void MazeFloor::repaintAll()
{
    repaint(QRectF(0, 0, width(), height()));
}

QSize MazeFloor::pictureSize() const
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    return QSize(qRound(width()), qRound(height())) * dpr;
}

void MazeFloor::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    // Qt paints a picture of a new size whole unless a part was asked for; a part asked
    // for before the change grows to the whole.
    if (m_repaintPending && newGeometry.size() != oldGeometry.size() && pictureSize() != m_paintedSize)
        repaintAll();
}

QSGNode *MazeFloor::updatePaintNode(QSGNode *node, UpdatePaintNodeData *data)
{
    // Nothing asked for and the size as painted: the size changed and came back.
    if (node && !m_repaintPending && pictureSize() == m_paintedSize)
        return node;
    m_repaintPending = false;
    m_paintedSize = pictureSize();
    return QQuickPaintedItem::updatePaintNode(node, data);
}

void MazeFloor::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickPaintedItem::itemChange(change, value);
    // Another window gives the floor a new, empty picture.
    if (change == ItemSceneChange)
        repaintAll();
}

qreal MazeFloor::cellSize() const
{
    return m_columns > 0 ? width() / m_columns : 0;
}

qreal MazeFloor::hedgeWidth(qreal cell)
{
    return std::max(0.07 * cell, 2.5);
}

QRectF MazeFloor::cellInk(int index) const
{
    if (m_columns < 1 || index < 0)
        return {};
    const qreal cell = cellSize();
    // The cell's hedges reach half their width past it, and their smoothed edge a pixel more.
    const qreal margin = hedgeWidth(cell) / 2 + 1;
    const QRectF square((index % m_columns) * cell, (index / m_columns) * cell, cell, cell);
    return square.adjusted(-margin, -margin, margin, margin);
}

void MazeFloor::setCornerRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_cornerRadius))
        return;
    m_cornerRadius = radius;
    emit mazeChanged();
    repaintAll();
}

void MazeFloor::paint(QPainter *painter)
{
    if (m_columns < 1 || m_rows < 1 || width() <= 0 || height() <= 0)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    // A repaint of part of the board comes clipped to that part: the cells outside it are
    // left as they are.
    const QRectF region = painter->hasClipping() ? painter->clipBoundingRect() : QRectF(0, 0, width(), height());
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, width(), height()), m_cornerRadius, m_cornerRadius);
    painter->setClipPath(clip, Qt::IntersectClip);

    QLinearGradient ground(0, 0, width(), height());
    ground.setColorAt(0, QColor::fromRgbF(0.9f, 0.98f, 0.78f));
    ground.setColorAt(1, QColor::fromRgbF(0.72f, 0.91f, 0.72f));
    painter->fillRect(QRectF(0, 0, width(), height()), ground);

    const qreal cell = cellSize();
    QColor tile = AppTheme::mango();
    tile.setAlphaF(0.19f);
    QColor dot = AppTheme::mango();
    dot.setAlphaF(0.45f);
    QColor spot = AppTheme::mint();
    spot.setAlphaF(0.14f);
    QColor ink = QColor::fromRgbF(0.16f, 0.38f, 0.23f);
    ink.setAlphaF(0.86f);
    QPen hedge(ink, hedgeWidth(cell), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    hedge.setMiterLimit(10);

    // One cell at a time: its floor, then its hedges.
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const int index = row * m_columns + column;
            if (!cellInk(index).intersects(region))
                continue;
            const qreal x = column * cell;
            const qreal y = row * cell;
            painter->setPen(Qt::NoPen);
            if (m_trail.contains(index)) {
                painter->setBrush(tile);
                const qreal r = 0.18 * cell;
                painter->drawRoundedRect(QRectF(x + 2, y + 2, cell - 4, cell - 4), r, r);
                painter->setBrush(dot);
                painter->drawEllipse(QRectF(x + 0.4 * cell, y + 0.4 * cell, 0.2 * cell, 0.2 * cell));
            } else if ((3 * row + column) % 5 == 0) {
                painter->setBrush(spot);
                painter->drawEllipse(QRectF(x + 0.32 * cell, y + 0.28 * cell, 0.36 * cell, 0.42 * cell));
            }

            const int bits = index < m_walls.size() ? m_walls[index] : 0;
            if (bits == 0)
                continue;
            QPainterPath walls;
            if (bits & 1) {
                walls.moveTo(x, y);
                walls.lineTo(x + cell, y);
            }
            if (bits & 2) {
                walls.moveTo(x + cell, y);
                walls.lineTo(x + cell, y + cell);
            }
            if (bits & 4) {
                walls.moveTo(x, y + cell);
                walls.lineTo(x + cell, y + cell);
            }
            if (bits & 8) {
                walls.moveTo(x, y);
                walls.lineTo(x, y + cell);
            }
            painter->setBrush(Qt::NoBrush);
            painter->setPen(hedge);
            painter->drawPath(walls);
        }
    }
}

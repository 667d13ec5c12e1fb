#include "MazeFloor.h"

#include "AppTheme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
    update();
}

void MazeFloor::setColumns(int columns)
{
    if (columns == m_columns)
        return;
    m_columns = columns;
    emit mazeChanged();
    update();
}

void MazeFloor::setWalls(const QList<int> &walls)
{
    if (walls == m_walls)
        return;
    m_walls = walls;
    emit mazeChanged();
    update();
}

void MazeFloor::setTrail(const QList<int> &trail)
{
    if (trail == m_trail)
        return;
    m_trail = trail;
    emit trailChanged();
    update();
}

void MazeFloor::setCornerRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_cornerRadius))
        return;
    m_cornerRadius = radius;
    emit mazeChanged();
    update();
}

void MazeFloor::paint(QPainter *painter)
{
    if (m_columns < 1 || m_rows < 1 || width() <= 0 || height() <= 0)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, width(), height()), m_cornerRadius, m_cornerRadius);
    painter->setClipPath(clip);

    QLinearGradient ground(0, 0, width(), height());
    ground.setColorAt(0, QColor::fromRgbF(0.9f, 0.98f, 0.78f));
    ground.setColorAt(1, QColor::fromRgbF(0.72f, 0.91f, 0.72f));
    painter->fillRect(QRectF(0, 0, width(), height()), ground);

    const qreal cell = width() / m_columns;
    QColor tile = AppTheme::mango();
    tile.setAlphaF(0.19f);
    QColor dot = AppTheme::mango();
    dot.setAlphaF(0.45f);
    QColor spot = AppTheme::mint();
    spot.setAlphaF(0.14f);
    QColor ink = QColor::fromRgbF(0.16f, 0.38f, 0.23f);
    ink.setAlphaF(0.86f);
    QPen hedge(ink, std::max(0.07 * cell, 2.5), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    hedge.setMiterLimit(10);

    // One cell at a time: its floor, then its hedges.
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const int index = row * m_columns + column;
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

#include "OneLineTrail.h"

#include <QPainter>
#include <QPainterPath>

OneLineTrail::OneLineTrail(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    connect(this, &OneLineTrail::styleChanged, this, [this] { update(); });
}

QPointF OneLineTrail::cellCentre(int cell, qreal side)
{
    const qreal margin = 0.16 * side;
    const qreal step = (side - 2 * margin) / 2;
    return {margin + step * (cell % 3), margin + step * (cell / 3)};
}

QPointF OneLineTrail::centre(int cell) const
{
    return cellCentre(cell, std::min(width(), height()));
}

void OneLineTrail::setRoute(const QList<int> &route)
{
    if (route == m_route)
        return;
    m_route = route;
    emit routeChanged();
    update();
}

void OneLineTrail::setVisited(const QList<int> &visited)
{
    if (visited == m_visited)
        return;
    m_visited = visited;
    emit visitedChanged();
    update();
}

void OneLineTrail::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    // The guide: one straight segment per step, plain ends.
    painter->setPen(QPen(m_guideColor, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (qsizetype i = 1; i < m_route.size(); ++i)
        painter->drawLine(centre(m_route[i - 1]), centre(m_route[i]));
    // The drawn line, rounded.
    if (m_visited.size() < 2)
        return;
    QPainterPath path(centre(m_visited.first()));
    for (qsizetype i = 1; i < m_visited.size(); ++i)
        path.lineTo(centre(m_visited[i]));
    painter->setPen(QPen(m_lineColor, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
}

#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// The lines of the one-line board: the faint guide along the whole route and, over it,
// the line drawn so far through the visited cells. It also places the board's dots:
// the nine cell centres lie at 16 %, 50 % and 84 % of the side of the square that
// starts at the item's top left corner.
class OneLineTrail : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<int> route READ route WRITE setRoute NOTIFY routeChanged FINAL)
    Q_PROPERTY(QList<int> visited READ visited WRITE setVisited NOTIFY visitedChanged FINAL)
    Q_PROPERTY(QColor guideColor MEMBER m_guideColor NOTIFY styleChanged FINAL)
    Q_PROPERTY(QColor lineColor MEMBER m_lineColor NOTIFY styleChanged FINAL)
public:
    explicit OneLineTrail(QQuickItem *parent = nullptr);

    // The centre of `cell` on a board of side `side`.
    static QPointF cellCentre(int cell, qreal side);
    // The centre of `cell` on this item (its side is the smaller of width and height).
    Q_INVOKABLE QPointF centre(int cell) const;

    QList<int> route() const { return m_route; }
    void setRoute(const QList<int> &route);
    QList<int> visited() const { return m_visited; }
    void setVisited(const QList<int> &visited);

    void paint(QPainter *painter) override;

signals:
    void routeChanged();
    void visitedChanged();
    void styleChanged();

private:
    QList<int> m_route;
    QList<int> m_visited;
    QColor m_guideColor;
    QColor m_lineColor;
};

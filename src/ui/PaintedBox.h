#pragma once

#include <QColor>
#include <QList>
#include <QtQml/qqmlregistration.h>

#include "PaintedPicture.h"

// A rounded rectangle filled and outlined with a solid colour or an evenly spaced
// gradient, running down, across or corner to corner (the gradient is stretched with
// the box, so a diagonal one runs exactly from the top-left to the bottom-right
// corner). The outline, solid or dashed, lies inside the box, or, with `strokeCentered`,
// on its edge, half of it outside (a rim stroked over a card). Painted once per size or
// style change, and shared by the boxes that look the same.
class PaintedBox : public PaintedPicture
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY styleChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY styleChanged FINAL)
    Q_PROPERTY(QList<QColor> fillStops READ fillStops WRITE setFillStops NOTIFY styleChanged FINAL)
    Q_PROPERTY(Direction fillDirection READ fillDirection WRITE setFillDirection NOTIFY styleChanged FINAL)
    Q_PROPERTY(qreal strokeWidth READ strokeWidth WRITE setStrokeWidth NOTIFY styleChanged FINAL)
    Q_PROPERTY(QColor strokeColor READ strokeColor WRITE setStrokeColor NOTIFY styleChanged FINAL)
    Q_PROPERTY(QList<QColor> strokeStops READ strokeStops WRITE setStrokeStops NOTIFY styleChanged FINAL)
    Q_PROPERTY(Direction strokeDirection READ strokeDirection WRITE setStrokeDirection NOTIFY styleChanged FINAL)
    Q_PROPERTY(bool strokeCentered READ strokeCentered WRITE setStrokeCentered NOTIFY styleChanged FINAL)
    // The length of the dashes (and of the gaps between them) of a dashed outline, in
    // points; 0 draws it solid.
    Q_PROPERTY(qreal strokeDash READ strokeDash WRITE setStrokeDash NOTIFY styleChanged FINAL)

public:
    enum Direction { TopToBottom, LeadingToTrailing, Diagonal };
    Q_ENUM(Direction)

    explicit PaintedBox(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QList<QColor> fillStops() const { return m_fillStops; }
    void setFillStops(const QList<QColor> &stops);
    Direction fillDirection() const { return m_fillDirection; }
    void setFillDirection(Direction direction);
    qreal strokeWidth() const { return m_strokeWidth; }
    void setStrokeWidth(qreal width);
    QColor strokeColor() const { return m_strokeColor; }
    void setStrokeColor(const QColor &color);
    QList<QColor> strokeStops() const { return m_strokeStops; }
    void setStrokeStops(const QList<QColor> &stops);
    Direction strokeDirection() const { return m_strokeDirection; }
    void setStrokeDirection(Direction direction);
    bool strokeCentered() const { return m_strokeCentered; }
    void setStrokeCentered(bool centered);
    qreal strokeDash() const { return m_strokeDash; }
    void setStrokeDash(qreal dash);

    // Draws the outline inside `box` (corner radius `radius` at the box's edge).
    void paintOutline(QPainter *painter, const QRectF &box, qreal radius) const;
    // What the box's own picture looks like at its size: its fill, and its outline unless
    // the rim draws that (a centred one).
    QString look() const override;
    // What the outline looks like, but for its size.
    QString outlineLook() const;

    // The brush of a solid colour or of evenly spaced stops in `direction`, in
    // coordinates relative to the painted shape's bounding box.
    static QBrush brush(const QColor &solid, const QList<QColor> &stops, Direction direction);

signals:
    void styleChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void placeRim();
    void restyle();
    void restyleOutline();

    qreal m_radius = 0;
    QColor m_color = Qt::transparent;
    QList<QColor> m_fillStops;
    Direction m_fillDirection = TopToBottom;
    qreal m_strokeWidth = 0;
    QColor m_strokeColor = Qt::transparent;
    QList<QColor> m_strokeStops;
    Direction m_strokeDirection = Diagonal;
    bool m_strokeCentered = false;
    qreal m_strokeDash = 0;
    PaintedPicture *m_rim = nullptr; // draws a centred outline, half outside the box
};

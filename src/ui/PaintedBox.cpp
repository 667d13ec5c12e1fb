#include "PaintedBox.h"

#include "Assign.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QString colourNames(const QList<QColor> &stops)
{
    QStringList names;
    for (const QColor &stop : stops)
        names.append(QString::number(quint64(stop.rgba64()), 16));
    return names.join(u',');
}

// The child of a PaintedBox that draws its centred outline: it reaches half a line
// width beyond the box on every side.
class Rim : public PaintedPicture
{
public:
    explicit Rim(PaintedBox *box)
        : PaintedPicture(box)
        , m_box(box)
    {
    }

    void paint(QPainter *painter) override
    {
        const qreal half = m_box->strokeWidth() / 2;
        const qreal r = qMin(m_box->radius(), qMin(m_box->width(), m_box->height()) / 2);
        m_box->paintOutline(painter, QRectF(0, 0, width(), height()), r + half);
    }

protected:
    QString look() const override
    {
        return QStringLiteral("rim %1x%2 %3").arg(width()).arg(height()).arg(m_box->outlineLook());
    }

private:
    PaintedBox *m_box;
};

} // namespace

PaintedBox::PaintedBox(QQuickItem *parent)
    : PaintedPicture(parent)
    , m_rim(new Rim(this))
{
    m_rim->setVisible(false);
    m_rim->setZ(1); // over the box's own content, as a rim is
}

QBrush PaintedBox::brush(const QColor &solid, const QList<QColor> &stops, Direction direction)
{
    if (stops.isEmpty())
        return QBrush(solid);
    if (stops.size() == 1)
        return QBrush(stops.first());
    QLinearGradient gradient(0, 0, direction == TopToBottom ? 0 : 1, direction == LeadingToTrailing ? 0 : 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    for (int i = 0; i < stops.size(); ++i)
        gradient.setColorAt(qreal(i) / (stops.size() - 1), stops.at(i));
    return QBrush(gradient);
}

void PaintedBox::paint(QPainter *painter)
{
    const QRectF box(0, 0, width(), height());
    if (box.isEmpty())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal r = qMin(m_radius, qMin(box.width(), box.height()) / 2);

    QPainterPath shape;
    shape.addRoundedRect(box, r, r);
    painter->fillPath(shape, brush(m_color, m_fillStops, m_fillDirection));

    if (!m_strokeCentered)
        paintOutline(painter, box, r);
}

QString PaintedBox::look() const
{
    const QString fill = QStringLiteral("box %1x%2 r%3 %4 [%5] %6")
                             .arg(width())
                             .arg(height())
                             .arg(m_radius)
                             .arg(quint64(m_color.rgba64()), 0, 16)
                             .arg(colourNames(m_fillStops))
                             .arg(int(m_fillDirection));
    // A centred outline is the rim's to draw.
    return m_strokeCentered ? fill : fill + u' ' + outlineLook();
}

QString PaintedBox::outlineLook() const
{
    return QStringLiteral("outline r%1 s%2 %3 [%4] %5 d%6")
        .arg(m_radius)
        .arg(m_strokeWidth)
        .arg(quint64(m_strokeColor.rgba64()), 0, 16)
        .arg(colourNames(m_strokeStops))
        .arg(int(m_strokeDirection))
        .arg(m_strokeDash);
}

void PaintedBox::paintOutline(QPainter *painter, const QRectF &box, qreal radius) const
{
    if (m_strokeWidth <= 0 || box.isEmpty())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal half = m_strokeWidth / 2;
    const QRectF line = box.adjusted(half, half, -half, -half);
    const qreal lr = qMax<qreal>(0, radius - half);
    QPen pen(brush(m_strokeColor, m_strokeStops, m_strokeDirection), m_strokeWidth, Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    pen.setMiterLimit(10);
    if (m_strokeDash > 0) {
        // The pattern is counted in line widths.
        const qreal dash = m_strokeDash / m_strokeWidth;
        pen.setDashPattern({dash, dash});
    }
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(line, lr, lr);
}

void PaintedBox::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    PaintedPicture::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        placeRim();
}

void PaintedBox::placeRim()
{
    const qreal half = m_strokeWidth / 2;
    m_rim->setVisible(m_strokeCentered && m_strokeWidth > 0);
    m_rim->setPosition(QPointF(-half, -half));
    m_rim->setSize(QSizeF(width() + m_strokeWidth, height() + m_strokeWidth));
    m_rim->repaint();
}

void PaintedBox::restyle()
{
    placeRim();
    emit styleChanged();
    repaint();
}

void PaintedBox::restyleOutline()
{
    if (!m_strokeCentered) {
        restyle();
        return;
    }
    // Only the rim draws a centred outline: the box keeps its picture (a card selected
    // by a thicker rim paints nothing but the rim).
    placeRim();
    emit styleChanged();
}

void PaintedBox::setStrokeCentered(bool centered)
{
    if (assignChanged(m_strokeCentered, centered))
        restyle();
}

void PaintedBox::setStrokeDash(qreal dash)
{
    if (assignChanged(m_strokeDash, dash))
        restyleOutline();
}

void PaintedBox::setRadius(qreal radius)
{
    if (assignChanged(m_radius, radius))
        restyle();
}

void PaintedBox::setColor(const QColor &color)
{
    if (assignChanged(m_color, color))
        restyle();
}

void PaintedBox::setFillStops(const QList<QColor> &stops)
{
    if (assignChanged(m_fillStops, stops))
        restyle();
}

void PaintedBox::setFillDirection(Direction direction)
{
    if (assignChanged(m_fillDirection, direction))
        restyle();
}

void PaintedBox::setStrokeWidth(qreal width)
{
    if (assignChanged(m_strokeWidth, width))
        restyleOutline();
}

void PaintedBox::setStrokeColor(const QColor &color)
{
    if (assignChanged(m_strokeColor, color))
        restyleOutline();
}

void PaintedBox::setStrokeStops(const QList<QColor> &stops)
{
    if (assignChanged(m_strokeStops, stops))
        restyleOutline();
}

void PaintedBox::setStrokeDirection(Direction direction)
{
    if (assignChanged(m_strokeDirection, direction))
        restyleOutline();
}

#include "DrawingBoard.h"

#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

DrawingBoard::DrawingBoard(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptTouchEvents(true);
    setAntialiasing(true);
}

void DrawingBoard::setStrokes(DrawingStrokes *strokes)
{
    if (m_strokes == strokes)
        return;
    if (m_strokes)
        disconnect(m_strokes, nullptr, this, nullptr);
    m_strokes = strokes;
    if (m_strokes)
        connect(m_strokes, &DrawingStrokes::changed, this, &DrawingBoard::strokesEdited);
    m_imagesValid = false;
    emit strokesChanged();
    strokesEdited();
}

void DrawingBoard::setSelectedColor(const QColor &color)
{
    if (m_selectedColor == color)
        return;
    m_selectedColor = color;
    emit selectedColorChanged();
}

void DrawingBoard::setLineWidth(qreal width)
{
    if (qFuzzyCompare(m_lineWidth, width))
        return;
    m_lineWidth = width;
    emit lineWidthChanged();
}

bool DrawingBoard::invitationShown() const
{
    return !m_current && (!m_strokes || m_strokes->isEmpty());
}

void DrawingBoard::dragChanged(QPointF position)
{
    if (!m_current) {
        setCurrent(DrawingStroke{QUuid::createUuid(), {position}, m_selectedColor, m_lineWidth});
        return; // one point paints nothing yet
    }
    m_current->points.append(position);
    update(lastSegmentArea().toAlignedRect());
}

void DrawingBoard::dragEnded()
{
    if (!m_current)
        return;
    DrawingStroke finished = std::move(*m_current);
    m_current.reset();
    emit drawingChanged();
    // The end's own position is not a point. A tap (one point) leaves no stroke.
    if (finished.points.size() >= 2 && m_strokes)
        m_strokes->append(std::move(finished)); // repaints through strokesEdited()
    strokesEdited();
}

void DrawingBoard::setCurrent(std::optional<DrawingStroke> stroke)
{
    const bool wasDrawing = m_current.has_value();
    m_current = std::move(stroke);
    if (wasDrawing != m_current.has_value())
        emit drawingChanged();
    strokesEdited();
}

void DrawingBoard::strokesEdited()
{
    const bool shown = invitationShown();
    if (shown != m_invitationShown) {
        m_invitationShown = shown;
        emit invitationShownChanged();
    }
    const int count = m_strokes ? m_strokes->count() : 0;
    if (count < m_unchangedCount)
        m_unchangedCount = count;
    // An append adds its stroke's area; a removal repaints the board.
    if (!m_imagesValid || m_unchangedCount < m_paintedCount) {
        update();
    } else if (count > m_paintedCount) {
        QRectF area;
        for (int i = m_paintedCount; i < count; ++i) {
            const DrawingStroke &s = m_strokes->strokes().at(i);
            QRectF bounds;
            for (const QPointF &p : s.points)
                bounds |= QRectF(p, QSizeF(0.01, 0.01));
            area |= bounds.adjusted(-s.width, -s.width, s.width, s.width);
        }
        update(area.toAlignedRect());
    }
}

QRectF DrawingBoard::lastSegmentArea() const
{
    const QList<QPointF> &points = m_current->points;
    const QPointF a = points.at(points.size() - 2);
    const QPointF b = points.last();
    const qreal pad = m_current->width / 2 + 2;
    return QRectF(a, b).normalized().adjusted(-pad, -pad, pad, pad);
}

void DrawingBoard::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        m_imagesValid = false;
}

void DrawingBoard::paintStrokes(QImage &image, int from, int to) const
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = from; i < to; ++i)
        paintStroke(&p, m_strokes->strokes().at(i));
}

namespace {
// Strokes kept in the top image after the base is painted again, and the most it holds
// before it is merged into the base.
constexpr int topKeeps = 12;
constexpr int topHolds = 36;

QImage blank(QSize pixels, qreal devicePixelRatio)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}
} // namespace

void DrawingBoard::bringImagesUpToDate(qreal devicePixelRatio)
{
    const QSize pixels = (size() * devicePixelRatio).toSize();
    const int count = m_strokes ? m_strokes->count() : 0;
    const int unchanged = qMin(m_unchangedCount, m_paintedCount);
    if (!m_imagesValid || m_base.size() != pixels || !qFuzzyCompare(m_base.devicePixelRatio(), devicePixelRatio)
        || unchanged < m_baseCount || count - m_paintedCount > topHolds) {
        // Everything again (also when many strokes came at once): the base up to a few
        // strokes below the end, the rest on top.
        m_baseCount = qMax(0, count - topKeeps);
        m_base = blank(pixels, devicePixelRatio);
        paintStrokes(m_base, 0, m_baseCount);
        m_top = blank(pixels, devicePixelRatio);
        paintStrokes(m_top, m_baseCount, count);
    } else if (unchanged < m_paintedCount) {
        // Strokes of the top image were taken back: the top again.
        m_top.fill(Qt::transparent);
        paintStrokes(m_top, m_baseCount, count);
    } else {
        paintStrokes(m_top, m_paintedCount, count);
    }
    if (count - m_baseCount > topHolds) {
        // The older strokes of the top go down into the base; the newest stay on top,
        // so the next undos still only repaint the top.
        const int keep = qMax(0, count - topKeeps);
        paintStrokes(m_base, m_baseCount, keep);
        m_baseCount = keep;
        m_top.fill(Qt::transparent);
        paintStrokes(m_top, m_baseCount, count);
    }
    m_paintedCount = count;
    m_unchangedCount = count;
    m_imagesValid = true;
}

void DrawingBoard::paint(QPainter *painter)
{
    if (width() <= 0 || height() <= 0)
        return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    bringImagesUpToDate(dpr);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->drawImage(QPointF(0, 0), m_base);
    painter->drawImage(QPointF(0, 0), m_top);
    if (m_current)
        paintStroke(painter, *m_current);
}

void DrawingBoard::paintStroke(QPainter *painter, const DrawingStroke &stroke)
{
    if (stroke.points.isEmpty())
        return;
    QPainterPath path(stroke.points.first());
    for (qsizetype i = 1; i < stroke.points.size(); ++i)
        path.lineTo(stroke.points.at(i));
    if (path.elementCount() < 2)
        return; // a single point has no segment to stroke
    QPen pen(stroke.color, stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setMiterLimit(10);
    painter->strokePath(path, pen);
}

// Pointer input: the first mouse button or the first finger on the board draws.

void DrawingBoard::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_current) {
        event->ignore();
        return;
    }
    setKeepMouseGrab(true);
    dragChanged(event->position());
    event->accept();
}

void DrawingBoard::mouseMoveEvent(QMouseEvent *event)
{
    if (m_touchId >= 0 || !m_current)
        return;
    dragChanged(event->position());
}

void DrawingBoard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_touchId >= 0)
        return;
    setKeepMouseGrab(false);
    dragEnded();
}

void DrawingBoard::mouseUngrabEvent()
{
    // Another item took the pointer away: the drag ends where it stood.
    if (m_touchId < 0)
        dragEnded();
}

void DrawingBoard::touchEvent(QTouchEvent *event)
{
    for (const QEventPoint &point : event->points()) {
        if (m_touchId < 0 && point.state() == QEventPoint::Pressed && !m_current) {
            m_touchId = point.id();
            setKeepTouchGrab(true);
            dragChanged(point.position());
        } else if (point.id() == m_touchId) {
            if (point.state() == QEventPoint::Released) {
                m_touchId = -1;
                setKeepTouchGrab(false);
                dragEnded();
            } else if (point.state() == QEventPoint::Updated) {
                dragChanged(point.position());
            }
        }
    }
    event->accept();
}

void DrawingBoard::touchUngrabEvent()
{
    if (m_touchId >= 0) {
        m_touchId = -1;
        dragEnded();
    }
}

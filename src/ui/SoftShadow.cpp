#include "SoftShadow.h"

#include "Assign.h"
#include "ImageBlur.h"

#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

#include <cmath>

SoftShadow::SoftShadow(QQuickItem *parent)
    : QQuickItem(parent)
    , m_painter(new ShadowPainter(this))
{
    relayout();
}

int SoftShadow::margin(qreal blur)
{
    return int(std::ceil(qMax<qreal>(0, blur) * 1.5)) + 1;
}

QImage SoftShadow::render(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
{
    const int m = margin(blur);
    const QSize pixels(int(std::ceil((size.width() + 2 * m) * dpr)), int(std::ceil((size.height() + 2 * m) * dpr)));
    if (pixels.isEmpty() || size.isEmpty())
        return {};
    QImage mask(pixels, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        const qreal r = qMin(radius, qMin(size.width(), size.height()) / 2);
        QPainterPath path;
        path.addRoundedRect(QRectF(m, m, size.width(), size.height()), r, r);
        p.fillPath(path, Qt::black);
    }
    ImageBlur::gaussian(mask, blur / 2 * dpr);

    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.drawImage(0, 0, mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(result.rect(), color);
    p.end();
    result.setDevicePixelRatio(dpr);
    return result;
}

void SoftShadow::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        relayout();
}

void SoftShadow::relayout()
{
    const int m = margin(m_blur);
    m_painter->setPosition(QPointF(m_offsetX - m, m_offsetY - m));
    m_painter->setSize(QSizeF(width() + 2 * m, height() + 2 * m));
    m_painter->update();
}

void SoftShadow::setColor(const QColor &color)
{
    if (assignChanged(m_color, color))
        restyle();
}

void SoftShadow::setBlur(qreal blur)
{
    if (assignChanged(m_blur, blur))
        restyle();
}

void SoftShadow::setCornerRadius(qreal radius)
{
    if (assignChanged(m_cornerRadius, radius))
        restyle();
}

void SoftShadow::setOffsetX(qreal offset)
{
    if (assignChanged(m_offsetX, offset))
        restyle();
}

void SoftShadow::setOffsetY(qreal offset)
{
    if (assignChanged(m_offsetY, offset))
        restyle();
}

void SoftShadow::restyle()
{
    relayout();
    emit styleChanged();
}

ShadowPainter::ShadowPainter(SoftShadow *owner)
    : QQuickPaintedItem(owner)
    , m_owner(owner)
{
}

void ShadowPainter::paint(QPainter *painter)
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QImage shadow = SoftShadow::render(m_owner->size(), m_owner->cornerRadius(), m_owner->blur(),
                                             m_owner->color(), dpr);
    if (!shadow.isNull())
        painter->drawImage(QPointF(0, 0), shadow);
}

#include "PaintedPicture.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>

#include <cmath>

PaintedPicture::PaintedPicture(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void PaintedPicture::repaint()
{
    m_dirty = true;
    update();
}

void PaintedPicture::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    // Painted again at the next frame only if the size then differs from the painted one.
    if (newGeometry.size() != oldGeometry.size())
        update();
}

QSize PaintedPicture::pixels() const
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    return QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
}

bool PaintedPicture::stale() const
{
    return m_dirty || pixels() != m_paintedPixels;
}

void PaintedPicture::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemDevicePixelRatioHasChanged)
        repaint();
    else if (change == ItemVisibleHasChanged && value.boolValue && stale())
        update();
}

QSGNode *PaintedPicture::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(old);
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize pixels = this->pixels();
    if (pixels.isEmpty()) {
        delete node;
        return nullptr;
    }
    // A hidden item still gets its node, never drawn: its picture (which, never drawn,
    // would never be handed to the driver and let go either) waits until it shows.
    if (!isVisible() && (stale() || !node))
        return node;
    if (stale() || !node) {
        m_dirty = false;
        m_paintedPixels = pixels;
        QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        picture.setDevicePixelRatio(dpr);
        {
            QPainter painter(&picture);
            paint(&painter);
        }
        if (!node) {
            node = window()->createImageNode();
            node->setOwnsTexture(true);
        }
        // The texture takes the pixels and lets them go once they are uploaded.
        node->setTexture(window()->createTextureFromImage(picture));
        // Pixel for pixel: the last column and row may reach a little past the item.
        node->setRect(QRectF(0, 0, pixels.width() / dpr, pixels.height() / dpr));
    }
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);
    return node;
}

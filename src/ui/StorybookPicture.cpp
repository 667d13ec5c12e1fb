#include "StorybookPicture.h"

#include "AppTheme.h"
#include "Assign.h"
#include "PaintedBox.h"
#include "StorybookArtwork.h"

#include <QPainter>
#include <QPainterPath>

StorybookPicture::StorybookPicture(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

QRectF StorybookPicture::fillSource(QSizeF imageSize, QSizeF frame)
{
    if (imageSize.isEmpty() || frame.isEmpty())
        return {};
    const qreal scale = qMax(frame.width() / imageSize.width(), frame.height() / imageSize.height());
    const QSizeF shown(frame.width() / scale, frame.height() / scale);
    return QRectF(QPointF((imageSize.width() - shown.width()) / 2, (imageSize.height() - shown.height()) / 2), shown);
}

void StorybookPicture::paint(QPainter *painter)
{
    const QRectF box(0, 0, width(), height());
    if (box.isEmpty())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal r = qMin(m_radius, qMin(box.width(), box.height()) / 2);
    QPainterPath shape;
    shape.addRoundedRect(box, r, r);
    if (m_image.isNull()) {
        painter->fillPath(shape, PaintedBox::brush(Qt::transparent, AppTheme::artworkFallback(), PaintedBox::Diagonal));
        return;
    }
    if (r > 0)
        painter->setClipPath(shape);
    const QRectF source = m_stretch ? QRectF(m_image.rect()) : fillSource(m_image.size(), box.size());
    painter->drawImage(box, m_image, source);
}

void StorybookPicture::setName(const QString &name)
{
    if (!assignChanged(m_name, name))
        return;
    m_image = StorybookArtwork::image(m_name);
    emit nameChanged();
    update();
}

void StorybookPicture::setRadius(qreal radius)
{
    if (!assignChanged(m_radius, radius))
        return;
    emit radiusChanged();
    update();
}

void StorybookPicture::setStretch(bool stretch)
{
    if (!assignChanged(m_stretch, stretch))
        return;
    emit stretchChanged();
    update();
}

#include "StorybookPicture.h"

#include "AppTheme.h"
#include "Assign.h"
#include "BandedPictureNode.h"
#include "PaintedBox.h"
#include "PaintedPicture.h"
#include "PictureCache.h"
#include "StorybookArtwork.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QSGImageNode>

#include <cmath>

StorybookPicture::StorybookPicture(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

StorybookPicture::~StorybookPicture()
{
    forgetPrepared();
    holdAhead({});
}

QRectF StorybookPicture::fillSource(QSizeF imageSize, QSizeF frame)
{
    if (imageSize.isEmpty() || frame.isEmpty())
        return {};
    const qreal scale = qMax(frame.width() / imageSize.width(), frame.height() / imageSize.height());
    const QSizeF shown(frame.width() / scale, frame.height() / scale);
    return QRectF(QPointF((imageSize.width() - shown.width()) / 2, (imageSize.height() - shown.height()) / 2), shown);
}

QImage StorybookPicture::shownPicture(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    if (pixels.isEmpty())
        return {};
    QImage picture;
    if (!path.isEmpty()) {
        // The pictures are palette PNGs, which the reader can neither clip nor scale
        // while decoding: scaling the decoded palette picture takes Qt's slow
        // transformation path (about twice the whole decoding of a backdrop), so the
        // picture is turned into plain pixels first and only the part that is shown
        // is scaled, smoothly, to the size it is shown at.
        QImageReader reader(path);
        reader.setAutoTransform(true);
        picture = reader.read();
        if (!picture.isNull()) {
            picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            if (!stretch) {
                const QRect source = fillSource(picture.size(), pixels).toAlignedRect().intersected(picture.rect());
                if (source != picture.rect())
                    picture = picture.copy(source);
            }
            if (picture.size() != pixels)
                picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    const QRectF box(0, 0, pixels.width(), pixels.height());
    const qreal r = qMin(radius, qMin(box.width(), box.height()) / 2);
    // A picture that covers its whole frame is kept without an alpha channel: the
    // software renderer then copies it instead of blending it, and skips whatever lies
    // under it (a game's backdrop under every frame of the game).
    const bool opaque = r <= 0 && !picture.isNull() && !picture.hasAlphaChannel();
    QImage shown(pixels, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(box, r, r);
    if (picture.isNull()) {
        painter.fillPath(shape, PaintedBox::brush(Qt::transparent, AppTheme::artworkFallback(), PaintedBox::Diagonal));
    } else if (r > 0) {
        painter.fillPath(shape, QBrush(picture));
    } else {
        painter.drawImage(box, picture);
    }
    painter.end();
    return shown;
}

QSize StorybookPicture::pixelsOf(QSizeF size, qreal devicePixelRatio)
{
    return QSize(int(std::ceil(size.width() * devicePixelRatio)), int(std::ceil(size.height() * devicePixelRatio)));
}

void StorybookPicture::prepare(const QString &name, QSizeF size, qreal radius, bool stretch, qreal devicePixelRatio)
{
    const QString path = StorybookArtwork::filePath(name);
    if (!path.isEmpty())
        PictureCache::shared().prepare(path, pixelsOf(size, devicePixelRatio), radius * devicePixelRatio, stretch);
}

void StorybookPicture::forgetPrepared(const QString &name)
{
    const QString path = StorybookArtwork::filePath(name);
    if (!path.isEmpty())
        PictureCache::shared().forgetKept(path);
}

void StorybookPicture::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    // A size that comes back to the one shown (a layout tried another on the way) keeps
    // the picture shown and drops what was prepared for the size between.
    if (!m_shownPixels.isEmpty() && window()
        && pixelsOf(newGeometry.size(), window()->effectiveDevicePixelRatio()) == m_shownPixels) {
        m_dirty = false;
        forgetPrepared();
        update();
        return;
    }
    resized();
}

void StorybookPicture::repaint()
{
    m_shownPixels = {};
    resized();
}

void StorybookPicture::resized()
{
    m_dirty = true;
    update();
    // The first size in a window starts the decoding at once; sizes that follow before a
    // frame has taken the picture (a window being resized) wait for the frame's layout.
    const bool decodeNow = m_prepared.path.isEmpty() && isComponentComplete() && window();
    if (decodeNow)
        prepareShown();
    // The pictures ahead wait for the frame's layout, at whatever size.
    if (!decodeNow || !m_ahead.isEmpty())
        polish();
}

void StorybookPicture::componentComplete()
{
    QQuickItem::componentComplete();
    if (window()) {
        prepareShown();
        prepareAhead();
    }
}

void StorybookPicture::updatePolish()
{
    prepareShown();
    prepareAhead();
}

void StorybookPicture::prepareShown()
{
    if (!window() || !m_dirty || m_path.isEmpty())
        return;
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const Prepared wanted{m_path, pixelsOf(size(), dpr), m_radius * dpr, m_stretch};
    if (wanted.pixels.isEmpty() || wanted == m_prepared)
        return;
    forgetPrepared();
    m_prepared = wanted;
    PictureCache::shared().prepare(wanted.path, wanted.pixels, wanted.radius, wanted.stretch,
                                   PictureCache::Keep::UntilShown);
}

void StorybookPicture::prepareAhead()
{
    if (!window() || !isComponentComplete())
        return;
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize pixels = pixelsOf(size(), dpr);
    QList<Prepared> wanted;
    if (!pixels.isEmpty()) {
        for (const QString &name : std::as_const(m_ahead)) {
            const QString path = StorybookArtwork::filePath(name);
            if (!path.isEmpty() && path != m_path)
                wanted.append({path, pixels, m_radius * dpr, m_stretch});
        }
    }
    holdAhead(wanted);
}

void StorybookPicture::holdAhead(const QList<Prepared> &wanted)
{
    for (const Prepared &before : std::as_const(m_preparedAhead)) {
        if (!wanted.contains(before))
            PictureCache::shared().release(before.path, before.pixels, before.radius, before.stretch);
    }
    for (const Prepared &next : wanted) {
        if (!m_preparedAhead.contains(next))
            PictureCache::shared().hold(next.path, next.pixels, next.radius, next.stretch);
    }
    m_preparedAhead = wanted;
}

void StorybookPicture::forgetPrepared()
{
    if (!m_prepared.path.isEmpty())
        PictureCache::shared().forget(m_prepared.path, m_prepared.pixels, m_prepared.radius, m_prepared.stretch);
    m_prepared = {};
}

QSGNode *StorybookPicture::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize pixels = pixelsOf(size(), dpr);
    // Sampled at its nearest pixel, the software renderer draws the picture in bands.
    const bool banded = !smooth() && PaintedPicture::softwareRendered(window());
    if (pixels.isEmpty() || (old && (old->type() == QSGNode::TransformNodeType) != banded)) {
        delete old;
        old = nullptr;
        m_dirty = true;
        if (pixels.isEmpty())
            return nullptr;
    }
    const QRectF rect(0, 0, width(), height());
    if (m_dirty || !old) {
        m_dirty = false;
        // Decoded ahead where the page was prepared; kept for the next page that shows it.
        const QImage shown = PictureCache::shared().picture(m_path, pixels, m_radius * dpr, m_stretch);
        // Taken, or no longer wanted (the interface thread waits while the frame is
        // synchronised).
        if (m_prepared == Prepared{m_path, pixels, m_radius * dpr, m_stretch})
            m_prepared = {};
        else
            forgetPrepared();
        m_shownPixels = pixels;
        // The texture takes the pixels; no other copy is kept.
        QSGTexture *texture = window()->createTextureFromImage(shown);
        if (banded) {
            auto *node = old ? static_cast<BandedPictureNode *>(old) : new BandedPictureNode(window());
            node->setPicture(texture);
            old = node;
        } else {
            auto *node = static_cast<QSGImageNode *>(old);
            if (!node) {
                node = window()->createImageNode();
                node->setOwnsTexture(true);
            }
            node->setTexture(texture);
            old = node;
        }
    }
    if (banded) {
        static_cast<BandedPictureNode *>(old)->setRect(rect, QSizeF(pixels) == rect.size() * dpr);
        return old;
    }
    auto *node = static_cast<QSGImageNode *>(old);
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);
    node->setRect(rect);
    return node;
}

void StorybookPicture::setName(const QString &name)
{
    if (!assignChanged(m_name, name))
        return;
    m_path = StorybookArtwork::filePath(m_name);
    m_found = !m_path.isEmpty() && QImageReader(m_path).canRead();
    emit nameChanged();
    repaint();
}

void StorybookPicture::setRadius(qreal radius)
{
    if (!assignChanged(m_radius, radius))
        return;
    emit radiusChanged();
    repaint();
}

void StorybookPicture::setAhead(const QStringList &ahead)
{
    if (!assignChanged(m_ahead, ahead))
        return;
    emit aheadChanged();
    prepareAhead();
}

void StorybookPicture::setStretch(bool stretch)
{
    if (!assignChanged(m_stretch, stretch))
        return;
    emit stretchChanged();
    repaint();
}

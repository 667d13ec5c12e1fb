#include "PaintedPicture.h"

#include "RecentlyUsed.h"

#include <QMutex>
#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTransformNode>

#include <atomic>
#include <cmath>

namespace {

// The node of a picture in the software renderer: it shows the picture sampled at its
// nearest pixel wherever the picture lands pixel for pixel in the window (moved, and
// scaled by nothing above it but the scale it was painted at), and filtered where it
// does not. Moved by whole pixels or not, a picture drawn unscaled takes exactly the same
// pixels either way, but Qt's raster engine draws a filtered one through its general
// path, which splits every picture taller than 96 rows over its thread pool and waits
// for the pieces: a frame then also waits for those threads to be scheduled. Asked again
// before every frame, since what lies above (a page that shakes, a button that shrinks
// while pressed) changes without the item being told.
class SoftwarePictureNode : public QSGTransformNode
{
public:
    explicit SoftwarePictureNode(QSGImageNode *picture)
        : m_picture(picture)
    {
        setFlag(UsePreprocess);
        appendChildNode(picture);
    }

    QSGImageNode *picture() const { return m_picture; }
    void setLook(bool smooth, qreal paintedScale)
    {
        m_smooth = smooth;
        m_paintedScale = paintedScale;
        preprocess();
    }

    void preprocess() override
    {
        // Set only when it changes: the software renderer draws a node's area again for
        // every filtering set, even the one it had.
        const auto filtering = m_smooth && !drawnAsPainted() ? QSGTexture::Linear : QSGTexture::Nearest;
        if (m_picture->filtering() != filtering)
            m_picture->setFiltering(filtering);
    }

private:
    bool drawnAsPainted() const { return PaintedPicture::drawnAtScale(this, m_paintedScale); }

    QSGImageNode *m_picture;
    bool m_smooth = true;
    qreal m_paintedScale = 1;
};

// The pictures of a look (see PaintedPicture::look()) drawn lately. Asked for where the
// scene graph is synchronised, which each window's render thread may do.
class SharedPictures
{
public:
    static SharedPictures &instance()
    {
        static SharedPictures shared;
        return shared;
    }

    QImage find(const QString &key)
    {
        const QMutexLocker locker(&m_lock);
        const QImage *kept = m_recent.find(key);
        return kept ? *kept : QImage();
    }

    void keep(const QString &key, const QImage &picture)
    {
        const QMutexLocker locker(&m_lock);
        m_recent.keep(key, picture);
    }

private:
    QMutex m_lock;
    RecentlyUsed<QString, QImage> m_recent{PaintedPicture::sharedBudgetBytes,
                                           [](const QImage &picture) { return picture.sizeInBytes(); }};
};

std::atomic<int> paintedPictures{0};

} // namespace

int PaintedPicture::paintedCount()
{
    return paintedPictures.load(std::memory_order_relaxed);
}

bool PaintedPicture::softwareRendered(const QQuickWindow *window)
{
    return window && window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software;
}

bool PaintedPicture::drawnAtScale(const QSGNode *node, qreal scale)
{
    qreal a = 1, b = 0, c = 0, d = 1; // x' = a x + b y, y' = c x + d y
    for (const QSGNode *above = node->parent(); above; above = above->parent()) {
        if (above->type() != QSGNode::TransformNodeType)
            continue;
        const QMatrix4x4 &m = static_cast<const QSGTransformNode *>(above)->matrix();
        if (m(3, 0) != 0 || m(3, 1) != 0 || m(3, 3) != 1 || m(2, 0) != 0 || m(2, 1) != 0)
            return false;
        const qreal na = m(0, 0) * a + m(0, 1) * c, nb = m(0, 0) * b + m(0, 1) * d;
        const qreal nc = m(1, 0) * a + m(1, 1) * c, nd = m(1, 0) * b + m(1, 1) * d;
        a = na, b = nb, c = nc, d = nd;
    }
    // The matrices hold single-precision numbers.
    constexpr qreal tolerance = 1e-5;
    return std::abs(a / scale - 1) < tolerance && std::abs(d / scale - 1) < tolerance && std::abs(b) < tolerance
           && std::abs(c) < tolerance;
}

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

qreal PaintedPicture::shownScale() const
{
    if (m_ownSize || !softwareRendered(window()))
        return 1;
    bool ok = false;
    const QTransform shown = itemTransform(nullptr, &ok);
    if (!ok || shown.type() > QTransform::TxScale || shown.m11() != shown.m22())
        return 1;
    return shown.m11() >= minimumScale && shown.m11() < 1 ? shown.m11() : 1;
}

QSize PaintedPicture::pixels(qreal scale) const
{
    const qreal dpr = (window() ? window()->effectiveDevicePixelRatio() : 1.0) * scale;
    return QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
}

bool PaintedPicture::stale() const
{
    const qreal scale = shownScale();
    return m_dirty || scale != m_paintedScale || pixels(scale) != m_paintedPixels;
}

void PaintedPicture::checkShownScale()
{
    if (m_paintedScale >= 1) { // painted at its own size again meanwhile
        QObject::disconnect(m_scaleWatch);
        return;
    }
    bool ok = false;
    const QTransform shown = itemTransform(nullptr, &ok);
    constexpr qreal tolerance = 1e-5;
    if (ok && shown.type() <= QTransform::TxScale && shown.m11() <= m_paintedScale * (1 + tolerance)
        && shown.m22() <= m_paintedScale * (1 + tolerance))
        return;
    QObject::disconnect(m_scaleWatch);
    m_ownSize = true;
    repaint();
}

void PaintedPicture::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemDevicePixelRatioHasChanged)
        repaint();
    else if (change == ItemSceneChange)
        QObject::disconnect(m_scaleWatch);
    else if (change == ItemVisibleHasChanged && value.boolValue && stale())
        update();
}

QSGNode *PaintedPicture::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    const bool software = softwareRendered(window());
    auto *holder = software ? static_cast<SoftwarePictureNode *>(old) : nullptr;
    auto *node = software ? (holder ? holder->picture() : nullptr) : static_cast<QSGImageNode *>(old);
    const qreal scale = shownScale();
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize pixels = this->pixels(scale);
    if (pixels.isEmpty()) {
        delete old;
        return nullptr;
    }
    // A hidden item still gets its node, never drawn: its picture (which, never drawn,
    // would never be handed to the driver and let go either) waits until it shows.
    if (!isVisible() && (stale() || !node))
        return old;
    if (stale() || !node) {
        m_dirty = false;
        m_paintedPixels = pixels;
        m_paintedScale = scale;
        const QString look = this->look();
        const QString key = look.isEmpty() ? QString()
                                           : QStringLiteral("%1 %2x%3 %4 %5")
                                                 .arg(look)
                                                 .arg(pixels.width())
                                                 .arg(pixels.height())
                                                 .arg(scale)
                                                 .arg(dpr);
        QImage picture = key.isEmpty() ? QImage() : SharedPictures::instance().find(key);
        if (picture.isNull()) {
            picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            picture.setDevicePixelRatio(dpr);
            {
                // Scaled by hand: a painter leaves a picture's pixel ratio below 1 unapplied.
                QPainter painter(&picture);
                painter.scale(scale, scale);
                paint(&painter);
            }
            paintedPictures.fetch_add(1, std::memory_order_relaxed);
            if (!key.isEmpty())
                SharedPictures::instance().keep(key, picture);
        }
        if (!node) {
            node = window()->createImageNode();
            node->setOwnsTexture(true);
            if (software)
                holder = new SoftwarePictureNode(node);
        }
        // The texture takes the pixels and lets them go once they are uploaded (a shared
        // picture stays with the shared ones).
        node->setTexture(window()->createTextureFromImage(picture));
        // Pixel for pixel: the last column and row may reach a little past the item.
        node->setRect(QRectF(0, 0, pixels.width() / (dpr * scale), pixels.height() / (dpr * scale)));
        if (scale < 1 && !m_scaleWatch)
            m_scaleWatch = connect(window(), &QQuickWindow::afterAnimating, this, &PaintedPicture::checkShownScale);
    }
    if (holder) {
        holder->setLook(smooth(), m_paintedScale);
        return holder;
    }
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);
    return node;
}

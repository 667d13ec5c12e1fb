#include "SoftShadow.h"

#include "Assign.h"
#include "ImageBlur.h"

#include <QHash>
#include <QSet>
#include <QThreadPool>
#include <QWaitCondition>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QSGImageNode>

#include <algorithm>
#include <cmath>
#include <list>

namespace {

// The shadow pictures painted so far, by their arguments, the most recently used
// first. Pictures that shadows on screen hold stay shared through QImage's own sharing
// even when they leave the list; the list keeps recent ones for the next screen.
class ShadowCache
{
public:
    static QString keyOf(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
    {
        return QStringLiteral("%1x%2 r%3 b%4 c%5 d%6")
            .arg(size.width())
            .arg(size.height())
            .arg(radius)
            .arg(blur)
            .arg(color.rgba(), 0, 16)
            .arg(dpr);
    }

    QImage get(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
    {
        const QString key = keyOf(size, radius, blur, color, dpr);
        QMutexLocker lock(&m_mutex);
        while (m_painting.contains(key))
            m_done.wait(&m_mutex);
        for (auto it = m_recent.begin(); it != m_recent.end(); ++it) {
            if (it->first == key) {
                m_recent.splice(m_recent.begin(), m_recent, it);
                return it->second;
            }
        }
        // Not painted yet (or a worker has not started on it): painted here.
        m_queued.remove(key);
        m_painting.insert(key);
        lock.unlock();
        const QImage picture = SoftShadow::render(size, radius, blur, color, dpr);
        lock.relock();
        keep(key, picture);
        return picture;
    }

    // Starts painting the picture on a worker unless it is painted or under way.
    void prepare(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
    {
        const QString key = keyOf(size, radius, blur, color, dpr);
        {
            QMutexLocker lock(&m_mutex);
            if (m_queued.contains(key) || m_painting.contains(key)
                || std::any_of(m_recent.begin(), m_recent.end(), [&](const auto &entry) { return entry.first == key; }))
                return;
            m_queued.insert(key);
        }
        QThreadPool::globalInstance()->start([this, key, size, radius, blur, color, dpr] {
            {
                QMutexLocker lock(&m_mutex);
                if (!m_queued.remove(key))
                    return; // taken by an asker
                m_painting.insert(key);
            }
            const QImage picture = SoftShadow::render(size, radius, blur, color, dpr);
            QMutexLocker lock(&m_mutex);
            keep(key, picture);
        });
    }

    int painted()
    {
        QMutexLocker lock(&m_mutex);
        return m_painted;
    }

private:
    // Keeps a picture just painted (the mutex held) and lets its waiters have it.
    void keep(const QString &key, const QImage &picture)
    {
        m_painting.remove(key);
        ++m_painted;
        m_recent.emplace_front(key, picture);
        m_bytes += picture.sizeInBytes();
        while (m_bytes > maxBytes && m_recent.size() > 1) {
            m_bytes -= m_recent.back().second.sizeInBytes();
            m_recent.pop_back();
        }
        m_done.wakeAll();
    }

    static constexpr qsizetype maxBytes = 8 * 1024 * 1024;
    QMutex m_mutex;
    QWaitCondition m_done;
    QSet<QString> m_queued;   // to be painted by a worker
    QSet<QString> m_painting; // being painted
    std::list<std::pair<QString, QImage>> m_recent;
    qsizetype m_bytes = 0;
    int m_painted = 0;
};

ShadowCache &cache()
{
    static ShadowCache *shared = new ShadowCache; // used from the render thread until the end
    return *shared;
}

} // namespace

SoftShadow::SoftShadow(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

QImage SoftShadow::shared(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
{
    return cache().get(size, radius, blur, color, dpr);
}

int SoftShadow::paintedCount()
{
    return cache().painted();
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
    const qreal r = qMin(radius, qMin(size.width(), size.height()) / 2);
    const qreal sigma = blur / 2 * dpr;
    // Between the rounded corners the shape is the same in every column (and row), and
    // so is its blur wherever the blur reaches no corner: only a shape whose straight
    // sides are cut down to what the blur needs is painted and blurred, and its middle
    // column and row are repeated back to the whole size. The picture comes out the
    // same, pixel for pixel, at a fraction of the work for a large card.
    const int reach = 3 * ImageBlur::boxRadius(sigma);
    const int straightFrom = int(std::ceil((m + r) * dpr)) + 1;
    const auto cut = [&](qreal side) {
        const int straightTo = int(std::floor((m + side - r) * dpr)) - 2;
        return qMax(0, straightTo - straightFrom - 2 * reach - 2);
    };
    const QPoint removed(cut(size.width()), cut(size.height()));
    const QSizeF painted(size.width() - removed.x() / dpr, size.height() - removed.y() / dpr);

    QImage mask(pixels - QSize(removed.x(), removed.y()), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        QPainterPath path;
        path.addRoundedRect(QRectF(QPointF(m, m), painted), r, r);
        p.fillPath(path, Qt::black);
    }
    ImageBlur::gaussian(mask, sigma);
    QImage small(mask.size(), QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    {
        QPainter p(&small);
        p.drawImage(0, 0, mask);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(small.rect(), color);
    }

    // The column (and row) repeated is the first whose blur reaches no corner.
    const int repeated = straightFrom + reach;
    const auto source = [&](int at, int count) { return at <= repeated ? at : at <= repeated + count ? repeated : at - count; };
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    const int left = qMin(repeated + 1, small.width());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(small.constScanLine(source(y, removed.y())));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        std::copy(in, in + left, out);
        if (removed.x() > 0)
            std::fill(out + left, out + left + removed.x(), in[repeated]);
        std::copy(in + left, in + small.width(), out + left + removed.x());
    }
    result.setDevicePixelRatio(dpr);
    return result;
}

void SoftShadow::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        m_pictureDirty = true;
        update();
        polish();
    }
}

void SoftShadow::updatePolish()
{
    if (m_pictureDirty && window() && !size().isEmpty())
        cache().prepare(size(), m_cornerRadius, m_blur, m_color, window()->effectiveDevicePixelRatio());
}

QSGNode *SoftShadow::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(old);
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    if (m_pictureDirty) {
        m_pictureDirty = false;
        const QImage picture = shared(size(), m_cornerRadius, m_blur, m_color, dpr);
        if (picture.isNull()) {
            delete node;
            m_picture = {};
            return nullptr;
        }
        if (!node || picture.cacheKey() != m_picture.cacheKey()) {
            if (!node) {
                node = window()->createImageNode();
                node->setOwnsTexture(true);
                // A blurred picture looks the same sampled at its nearest pixel, also
                // where the shadow is drawn scaled or at a fraction of a pixel; the
                // software renderer then blends it in one pass on the interface thread
                // instead of filtering it on the thread pool of Qt's raster engine.
                node->setFiltering(QSGTexture::Nearest);
            }
            node->setTexture(window()->createTextureFromImage(picture));
            m_picture = picture;
        }
    }
    if (!node)
        return nullptr;
    const int m = margin(m_blur);
    node->setRect(QRectF(m_offsetX - m, m_offsetY - m, width() + 2 * m, height() + 2 * m));
    return node;
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
    m_pictureDirty = true;
    update();
    polish();
    emit styleChanged();
}

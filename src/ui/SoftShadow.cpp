#include "SoftShadow.h"

#include "Assign.h"
#include "ImageBlur.h"

#include <QElapsedTimer>
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
#include <QSGNode>

#include <algorithm>
#include <array>
#include <cmath>
#include <list>
#include <memory>

namespace {

// The shadow pictures painted so far, by their arguments, the most recently used
// first. Pictures that shadows on screen hold stay shared through QImage's own sharing
// even when they leave the list; the list keeps recent ones for the next screen, until
// the screens that showed them have gone (releaseUnused).
class ShadowCache
{
public:
    ShadowCache() { m_clock.start(); }

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
            if (it->key == key) {
                it->used = m_clock.elapsed();
                m_recent.splice(m_recent.begin(), m_recent, it);
                return it->picture;
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
                || std::any_of(m_recent.begin(), m_recent.end(), [&](const Entry &entry) { return entry.key == key; }))
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

    // Lets go of the pictures no shadow shows: a page's shadows are painted again, on
    // workers, the next time it is built. What was painted or asked for in the last
    // moment stays (a page being built now takes its prepared shadows at its first frame).
    void releaseUnused()
    {
        constexpr qint64 justUsedMs = 1000;
        QMutexLocker lock(&m_mutex);
        const qint64 now = m_clock.elapsed();
        for (auto it = m_recent.begin(); it != m_recent.end();) {
            if (it->picture.isDetached() && now - it->used >= justUsedMs) {
                m_bytes -= it->picture.sizeInBytes();
                it = m_recent.erase(it);
            } else {
                ++it;
            }
        }
    }

private:
    // Keeps a picture just painted (the mutex held) and lets its waiters have it.
    void keep(const QString &key, const QImage &picture)
    {
        m_painting.remove(key);
        ++m_painted;
        m_recent.push_front({key, picture, m_clock.elapsed()});
        m_bytes += picture.sizeInBytes();
        while (m_bytes > maxBytes && m_recent.size() > 1) {
            m_bytes -= m_recent.back().picture.sizeInBytes();
            m_recent.pop_back();
        }
        m_done.wakeAll();
    }

    struct Entry
    {
        QString key;
        QImage picture;
        qint64 used; // on m_clock, when last painted or asked for
    };

    static constexpr qsizetype maxBytes = 2 * 1024 * 1024;
    // A plain monotonic timer, read under the mutex: workers stamp the pictures they
    // paint, and the program's Clock is read on the interface thread only.
    QElapsedTimer m_clock;
    QMutex m_mutex;
    QWaitCondition m_done;
    QSet<QString> m_queued;   // to be painted by a worker
    QSet<QString> m_painting; // being painted
    std::list<Entry> m_recent;
    qsizetype m_bytes = 0;
    int m_painted = 0;
};

// A shadow drawn from its picture with the middle taken out: nine pieces of one
// texture, the corners as they are, the pieces between them stretched from the one
// column or row that repeats. Sampled at the nearest pixel, a stretched column shows
// the same pixels as the whole picture would. (A transform node: the software
// renderer places pieces added later under the state of their parent, which it keeps
// for transform nodes and not for plain ones.)
class ShadowNode : public QSGTransformNode
{
public:
    ~ShadowNode() override
    {
        // The pieces go before the texture they show.
        while (QSGNode *piece = firstChild())
            delete piece;
    }

    // Lays the pieces of a picture of `pixels` out over `rect`, where the whole picture
    // (pixels plus what `cut` removed) is shown; a new `texture` (taken over) replaces
    // the one they show.
    void place(QQuickWindow *window, QSGTexture *texture, QSize pixels, SoftShadow::Cut cut, const QRectF &rect)
    {
        // The texture replaced goes once no piece shows it: the renderer compares a
        // piece's new material with its siblings' as it is set.
        std::unique_ptr<QSGTexture> replaced;
        if (texture) {
            replaced = std::move(m_texture);
            m_texture.reset(texture);
        }
        // Along each axis: [from, to) of the whole picture, shown from [at, at + length).
        struct Span { int from, to; qreal at, length; };
        const auto spans = [](int size, int repeated, int removed) {
            const int kept = qMin(repeated + 1, size);
            return std::array<Span, 3>{Span{0, kept, 0, qreal(kept)},
                                       Span{kept, kept + removed, qreal(repeated), 1},
                                       Span{kept + removed, size + removed, qreal(kept), qreal(size - kept)}};
        };
        const auto across = spans(pixels.width(), cut.repeated, cut.removed.x());
        const auto down = spans(pixels.height(), cut.repeated, cut.removed.y());
        const qreal sx = rect.width() / (pixels.width() + cut.removed.x());
        const qreal sy = rect.height() / (pixels.height() + cut.removed.y());
        const bool software = window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software;
        auto *piece = static_cast<QSGImageNode *>(firstChild());
        for (const Span &row : down) {
            for (const Span &column : across) {
                if (row.to <= row.from || column.to <= column.from)
                    continue;
                const bool added = !piece;
                if (added) {
                    piece = window->createImageNode();
                    piece->setOwnsTexture(false);
                    // A blurred picture looks the same sampled at its nearest pixel,
                    // also where the shadow is drawn scaled or at a fraction of a pixel;
                    // the software renderer then blends it in one pass on the interface
                    // thread instead of filtering it on the thread pool of Qt's raster
                    // engine. With OpenGL it is filtered as every other picture is, so
                    // it needs no drawing routine of its own (a software OpenGL driver
                    // builds one for each as a screen first shows it).
                    piece->setFiltering(software ? QSGTexture::Nearest : QSGTexture::Linear);
                }
                piece->setTexture(m_texture.get());
                piece->setSourceRect(QRectF(column.at, row.at, column.length, row.length));
                piece->setRect(QRectF(rect.x() + column.from * sx, rect.y() + row.from * sy,
                                      (column.to - column.from) * sx, (row.to - row.from) * sy));
                if (added) // whole before the renderer sees it
                    appendChildNode(piece);
                piece = static_cast<QSGImageNode *>(piece->nextSibling());
            }
        }
        while (piece) { // pieces a larger shadow had
            QSGNode *next = piece->nextSibling();
            delete piece;
            piece = static_cast<QSGImageNode *>(next);
        }
    }

private:
    std::unique_ptr<QSGTexture> m_texture;
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

void SoftShadow::releaseUnused()
{
    cache().releaseUnused();
}

int SoftShadow::margin(qreal blur)
{
    return int(std::ceil(qMax<qreal>(0, blur) * 1.5)) + 1;
}

SoftShadow::Cut SoftShadow::cut(QSizeF size, qreal radius, qreal blur, qreal dpr)
{
    const int m = margin(blur);
    const qreal r = qMin(radius, qMin(size.width(), size.height()) / 2);
    // Between the rounded corners the shape is the same in every column (and row), and
    // so is its blur wherever the blur reaches no corner: that stretch of columns (rows)
    // is one column (row) repeated, and only the shape without it is painted and blurred.
    const int reach = 3 * ImageBlur::boxRadius(blur / 2 * dpr);
    const int straightFrom = int(std::ceil((m + r) * dpr)) + 1;
    const auto removed = [&](qreal side) {
        const int straightTo = int(std::floor((m + side - r) * dpr)) - 2;
        return qMax(0, straightTo - straightFrom - 2 * reach - 2);
    };
    // The column (and row) repeated is the first whose blur reaches no corner.
    return {straightFrom + reach, QPoint(removed(size.width()), removed(size.height()))};
}

QImage SoftShadow::render(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal dpr)
{
    const int m = margin(blur);
    const QSize pixels(int(std::ceil((size.width() + 2 * m) * dpr)), int(std::ceil((size.height() + 2 * m) * dpr)));
    if (pixels.isEmpty() || size.isEmpty())
        return {};
    const qreal r = qMin(radius, qMin(size.width(), size.height()) / 2);
    const Cut c = cut(size, radius, blur, dpr);
    const QSizeF painted(size.width() - c.removed.x() / dpr, size.height() - c.removed.y() / dpr);

    QImage mask(pixels - QSize(c.removed.x(), c.removed.y()), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        QPainterPath path;
        path.addRoundedRect(QRectF(QPointF(m, m), painted), r, r);
        p.fillPath(path, Qt::black);
    }
    return ImageBlur::shadow(std::move(mask), blur / 2 * dpr, color);
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
    auto *node = static_cast<ShadowNode *>(old);
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    QSGTexture *texture = nullptr; // a new one for the node
    if (m_pictureDirty) {
        m_pictureDirty = false;
        const QImage picture = shared(size(), m_cornerRadius, m_blur, m_color, dpr);
        if (picture.isNull()) {
            delete node;
            m_picture = {};
            return nullptr;
        }
        if (!node || picture.cacheKey() != m_picture.cacheKey()) {
            if (!node)
                node = new ShadowNode;
            texture = window()->createTextureFromImage(picture);
            m_picture = picture;
            m_cut = cut(size(), m_cornerRadius, m_blur, dpr);
        }
    }
    if (!node)
        return nullptr;
    const int m = margin(m_blur);
    node->place(window(), texture, m_picture.size(), m_cut,
                QRectF(m_offsetX - m, m_offsetY - m, width() + 2 * m, height() + 2 * m));
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

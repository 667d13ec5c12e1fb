#include "FrostedSnapshot.h"

#include "ImageBlur.h"

#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The still is taken at half the item's size: the blur leaves nothing that needs more.
constexpr qreal kGrabScale = 0.5;

} // namespace

FrostedSnapshot::FrostedSnapshot(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    connect(&m_blurring, &QFutureWatcher<QImage>::finished, this, [this] {
        if (m_blurring.future().isValid() && !m_blurring.isCanceled() && m_blurring.future().resultCount() > 0)
            setPicture(m_blurring.result());
    });
}

FrostedSnapshot::~FrostedSnapshot()
{
    // A blur still running finishes on its worker with nobody to receive it.
    m_blurring.disconnect(this);
}

void FrostedSnapshot::setSource(QQuickItem *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        // Sizes change while the window lays out a frame: the picture is asked for after it.
        const auto retry = [this] {
            if (m_waitingForSource)
                QMetaObject::invokeMethod(this, [this] { if (m_waitingForSource) capture(); }, Qt::QueuedConnection);
        };
        connect(m_source, &QQuickItem::widthChanged, this, retry);
        connect(m_source, &QQuickItem::heightChanged, this, retry);
        connect(m_source, &QQuickItem::windowChanged, this, retry);
    }
    emit sourceChanged();
}

void FrostedSnapshot::setRadius(qreal radius)
{
    if (qFuzzyCompare(m_radius, radius))
        return;
    m_radius = radius;
    emit radiusChanged();
}

QImage FrostedSnapshot::blurred(QImage grab, qreal radius, qreal scale)
{
    if (grab.isNull())
        return {};
    grab.convertTo(QImage::Format_ARGB32_Premultiplied);
    ImageBlur::gaussian(grab, radius * scale);
    return grab;
}

void FrostedSnapshot::capture()
{
    ++m_generation;
    m_grab.reset();
    // A source not laid out yet is taken as soon as it has a size.
    m_waitingForSource = !m_source || !m_source->window() || m_source->width() <= 0 || m_source->height() <= 0;
    if (m_waitingForSource)
        return;
    const qreal dpr = m_source->window()->effectiveDevicePixelRatio();
    const QSize size(qMax(1, qRound(m_source->width() * dpr * kGrabScale)),
                     qMax(1, qRound(m_source->height() * dpr * kGrabScale)));
    m_grab = m_source->grabToImage(size);
    if (!m_grab)
        return;
    const quint64 generation = m_generation;
    connect(m_grab.data(), &QQuickItemGrabResult::ready, this, [this, generation] {
        if (generation == m_generation)
            grabbed();
    });
}

void FrostedSnapshot::grabbed()
{
    const QImage grab = m_grab ? m_grab->image() : QImage();
    m_grab.reset();
    if (grab.isNull() || !m_source)
        return;
    const qreal scale = grab.width() / qMax<qreal>(1, m_source->width());
    // Brought to the pixels it covers on the worker as well: drawn at its own size, each
    // frame of the fade copies the picture instead of scaling it up.
    const QSize shown = pixels();
    m_blurring.setFuture(QtConcurrent::run([grab, radius = m_radius, scale, shown] {
        const QImage picture = blurred(grab, radius, scale);
        return shown.isEmpty() ? picture : picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }));
}

QSize FrostedSnapshot::pixels() const
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    return QSize(qRound(width() * dpr), qRound(height() * dpr));
}

void FrostedSnapshot::clear()
{
    ++m_generation;
    m_waitingForSource = false;
    m_grab.reset();
    if (m_blurring.isRunning())
        m_blurring.cancel();
    m_blurring.setFuture(QFuture<QImage>());
    setPicture({});
}

void FrostedSnapshot::setPicture(const QImage &picture)
{
    const bool wasReady = isReady();
    m_picture = picture;
    m_pictureChanged = true;
    update();
    if (wasReady != isReady())
        emit readyChanged();
}

QSGNode *FrostedSnapshot::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_picture.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        m_pictureChanged = true;
    }
    if (m_pictureChanged) {
        node->setTexture(window()->createTextureFromImage(m_picture));
        m_pictureChanged = false;
    }
    // Filtered only where the item's size has changed since the capture.
    node->setFiltering(m_picture.size() == pixels() ? QSGTexture::Nearest : QSGTexture::Linear);
    node->setRect(boundingRect());
    return node;
}

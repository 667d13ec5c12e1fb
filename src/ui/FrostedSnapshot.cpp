#include "FrostedSnapshot.h"

#include "BandedPictureNode.h"
#include "ImageBlur.h"
#include "PaintedPicture.h"

#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGOpacityNode>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The blur works at half the item's size: it leaves nothing that needs more.
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
    setTaken(false);
    // A source not laid out yet is taken as soon as it has a size.
    m_waitingForSource = !m_source || !m_source->window() || m_source->width() <= 0 || m_source->height() <= 0;
    if (m_waitingForSource)
        return;
    QQuickWindow *window = m_source->window();
    if (!window->isVisible()) { // no frame comes: the grab says there is nothing to take
        grab();
        return;
    }
    // Taken in the frame after the next: the next one shows what the event that asked
    // for the still did (the tap that ended a play), and drawing the source once more in
    // it as well held the window up for both.
    const quint64 generation = m_generation;
    connect(
        window, &QQuickWindow::frameSwapped, this,
        [this, generation] {
            if (generation == m_generation)
                grab();
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    window->update();
}

void FrostedSnapshot::grab()
{
    // One grab, the sharp still: the blurred one is made from it on the worker. A second
    // grab at the blur's size drew the whole source again in the frame the play ended.
    m_grab = m_source && m_source->window() ? m_source->grabToImage(pixels()) : nullptr;
    if (!m_grab) { // no source in a shown window: there is nothing to take
        setTaken(true);
        return;
    }
    const quint64 generation = m_generation;
    connect(m_grab.data(), &QQuickItemGrabResult::ready, this, [this, generation] {
        if (generation == m_generation)
            grabbed();
    });
}

void FrostedSnapshot::grabbed()
{
    m_sharp = m_grab ? m_grab->image() : QImage();
    m_grab.reset();
    m_pictureChanged = true;
    update();
    setTaken(true);
    if (m_sharp.isNull() || !m_source)
        return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize small(qMax(1, qRound(m_source->width() * dpr * kGrabScale)),
                      qMax(1, qRound(m_source->height() * dpr * kGrabScale)));
    const qreal scale = small.width() / qMax<qreal>(1, m_source->width());
    // Brought to the pixels it covers on the worker as well: drawn at its own size, each
    // frame of the fade copies the picture instead of scaling it up.
    const QSize shown = pixels();
    m_blurring.setFuture(QtConcurrent::run([sharp = m_sharp, small, radius = m_radius, scale, shown] {
        const QImage picture = blurred(sharp.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), radius, scale);
        return shown.isEmpty() ? picture : picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }));
}

QSize FrostedSnapshot::pixels() const
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    return QSize(qRound(width() * dpr), qRound(height() * dpr));
}

void FrostedSnapshot::setProgress(qreal progress)
{
    progress = qBound<qreal>(0, progress, 1);
    if (qFuzzyCompare(m_progress, progress))
        return;
    m_progress = progress;
    // Fully covered, the sharp still is no longer wanted.
    if (m_progress >= 1 && !m_sharp.isNull()) {
        m_sharp = QImage();
        m_pictureChanged = true;
    }
    update();
    emit progressChanged();
}

void FrostedSnapshot::clear()
{
    ++m_generation;
    m_waitingForSource = false;
    m_grab.reset();
    if (m_blurring.isRunning())
        m_blurring.cancel();
    m_blurring.setFuture(QFuture<QImage>());
    const bool wasReady = isReady();
    m_sharp = QImage();
    m_picture = QImage();
    m_pictureChanged = true;
    update();
    setTaken(false);
    if (wasReady)
        emit readyChanged();
}

void FrostedSnapshot::setTaken(bool taken)
{
    if (m_taken == taken)
        return;
    m_taken = taken;
    emit takenChanged();
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

QSGNode *FrostedSnapshot::pictureNode(const QImage &image) const
{
    QSGTexture *texture = window()->createTextureFromImage(image);
    // At its own pixels in the software renderer, a still is drawn in bands: drawn whole
    // with the opacity of its fade, it was split over Qt's thread pool in every frame of
    // the fade. Filtered only where the item's size has changed since the capture.
    const bool rowForRow = image.size() == pixels();
    if (rowForRow && PaintedPicture::softwareRendered(window())) {
        auto *node = new BandedPictureNode(window());
        node->setPicture(texture);
        node->setRect(boundingRect(), true);
        return node;
    }
    QSGImageNode *node = window()->createImageNode();
    node->setOwnsTexture(true);
    node->setTexture(texture);
    node->setFiltering(rowForRow ? QSGTexture::Nearest : QSGTexture::Linear);
    node->setRect(boundingRect());
    return node;
}

QSGNode *FrostedSnapshot::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    // The sharp still under the blurred one, each under its opacity. Built afresh when a
    // still or the size changes, which happens a few times a play.
    if ((m_sharp.isNull() && m_picture.isNull()) || width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    if (!oldNode || m_pictureChanged || m_shownRect != boundingRect()) {
        delete oldNode;
        m_pictureChanged = false;
        m_shownRect = boundingRect();
        // Under a transform node: the software renderer draws children added to a plain
        // node later at the window's corner.
        oldNode = new QSGTransformNode;
        for (const QImage *still : {&m_sharp, &m_picture}) {
            auto *opacity = new QSGOpacityNode;
            if (!still->isNull())
                opacity->appendChildNode(pictureNode(*still));
            oldNode->appendChildNode(opacity);
        }
    }
    static_cast<QSGOpacityNode *>(oldNode->firstChild())->setOpacity(1 - m_progress);
    static_cast<QSGOpacityNode *>(oldNode->lastChild())->setOpacity(m_progress);
    return oldNode;
}

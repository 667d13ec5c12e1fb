#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QSharedPointer>
#include <QtQml/qqmlregistration.h>

class QQuickItemGrabResult;

// A softly blurred still of another item, for a screen that lies inert under a card.
// `capture()` takes a sharp still of `source` at this item's own size; off the interface
// thread it halves that still, blurs it and scales it back to this item's pixels, and
// shows both over this item's bounds (lay it over the source). `taken` turns true once
// the sharp still is in place: hide the source then, as this item shows that still,
// pixel for pixel what the source showed. `ready` turns true once the blurred one is in
// too, `progress` (0 to 1) being how far it has come in over the sharp one. Taking the
// still draws the whole source once more: it is taken in a frame of its own, after the
// one that shows what asked for it; change what else the window shows once it is taken.
// One still fades into the other: the source's items, each faded on its own, would make
// the software renderer draw every glyph through Qt's general path, split over its
// thread pool, in every frame of the fade. The sharp still goes once the blurred one has
// fully come in.
// The same pixels are drawn by the OpenGL and the software renderer alike: no shader.
class FrostedSnapshot : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(bool taken READ isTaken NOTIFY takenChanged FINAL)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged FINAL)
    Q_PROPERTY(qreal progress READ progress WRITE setProgress NOTIFY progressChanged FINAL)

public:
    explicit FrostedSnapshot(QQuickItem *parent = nullptr);
    ~FrostedSnapshot() override;

    QQuickItem *source() const { return m_source; }
    void setSource(QQuickItem *source);
    // The blur's standard deviation, in points of the source.
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    // Whether the sharp still is in, or none could be taken (the window is not shown):
    // nothing is then left to wait for.
    bool isTaken() const { return m_taken; }
    // The blurred still is made from the sharp one: once it is in, so is the sharp.
    bool isReady() const { return !m_picture.isNull(); }
    qreal progress() const { return m_progress; }
    void setProgress(qreal progress);

    // Takes a fresh picture of the source (once it is laid out, if it is not yet); the
    // one shown so far stays until the new one is taken.
    Q_INVOKABLE void capture();
    // Lets the picture go (and any capture still on its way).
    Q_INVOKABLE void clear();

    // The blurred picture made of `grab`, a picture of an item `scale` times its size.
    static QImage blurred(QImage grab, qreal radius, qreal scale);

signals:
    void sourceChanged();
    void radiusChanged();
    void takenChanged();
    void readyChanged();
    void progressChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    // Asks the window for the sharp still.
    void grab();
    void grabbed();
    void setPicture(const QImage &picture);
    void setTaken(bool taken);
    // A node drawing `image` over this item's bounds.
    QSGNode *pictureNode(const QImage &image) const;
    // This item's size in device pixels.
    QSize pixels() const;

    QPointer<QQuickItem> m_source;
    qreal m_radius = 8;
    QSharedPointer<QQuickItemGrabResult> m_grab;
    QFutureWatcher<QImage> m_blurring;
    quint64 m_generation = 0;
    bool m_waitingForSource = false;
    bool m_taken = false;
    QImage m_picture;
    // The sharp still, until the blurred one has fully come in.
    QImage m_sharp;
    qreal m_progress = 0;
    bool m_pictureChanged = false;
    QRectF m_shownRect;
};

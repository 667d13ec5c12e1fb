#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QSharedPointer>
#include <QtQml/qqmlregistration.h>

class QQuickItemGrabResult;

// A softly blurred still of another item, for a screen that lies inert under a card.
// `capture()` takes a picture of `source` at half its size, blurs it off the interface
// thread, scales it there to this item's own pixels and shows it over this item's
// bounds (lay it over the source);
// `ready` turns true once the blurred picture is in place, so a fade can start then.
// The same pixels are drawn by the OpenGL and the software renderer alike: no shader.
class FrostedSnapshot : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged FINAL)

public:
    explicit FrostedSnapshot(QQuickItem *parent = nullptr);
    ~FrostedSnapshot() override;

    QQuickItem *source() const { return m_source; }
    void setSource(QQuickItem *source);
    // The blur's standard deviation, in points of the source.
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    bool isReady() const { return !m_picture.isNull(); }

    // Takes a fresh picture of the source (once it is laid out, if it is not yet); the
    // one shown so far stays until the new one is blurred.
    Q_INVOKABLE void capture();
    // Lets the picture go (and any capture still on its way).
    Q_INVOKABLE void clear();

    // The blurred picture made of `grab`, a picture of an item `scale` times its size.
    static QImage blurred(QImage grab, qreal radius, qreal scale);

signals:
    void sourceChanged();
    void radiusChanged();
    void readyChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    void grabbed();
    void setPicture(const QImage &picture);
    // This item's size in device pixels.
    QSize pixels() const;

    QPointer<QQuickItem> m_source;
    qreal m_radius = 8;
    QSharedPointer<QQuickItemGrabResult> m_grab;
    QFutureWatcher<QImage> m_blurring;
    quint64 m_generation = 0;
    bool m_waitingForSource = false;
    QImage m_picture;
    bool m_pictureChanged = false;
};

#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class FullWindowLayerAttached;

// The part of the window that a page may fill whole (a player in full-window mode). The
// shell lays one over the whole window beneath its overlays, disables it while one lies
// over it and marks it `covered` while the lock (or the setup the lock leads to) does; an
// item finds the nearest layer above it through the attached `FullWindowLayer.layer`.
// Whatever a page moves into the layer therefore stays beneath the overlays, whatever its
// z, and takes no input while they lie over it.
class FullWindowLayer : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(FullWindowLayerAttached)
    Q_PROPERTY(bool covered READ covered WRITE setCovered NOTIFY coveredChanged)
public:
    explicit FullWindowLayer(QQuickItem *parent = nullptr);

    // The play time is up and the lock lies over the layer: what plays in it stops.
    bool covered() const { return m_covered; }
    void setCovered(bool covered);

    // The nearest layer that holds `item`, or none.
    static FullWindowLayer *of(const QQuickItem *item);
    static FullWindowLayerAttached *qmlAttachedProperties(QObject *object);

signals:
    void coveredChanged();

private:
    bool m_covered = false;
};

// FullWindowLayer.layer of an item: found again whenever the item moves to another
// parent or window.
class FullWindowLayerAttached : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(FullWindowLayer *layer READ layer NOTIFY layerChanged)
public:
    explicit FullWindowLayerAttached(QObject *owner);

    FullWindowLayer *layer() const { return m_layer; }

signals:
    void layerChanged();

private:
    void find();

    QPointer<QQuickItem> m_item;
    QPointer<FullWindowLayer> m_layer;
};

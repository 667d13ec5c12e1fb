#include "FullWindowLayer.h"

#include <QQuickWindow>

FullWindowLayer::FullWindowLayer(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void FullWindowLayer::setCovered(bool covered)
{
    if (m_covered == covered)
        return;
    m_covered = covered;
    emit coveredChanged();
}

FullWindowLayer *FullWindowLayer::of(const QQuickItem *item)
{
    for (QQuickItem *above = item ? item->parentItem() : nullptr; above; above = above->parentItem()) {
        if (auto *layer = qobject_cast<FullWindowLayer *>(above))
            return layer;
    }
    return nullptr;
}

FullWindowLayerAttached *FullWindowLayer::qmlAttachedProperties(QObject *object)
{
    return new FullWindowLayerAttached(object);
}

FullWindowLayerAttached::FullWindowLayerAttached(QObject *owner)
    : QObject(owner)
    , m_item(qobject_cast<QQuickItem *>(owner))
{
    if (m_item) {
        connect(m_item, &QQuickItem::parentChanged, this, &FullWindowLayerAttached::find);
        connect(m_item, &QQuickItem::windowChanged, this, &FullWindowLayerAttached::find);
    }
    find();
}

void FullWindowLayerAttached::find()
{
    FullWindowLayer *layer = FullWindowLayer::of(m_item);
    if (layer == m_layer)
        return;
    m_layer = layer;
    emit layerChanged();
}

#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class QSGTextureProvider;

// Shows the picture of a texture provider (an item's layer) stretched over its own
// bounds, for a picture that covers everything beneath it. While it is fully opaque
// it is copied over the window without blending: the scene graph blends every
// layer's picture otherwise (a layer may be transparent anywhere), and a software
// OpenGL driver then reads back and mixes every pixel beneath, frame after frame.
// Under any opacity below one it fades as any picture does. A pixel the picture
// leaves transparent shows black where it is copied, so use it only over a picture
// with an opaque backdrop. With OpenGL the layer paints into a texture laid out as the
// window's pixels are, which such a driver copies onto the window row by row.
class OpaquePicture : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *source READ source WRITE setSource NOTIFY sourceChanged FINAL)

public:
    explicit OpaquePicture(QQuickItem *parent = nullptr);

    QQuickItem *source() const { return m_source; }
    void setSource(QQuickItem *source);

signals:
    void sourceChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    QPointer<QQuickItem> m_source;
    QPointer<QSGTextureProvider> m_provider;
};

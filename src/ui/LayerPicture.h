#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class QSGTextureProvider;

// Shows the picture of a texture provider (an item's layer) stretched over its own
// bounds. With OpenGL the layer paints into a texture laid out as the window's pixels
// are, which a software OpenGL driver copies onto the window row by row, and which it
// draws, and paints into, in the same ways as the window: each way of drawing that
// differs only in the layout is a program of its own there, which llvmpipe compiles on
// the render thread when first drawn (some 10-40 ms each). A picture that covers everything
// beneath it is copied over the window without blending while it is fully opaque: the
// scene graph blends every layer's picture otherwise (a layer may be transparent
// anywhere), and such a driver then reads back and mixes every pixel beneath, frame
// after frame; a pixel the picture leaves transparent shows black where it is copied,
// so use that only over a picture with an opaque backdrop. A `translucent` picture is
// always blended, as any layer's picture is. Under any opacity below one either fades
// as any picture does.
class LayerPicture : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(bool translucent READ translucent WRITE setTranslucent NOTIFY translucentChanged FINAL)

public:
    explicit LayerPicture(QQuickItem *parent = nullptr);

    QQuickItem *source() const { return m_source; }
    void setSource(QQuickItem *source);
    bool translucent() const { return m_translucent; }
    void setTranslucent(bool translucent);

signals:
    void sourceChanged();
    void translucentChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    QPointer<QQuickItem> m_source;
    QPointer<QSGTextureProvider> m_provider;
    bool m_translucent = false;
};

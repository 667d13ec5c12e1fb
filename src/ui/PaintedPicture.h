#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class QPainter;

// An item drawn with a painter once per size or look, as a QQuickPaintedItem is, whose
// picture goes straight into its texture. A QQuickPaintedItem keeps its own image beside
// the texture for as long as it lives, so with OpenGL (whose software driver holds a
// texture in main memory too) every painted pixel was held twice. Call repaint() when
// what paint() draws changes; a new size or pixel ratio repaints by itself, and a scene
// graph made afresh paints again what it lost. A hidden item is painted once it shows.
class PaintedPicture : public QQuickItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit PaintedPicture(QQuickItem *parent = nullptr);

    // Draws the item in its own coordinates; the painter is scaled to the pixels.
    virtual void paint(QPainter *painter) = 0;
    // Paints the picture again for the next frame.
    void repaint();

protected:
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    // The item's size in pixels in its window.
    QSize pixels() const;
    // Whether the picture shown is not the one paint() would draw now.
    bool stale() const;

    bool m_dirty = true;   // what paint() draws has changed
    QSize m_paintedPixels; // the size of the picture shown
};

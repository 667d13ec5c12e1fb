#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class QPainter;
class QSGNode;

// An item drawn with a painter once per size or look, as a QQuickPaintedItem is, whose
// picture goes straight into its texture. A QQuickPaintedItem keeps its own image beside
// the texture for as long as it lives, so with OpenGL (whose software driver holds a
// texture in main memory too) every painted pixel was held twice. Call repaint() when
// what paint() draws changes; a new size or pixel ratio repaints by itself, and a scene
// graph made afresh paints again what it lost. A hidden item is painted once it shows.
// In the software renderer, a picture that something above draws smaller (a game page
// drawn smaller to fit its window) is painted at the size it is shown, and so drawn
// pixel for pixel instead of resampled in every frame that draws it. Pictures that look
// alike in many places (see look()) are painted once and shared while drawn lately.
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

    // Whether `window` draws with Qt Quick's software renderer.
    static bool softwareRendered(const QQuickWindow *window);
    // Whether the transforms above `node` scale what it draws by `scale`, and neither
    // turn it nor make it projective: the product of their linear parts is that scale.
    static bool drawnAtScale(const QSGNode *node, qreal scale);
    // How many pictures have been painted so far.
    static int paintedCount();

    // Room for the shared pictures drawn lately (see look()).
    static constexpr qsizetype sharedBudgetBytes = 4 * 1024 * 1024;

protected:
    // Names everything paint() draws at the item's size, for a picture that looks alike in
    // many places (a row of equal cards, the same screen built again for the next play):
    // the pictures of one look, size and scale are painted once and shared, and those drawn
    // lately are kept for the next item that looks the same, up to sharedBudgetBytes.
    // Empty (the default): the picture is the item's own.
    virtual QString look() const { return {}; }
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    // The scale the picture is to be painted at: what the transforms above make of the
    // item where that is a scale between minimumScale and 1, in the software renderer
    // only; else 1.
    qreal shownScale() const;
    // The item's size in pixels in its window, painted at `scale`.
    QSize pixels(qreal scale) const;
    // Whether the picture shown is not the one paint() would draw now.
    bool stale() const;
    // After each frame's animations, while the picture is painted smaller than the item:
    // a picture drawn larger than it was painted (the scale it was painted under did not
    // last: a button pressed as it was painted, a card growing in) is painted at its own
    // size from then on.
    void checkShownScale();

    static constexpr qreal minimumScale = 0.5;

    bool m_dirty = true;        // what paint() draws has changed
    QSize m_paintedPixels;      // the size of the picture shown
    qreal m_paintedScale = 1;   // the scale it was painted at
    bool m_ownSize = false;     // painted at its own size whatever the scale above
    QMetaObject::Connection m_scaleWatch;
};

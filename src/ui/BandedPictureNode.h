#pragma once

#include <QRectF>
#include <QSGTransformNode>

#include <memory>

class QQuickWindow;
class QSGTexture;

// A picture sampled at its nearest pixel in the software renderer, drawn as bands of
// rows. The renderer clips each node to the part of the frame that changed; where that
// part is not one rectangle, or where the picture is drawn with an opacity, Qt's raster
// engine draws a picture through its general path, which splits a draw of more than 96
// rows (a row for each rectangle the row crosses) over its thread pool and waits for the
// pieces, and a frame then also waits for those threads to be scheduled: a backdrop
// behind every frame of a game did so in most frames. A band of `bandRows` rows stays
// below that unless a changed row crosses more than three rectangles. Where the picture
// lands pixel for pixel on whole rows, the bands take exactly the pixels of the whole
// picture; where something above scales or turns it, or moves it by a fraction of a row,
// each band's edges would be rounded on their own, and one node draws it whole. Asked
// again before every frame, as what lies above changes without the item being told.
class BandedPictureNode : public QSGTransformNode
{
public:
    static constexpr int bandRows = 30;

    explicit BandedPictureNode(QQuickWindow *window);
    ~BandedPictureNode() override;

    // Shows `texture`, which it takes.
    void setPicture(QSGTexture *texture);
    // Places the picture over `rect`; `rowForRow` when the texture holds its pixels row
    // for row there: banded only then.
    void setRect(const QRectF &rect, bool rowForRow);

    void preprocess() override;

private:
    // Whether the transforms above only move the picture, by a whole number of rows:
    // at a fraction of a row the renderer rounds each band's edges on its own.
    bool onWholeRows() const;
    void setBands(int count);

    QQuickWindow *m_window;
    std::unique_ptr<QSGTexture> m_texture;
    QRectF m_rect;
    bool m_rowForRow = false;
    bool m_placed = false;
};

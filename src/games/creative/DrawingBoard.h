#pragma once

#include "DrawingStrokes.h"

#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>

#include <optional>

// The finger-painting surface of the drawing games. Every position the finger reports
// while it is down (the touch-down included) adds one point to the stroke in progress;
// when the finger lifts, a stroke of two or more points is appended to the owner's
// `strokes`, a single point (a tap) is dropped. A stroke keeps the colour and width in
// force when it began. The whole rectangle takes touches; painting is clipped to it.
//
// Finished strokes are painted once into an image kept at the board's size; a new
// stroke is added to that image, and only an undo or a clear (or a new size) paints the
// image again from the points. The stroke in progress is painted over it.
class DrawingBoard : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DrawingStrokes *strokes READ strokes WRITE setStrokes NOTIFY strokesChanged FINAL)
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor NOTIFY selectedColorChanged FINAL)
    Q_PROPERTY(qreal lineWidth READ lineWidth WRITE setLineWidth NOTIFY lineWidthChanged FINAL)
    // A finger is down and a stroke is in progress.
    Q_PROPERTY(bool drawing READ drawing NOTIFY drawingChanged FINAL)
    // The board is empty and nobody is drawing: the invitation to draw shows.
    Q_PROPERTY(bool invitationShown READ invitationShown NOTIFY invitationShownChanged FINAL)
public:
    explicit DrawingBoard(QQuickItem *parent = nullptr);

    DrawingStrokes *strokes() const { return m_strokes; }
    void setStrokes(DrawingStrokes *strokes);
    QColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(const QColor &color);
    qreal lineWidth() const { return m_lineWidth; }
    void setLineWidth(qreal width);
    bool drawing() const { return m_current.has_value(); }
    bool invitationShown() const;
    const std::optional<DrawingStroke> &current() const { return m_current; }

    // A reported finger position (board coordinates): begins a stroke or extends it.
    void dragChanged(QPointF position);
    // The finger lifted: the stroke in progress enters `strokes` when it has two points.
    void dragEnded();

    void paint(QPainter *painter) override;
    static void paintStroke(QPainter *painter, const DrawingStroke &stroke);

signals:
    void strokesChanged();
    void selectedColorChanged();
    void lineWidthChanged();
    void drawingChanged();
    void invitationShownChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseUngrabEvent() override;
    void touchEvent(QTouchEvent *event) override;
    void touchUngrabEvent() override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void strokesEdited();
    void setCurrent(std::optional<DrawingStroke> stroke);
    void bringImagesUpToDate(qreal devicePixelRatio);
    void paintStrokes(QImage &image, int from, int to) const;
    QRectF lastSegmentArea() const;

    QPointer<DrawingStrokes> m_strokes;
    QColor m_selectedColor;
    qreal m_lineWidth = 9;
    std::optional<DrawingStroke> m_current;
    int m_touchId = -1;
    bool m_invitationShown = true;

    // The finished strokes as painted, in two images: `m_base` holds the first
    // m_baseCount strokes, `m_top` the following ones up to m_paintedCount. A new stroke
    // is painted onto the top image; an undo paints only the top image again from the
    // points (at most a couple of dozen strokes), and the top is merged into the base
    // when it grows. Only a long run of undos, a clear or a new size repaints the base.
    QImage m_base;
    QImage m_top;
    int m_baseCount = 0;
    int m_paintedCount = 0;
    // The fewest strokes the list held since the images were last brought up to date:
    // the strokes below it are unchanged.
    int m_unchangedCount = 0;
    bool m_imagesValid = false;
};

#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// The soft shadow of a rounded shape. Lay it over the shape that casts it (same
// geometry, declared before it) and give it the shape's corner radius: it draws only
// the shadow, blurred by `blur` points and moved by (offsetX, offsetY), spilling out of
// its own bounds as a shadow does. The blurred picture is painted once per size and
// style and shared by every shadow that looks the same (a row of equal tiles paints
// one), never per frame, and on a worker thread while the page is laid out.
class SoftShadow : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY styleChanged FINAL)
    Q_PROPERTY(qreal blur READ blur WRITE setBlur NOTIFY styleChanged FINAL)
    Q_PROPERTY(qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY styleChanged FINAL)
    Q_PROPERTY(qreal offsetX READ offsetX WRITE setOffsetX NOTIFY styleChanged FINAL)
    Q_PROPERTY(qreal offsetY READ offsetY WRITE setOffsetY NOTIFY styleChanged FINAL)

public:
    explicit SoftShadow(QQuickItem *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    qreal blur() const { return m_blur; }
    void setBlur(qreal blur);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);
    qreal offsetX() const { return m_offsetX; }
    void setOffsetX(qreal offset);
    qreal offsetY() const { return m_offsetY; }
    void setOffsetY(qreal offset);

    // Where the shadow picture of a shape leaves out the middle of the whole one: the
    // whole picture's columns repeated + 1 … repeated + removed.x() are all the
    // picture's column `repeated`, and the columns after them are the picture's from
    // repeated + 1 on; rows likewise with removed.y().
    struct Cut
    {
        int repeated = 0;
        QPoint removed;
    };
    static Cut cut(QSizeF size, qreal radius, qreal blur, qreal devicePixelRatio);
    // The shadow picture of a w×h shape with corner radius r, blurred as a Gaussian of
    // standard deviation blur/2, with a margin of `margin(blur)` on every side, less the
    // middle columns and rows that cut() says repeat (a large card's shadow is held and
    // uploaded in a few corners' worth of pixels).
    static QImage render(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal devicePixelRatio);
    static int margin(qreal blur);
    // render(), painted once and then shared: the same arguments give the same picture
    // (one copy in memory) for as long as some shadow or the recent-use list holds it.
    static QImage shared(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal devicePixelRatio);
    // How many pictures shared() has painted so far.
    static int paintedCount();
    // Lets go of the shared pictures that no shadow shows and that were not painted or
    // asked for in the last second (called once a screen has gone).
    static void releaseUnused();

signals:
    void styleChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *) override;
    // Once laid out for the next frame, the picture starts painting on a worker, beside
    // the other pictures of the frame.
    void updatePolish() override;

private:
    void restyle();

    QColor m_color = QColor(0, 0, 0, 40);
    qreal m_blur = 10;
    qreal m_cornerRadius = 0;
    qreal m_offsetX = 0;
    qreal m_offsetY = 0;
    bool m_pictureDirty = true;
    QImage m_picture; // the shared picture on screen, kept so its texture can be remade
    Cut m_cut;        // the middle it leaves out
};

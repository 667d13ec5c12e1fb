#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

class ShadowPainter;

// The soft shadow of a rounded shape. Lay it over the shape that casts it (same
// geometry, declared before it) and give it the shape's corner radius: it draws only
// the shadow, blurred by `blur` points and moved by (offsetX, offsetY), spilling out of
// its own bounds as a shadow does. The blurred picture is made once per size or style
// change, never per frame.
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

    // The shadow picture of a w×h shape with corner radius r, blurred as a Gaussian of
    // standard deviation blur/2, with a margin of `margin(blur)` on every side.
    static QImage render(QSizeF size, qreal radius, qreal blur, const QColor &color, qreal devicePixelRatio);
    static int margin(qreal blur);

signals:
    void styleChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void relayout();
    void restyle();

    QColor m_color = QColor(0, 0, 0, 40);
    qreal m_blur = 10;
    qreal m_cornerRadius = 0;
    qreal m_offsetX = 0;
    qreal m_offsetY = 0;
    ShadowPainter *m_painter = nullptr;
};

// The child of SoftShadow that holds and draws the blurred picture.
class ShadowPainter : public QQuickPaintedItem
{
    Q_OBJECT
public:
    explicit ShadowPainter(SoftShadow *owner);
    void paint(QPainter *painter) override;

private:
    SoftShadow *m_owner;
};

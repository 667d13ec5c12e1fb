#pragma once

#include <QColor>
#include <QtQml/qqmlregistration.h>

#include "PaintedPicture.h"

// The soft halo of an emoji: its silhouette blurred by `blur` points, in `color`. Lay it
// under the EmojiText it rings (a child of it with z: -1 follows its moves and turns),
// centred on it and larger by at least 1.5 × `blur` on every side, with the same `emoji`
// and `pixelSize`. A text outline style is no way to do this: a colour-emoji glyph is a
// picture, not an outline, and asking the font engine for its outline overruns its glyph
// buffer.
class EmojiHalo : public PaintedPicture
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString emoji READ emoji WRITE setEmoji NOTIFY haloChanged FINAL)
    Q_PROPERTY(qreal pixelSize READ pixelSize WRITE setPixelSize NOTIFY haloChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY haloChanged FINAL)
    Q_PROPERTY(qreal blur READ blur WRITE setBlur NOTIFY haloChanged FINAL)

public:
    explicit EmojiHalo(QQuickItem *parent = nullptr);

    QString emoji() const { return m_emoji; }
    void setEmoji(const QString &emoji);
    qreal pixelSize() const { return m_pixelSize; }
    void setPixelSize(qreal pixelSize);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    qreal blur() const { return m_blur; }
    void setBlur(qreal blur);

    // The halo of `emoji` set at `pixelSize` in the middle of a `size` picture, blurred as
    // a Gaussian of standard deviation blur / 2.
    static QImage render(const QString &emoji, qreal pixelSize, QSizeF size, qreal blur, const QColor &color,
                         qreal devicePixelRatio);

    void paint(QPainter *painter) override;

signals:
    void haloChanged();

private:
    template <typename T>
    void assign(T &field, const T &value);

    QString m_emoji;
    qreal m_pixelSize = 40;
    QColor m_color = Qt::white;
    qreal m_blur = 3;
};

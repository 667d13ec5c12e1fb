#include "EmojiHalo.h"

#include "Fonts.h"
#include "ImageBlur.h"

#include <QPainter>
#include <QQuickWindow>

#include <cmath>

EmojiHalo::EmojiHalo(QQuickItem *parent)
    : PaintedPicture(parent)
{
}

template <typename T>
void EmojiHalo::assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    repaint();
    emit haloChanged();
}

void EmojiHalo::setEmoji(const QString &emoji) { assign(m_emoji, emoji); }
void EmojiHalo::setPixelSize(qreal pixelSize) { assign(m_pixelSize, pixelSize); }
void EmojiHalo::setColor(const QColor &color) { assign(m_color, color); }
void EmojiHalo::setBlur(qreal blur) { assign(m_blur, blur); }

QImage EmojiHalo::render(const QString &emoji, qreal pixelSize, QSizeF size, qreal blur, const QColor &color,
                         qreal dpr)
{
    const QSize pixels(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr)));
    if (pixels.isEmpty() || emoji.isEmpty() || pixelSize <= 0)
        return {};
    // The emoji drawn as EmojiText draws it, then only its coverage kept.
    QImage glyph(pixels, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        p.scale(dpr, dpr);
        Fonts::drawEmoji(&p, QRectF(QPointF(0, 0), size), Qt::AlignCenter, Fonts::emojiGlyphs(emoji), pixelSize);
    }
    QImage halo = ImageBlur::shadow(glyph.convertToFormat(QImage::Format_Alpha8), blur / 2 * dpr, color);
    halo.setDevicePixelRatio(dpr);
    return halo;
}

void EmojiHalo::paint(QPainter *painter)
{
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QImage halo = render(m_emoji, m_pixelSize, size(), m_blur, m_color, dpr);
    if (!halo.isNull())
        painter->drawImage(QPointF(0, 0), halo);
}

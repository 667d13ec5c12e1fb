#include "EmojiText.h"

#include "Assign.h"
#include "Fonts.h"

EmojiText::EmojiText(QQuickItem *parent)
    : PaintedPicture(parent)
{
    measure();
}

void EmojiText::setEmoji(const QString &emoji)
{
    if (!assignChanged(m_emoji, emoji))
        return;
    m_text = Fonts::emojiGlyphs(emoji);
    measure();
    emit emojiChanged();
}

void EmojiText::setPixelSize(qreal pixelSize)
{
    if (!assignChanged(m_pixelSize, pixelSize))
        return;
    measure();
    emit pixelSizeChanged();
}

void EmojiText::setHorizontalAlignment(int alignment)
{
    if (!assignChanged(m_horizontal, alignment))
        return;
    repaint();
    emit alignmentChanged();
}

void EmojiText::setVerticalAlignment(int alignment)
{
    if (!assignChanged(m_vertical, alignment))
        return;
    repaint();
    emit alignmentChanged();
}

void EmojiText::measure()
{
    const QSizeF size = Fonts::emojiTextSize(m_text, m_pixelSize);
    setImplicitSize(size.width(), size.height());
    repaint();
}

void EmojiText::paint(QPainter *painter)
{
    Fonts::drawEmoji(painter, QRectF(0, 0, width(), height()), Qt::Alignment(m_horizontal | m_vertical), m_text,
                     m_pixelSize);
}

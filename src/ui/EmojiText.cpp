#include "EmojiText.h"

#include "Assign.h"
#include "Fonts.h"

EmojiText::EmojiText(QQuickItem *parent)
    : PaintedPicture(parent)
{
    // Measured once its text and size are set (see componentComplete()).
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

void EmojiText::componentComplete()
{
    PaintedPicture::componentComplete();
    measure();
}

void EmojiText::measure()
{
    // Made in QML, the text and its size are both set before the item is complete.
    if (!isComponentComplete())
        return;
    m_lines = Fonts::layOutEmoji(m_text, m_pixelSize);
    setImplicitSize(m_lines.size.width(), m_lines.size.height());
    repaint();
}

void EmojiText::paint(QPainter *painter)
{
    Fonts::drawEmoji(painter, QRectF(0, 0, width(), height()), Qt::Alignment(m_horizontal | m_vertical), m_lines,
                     m_pixelSize);
}

#include "EmojiText.h"

#include "Assign.h"
#include "Fonts.h"
#include "RecentlyUsed.h"

namespace {

// The emoji texts laid out lately: a screen built again (the next play of a game shows the
// same pet and task cards) finds its texts measured. Laying emoji out unpacks every
// colour glyph's picture from the font again, some tenths of a millisecond each. Used on
// the interface thread only, where the items are measured. The lines hold the fonts they
// were laid out in, which must not outlive the application: the list is never destroyed.
Fonts::EmojiLines laidOut(const QString &text, qreal pixelSize)
{
    using Key = std::pair<QString, qreal>;
    static auto &recent = *new RecentlyUsed<Key, Fonts::EmojiLines>(256);
    const Key key(text, pixelSize);
    if (const Fonts::EmojiLines *kept = recent.find(key))
        return *kept;
    return recent.keep(key, Fonts::layOutEmoji(text, pixelSize));
}

} // namespace

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
    m_lines = laidOut(m_text, m_pixelSize);
    setImplicitSize(m_lines.size.width(), m_lines.size.height());
    repaint();
}

void EmojiText::paint(QPainter *painter)
{
    Fonts::drawEmoji(painter, QRectF(0, 0, width(), height()), Qt::Alignment(m_horizontal | m_vertical), m_lines,
                     m_pixelSize);
}

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// The program's fonts: Noto Sans CJK SC for text, Noto Color Emoji for emoji (also
// inside mixed Chinese/emoji text) and Material Icons for the system symbols.
namespace Fonts {

// Makes the three families available (the text and emoji fonts read from one mapping
// of their Debian files, shared by every thread that draws; otherwise from the system's
// font folders) and installs the text font as the application font. Needs a
// QGuiApplication; safe to call twice.
void install();

// Lets go of the pages of the mapped fonts that the program holds. Reading a page of a
// mapped file maps its neighbours too (some 64 KiB around it), so the outlines of a
// few hundred characters held some 12 MiB of the CJK and emoji files; the pages stay in
// the system's file cache, and a glyph read again maps its page again (a minor fault).
// Call it after install(), on any thread.
void releasePages();

QString textFamily();   // "Noto Sans CJK SC"
QString emojiFamily();  // "Noto Color Emoji"

// A text font at `pixelSize` with `weight`: the CJK family first, colour emoji next.
// Once installed, a weight the family draws with a face of another weight comes as the
// face's own (medium as regular, demi-bold and black as bold), drawing the same.
QFont text(qreal pixelSize, QFont::Weight weight = QFont::Normal);
// A font for text that is only emoji.
QFont emoji(qreal pixelSize);

// `text` as rich text (for a QML Text with the "RichText" format; the lighter
// "StyledText" format ignores font faces) in which every emoji is set
// in the colour-emoji font. Needed for emoji that the CJK font also draws in black and
// white (❤️, ☀️, ✔️ …, the text-style characters turned emoji by U+FE0F). Text without
// emoji comes back only escaped.
QString emojiMarkup(const QString &text);
// `text` without the emoji presentation selectors (U+FE0E, U+FE0F), for drawing in the
// colour-emoji font: that font draws every emoji in colour anyway but has no glyph for
// the selectors, so a selector would be drawn by the text font (making the line taller)
// and would break keycap and flag sequences apart.
QString emojiGlyphs(const QString &text);
// Whether one grapheme cluster is an emoji.
bool isEmojiCluster(QStringView cluster);

// Emoji text laid out once, for its size and for every drawing of it: laying emoji out
// unpacks each colour glyph's picture from the font (Qt measures a glyph from its
// picture), some tenths of a millisecond each, twice per layout.
struct EmojiLines
{
    struct Line
    {
        qreal width = 0; // the line's natural width
        QList<QGlyphRun> runs; // placed as the line lies at the left edge
    };
    QList<Line> lines;
    // The size the lines are drawn at, as a Text item in the same font measures them but
    // for the spaces.
    QSizeF size;
};
// `glyphs` (text as emojiGlyphs() gives it) laid out in emoji(pixelSize) as drawEmoji()
// draws it.
EmojiLines layOutEmoji(const QString &glyphs, qreal pixelSize);
// How many emoji texts layOutEmoji() has laid out so far.
int emojiLayouts();
// Draws `lines` in emoji(pixelSize), each aligned in `rect` by `alignment` (see below).
void drawEmoji(QPainter *painter, const QRectF &rect, Qt::Alignment alignment, const EmojiLines &lines,
               qreal pixelSize);

// Draws `glyphs` (text as emojiGlyphs() gives it) in emoji(pixelSize), its lines laid out
// as a Text item lays them out, aligned in `rect` by `alignment`; its spaces are as wide
// as the text font's (the emoji font's are as wide as an emoji), the lines as high. Each emoji is scaled
// from the font's own picture straight onto the painter. Only the pictures drawn lately are
// kept, as scaled and up to 4 MiB, for the next screen that draws them: a painter or a Text
// item drawing the text keeps every emoji it ever drew, for every pixel size, in glyph
// caches that last as long as the program (with OpenGL, a texture and a copy of it), which
// grew with every new picture and size shown.
void drawEmoji(QPainter *painter, const QRectF &rect, Qt::Alignment alignment, const QString &glyphs,
               qreal pixelSize);
// How many emoji pictures drawEmoji() has unpacked from the font and scaled so far.
int emojiPicturesUnpacked();

// Whether each of the three families is known to the font database.
bool textFamilyAvailable();
bool emojiFamilyAvailable();
bool symbolFamilyAvailable();

} // namespace Fonts

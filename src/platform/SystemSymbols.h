#pragma once

#include <QString>
#include <QStringList>

// System symbols by name. The views name their symbols the way the catalogue and the
// screens do ("star.fill", "speaker.wave.2.fill", ...); this table turns each name into
// a glyph of the Material Icons font. Unknown names get one neutral fallback glyph, so
// a symbol never shows as an empty box.
namespace SystemSymbols {

// The family name of the icon font (loaded by Fonts::install()).
QString fontFamily();

// The glyph (one character of the icon font) for a symbol name; the fallback glyph for
// names the table does not know.
QString glyph(const QString &name);
// A few symbols are two glyphs: a filled shape with a second glyph cut into it (a
// filled circle with an hourglass). innerGlyph() is that second glyph, drawn centred
// and smaller in the colour behind the symbol; empty for the one-glyph symbols.
QString innerGlyph(const QString &name);
// The code points behind glyph(name) and innerGlyph(name) (0: no inner glyph).
char32_t codePoint(const QString &name);
char32_t innerCodePoint(const QString &name);
char32_t fallbackCodePoint();
bool contains(const QString &name);

// Every name the table knows, in table order.
QStringList names();

} // namespace SystemSymbols

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

// A short text broken into lines for a narrow box, as a reader of Chinese expects it.
// A line breaks where the text allows a break (between two CJK characters, after a
// space, never inside a word); a closing punctuation mark (a comma, a full stop, a
// question mark, a closing bracket or quotation mark, a dash) belongs to the character
// before it, so no line starts with one. The last line never holds one character alone,
// with or without its punctuation: the line before hands down its last character (with
// its punctuation), where that still fits.
namespace TextLines {

// Whether `c` closes what stands before it (a comma, a full stop, a question mark, a
// closing bracket or quotation mark, a dash), and so belongs to the character before it.
bool closesBefore(QChar c);

// The width of a piece of text, trailing spaces left out.
using Advance = std::function<qreal(const QString &)>;

// `text` in lines no wider than `width` as `advance` measures them, spaces at the ends
// of the lines dropped. A word wider than the whole width is broken between its
// characters. With `maxLines` > 0, a text that needs more lines ends its last line with
// an ellipsis.
QStringList wrap(const QString &text, qreal width, const Advance &advance, int maxLines = 0);
// The same, measured in `font`.
QStringList wrap(const QString &text, const QFont &font, qreal width, int maxLines = 0);

} // namespace TextLines

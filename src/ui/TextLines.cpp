#include "TextLines.h"

#include <QFontMetricsF>
#include <QList>
#include <QTextBoundaryFinder>

namespace {

using TextLines::closesBefore;

QString withoutTrailingSpaces(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// `text` cut where `type` finds a boundary, a piece that would start with a space or a
// closing mark joined to the piece before it.
QStringList pieces(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    QStringList result;
    QTextBoundaryFinder finder(type, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QString piece = text.mid(start, end - start);
        start = end;
        if (piece.isEmpty())
            continue;
        if (!result.isEmpty() && (piece.front().isSpace() || closesBefore(piece.front())))
            result.last() += piece;
        else
            result << piece;
    }
    return result;
}

// The characters of a line that are neither spaces nor closing marks.
int characters(const QString &line)
{
    int count = 0;
    for (const QString &piece : pieces(line, QTextBoundaryFinder::Grapheme))
        count += !piece.front().isSpace() && !closesBefore(piece.front());
    return count;
}

QString ellipsized(const QString &text, qreal width, const TextLines::Advance &advance)
{
    const QString ellipsis(QChar(0x2026));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.toEnd();
    qsizetype end = text.size();
    while (end > 0 && advance(withoutTrailingSpaces(text.left(end)) + ellipsis) > width)
        end = finder.toPreviousBoundary();
    return withoutTrailingSpaces(text.left(qMax<qsizetype>(end, 0))) + ellipsis;
}

} // namespace

bool TextLines::closesBefore(QChar c)
{
    switch (c.category()) {
    case QChar::Punctuation_Other:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Connector:
        return true;
    default:
        return false;
    }
}

QStringList TextLines::wrap(const QString &text, qreal width, const Advance &advance, int maxLines)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (width <= 0)
        return {trimmed};

    // What a line may not be broken inside; a word wider than a line, between its characters.
    QStringList units;
    for (const QString &piece : pieces(trimmed, QTextBoundaryFinder::Line)) {
        if (advance(withoutTrailingSpaces(piece)) <= width)
            units << piece;
        else
            units << pieces(piece, QTextBoundaryFinder::Grapheme);
    }

    QList<QStringList> lines;
    for (const QString &unit : units) {
        if (!lines.isEmpty() && advance(withoutTrailingSpaces(lines.constLast().join(QString()) + unit)) <= width)
            lines.last() << unit;
        else
            lines << QStringList{unit};
    }

    // A character alone on the last line takes the last one of the line before with it.
    if (lines.size() > 1 && characters(lines.constLast().join(QString())) == 1) {
        QStringList &before = lines[lines.size() - 2];
        const QStringList down = QStringList{before.constLast()} + lines.constLast();
        if (before.size() > 1 && advance(withoutTrailingSpaces(down.join(QString()))) <= width) {
            before.removeLast();
            lines.last() = down;
        }
    }

    QStringList result;
    for (const QStringList &line : std::as_const(lines))
        result << withoutTrailingSpaces(line.join(QString()));
    if (maxLines > 0 && result.size() > maxLines) {
        QString rest;
        for (qsizetype i = maxLines - 1; i < lines.size(); ++i)
            rest += lines.at(i).join(QString());
        result.resize(maxLines - 1);
        result << ellipsized(withoutTrailingSpaces(rest), width, advance);
    }
    return result;
}

QStringList TextLines::wrap(const QString &text, const QFont &font, qreal width, int maxLines)
{
    const QFontMetricsF metrics(font);
    return wrap(text, width, [&metrics](const QString &piece) { return metrics.horizontalAdvance(piece); }, maxLines);
}

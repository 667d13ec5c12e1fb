#pragma once

// What the tests of a card's title and subtitle share: the lines a Text item shows, read
// from the item itself, and how those lines are judged.

#include "TextLines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QQuickItem>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

namespace ShownLines {

// The lines the Text item `text` shows: its styled text at its own font, broken where
// the text breaks its lines itself and, when the item wraps, where a wrapping layout of
// the item's width breaks it.
inline QStringList of(const QQuickItem *text)
{
    QTextDocument document;
    document.setHtml(text->property("text").toString());
    const auto wrap = QTextOption::WrapMode(text->property("wrapMode").toInt()); // Text's values are QTextOption's
    const QFont font = text->property("font").value<QFont>();
    QStringList lines;
    for (const QString &paragraph : document.toPlainText().split(u'\n')) {
        if (wrap == QTextOption::NoWrap) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(wrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(text->width());
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

// The characters of `line` that are neither a space nor such a mark.
inline int characters(const QString &line)
{
    int count = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QChar first = line.at(start);
        count += !first.isSpace() && !TextLines::closesBefore(first);
        start = end;
    }
    return count;
}

// What is wrong with `lines`, shown for `plain` at `font` in `width` points: text lost
// or added, a line wider than the width, a line that starts with a closing mark, or a
// last line with one character alone (with or without its marks). Empty when nothing.
inline QString faults(const QStringList &lines, const QString &plain, const QFont &font, qreal width)
{
    QStringList wrong;
    QString joined = lines.join(QString());
    joined.remove(u' ');
    if (joined != QString(plain).remove(u' '))
        wrong << QStringLiteral("text lost");
    const QFontMetricsF metrics(font);
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (metrics.horizontalAdvance(trimmed) > width + 0.5)
            wrong << QStringLiteral("\"%1\" wider than %2").arg(trimmed).arg(width);
        if (!trimmed.isEmpty() && TextLines::closesBefore(trimmed.at(0)))
            wrong << QStringLiteral("\"%1\" starts with a mark").arg(trimmed);
    }
    if (lines.size() > 1 && characters(lines.constLast()) == 1)
        wrong << QStringLiteral("\"%1\" alone on the last line").arg(lines.constLast().trimmed());
    return wrong.join(QStringLiteral(", "));
}

// The check of one card text item: `name`, what it shows and what is wrong with it.
inline QString faultsOf(const QQuickItem *text, const QString &name)
{
    const QString plain = text->property("plain").toString();
    const QStringList lines = of(text);
    QString wrong = faults(lines, plain, text->property("font").value<QFont>(), text->width());
    if (text->property("lineCount").toInt() != lines.size())
        wrong += QStringLiteral(" (the item shows %1 lines)").arg(text->property("lineCount").toInt());
    if (wrong.isEmpty())
        return {};
    return QStringLiteral("%1 %2 [%3] at %4 px in %5: %6")
        .arg(name, plain, lines.join(QStringLiteral(" / ")))
        .arg(text->property("font").value<QFont>().pixelSize())
        .arg(text->width())
        .arg(wrong);
}

} // namespace ShownLines

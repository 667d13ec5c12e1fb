#include "AppTheme.h"

#include "Fonts.h"
#include "SystemSymbols.h"
#include "TextLines.h"

#include <QFontMetricsF>
#include <QPointF>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <cmath>

AppTheme::AppTheme(QObject *parent)
    : QObject(parent)
{
}

QList<QColor> AppTheme::background()
{
    return {rgb(0.93, 0.97, 1.0), cream(), rgb(1.0, 0.95, 0.84)};
}

QList<QColor> AppTheme::artworkFallback()
{
    QColor first = sky();
    first.setAlphaF(0.78f);
    QColor second = mint();
    second.setAlphaF(0.68f);
    return {first, second, cream()};
}

QList<QColor> AppTheme::colors(GameCategory category)
{
    switch (category) {
    case GameCategory::english: return {rgb(0.29, 0.60, 0.96), sky()};
    case GameCategory::chinese: return {coral(), rgb(1.0, 0.61, 0.51)};
    case GameCategory::math: return {purple(), rgb(0.68, 0.50, 0.93)};
    case GameCategory::dressUp: return {rgb(0.98, 0.43, 0.62), mango()};
    case GameCategory::logicThinking: return {rgb(0.30, 0.67, 0.81), mint()};
    case GameCategory::coordinationMemory: return {mint(), rgb(0.56, 0.42, 0.90)};
    case GameCategory::videoScience: return {rgb(0.20, 0.70, 0.68), sky()};
    }
    return {rgb(0.29, 0.60, 0.96), sky()};
}

QList<QColor> AppTheme::colors(const QVariant &category) const
{
    GameCategory value = GameCategory::english;
    if (category.typeId() == QMetaType::QString)
        categoryFromStored(category.toString(), &value);
    else if (category.canConvert<int>())
        value = GameCategory(qBound(0, category.toInt(), int(GameCategory::videoScience)));
    return colors(value);
}

AppTheme::StyleMetrics AppTheme::metrics(TextStyle style)
{
    switch (style) {
    case LargeTitle: return {34, QFont::Normal};
    case Title: return {28, QFont::Normal};
    case Title2: return {22, QFont::Normal};
    case Title3: return {20, QFont::Normal};
    case Headline: return {17, QFont::DemiBold};
    case Body: return {17, QFont::Normal};
    case Callout: return {16, QFont::Normal};
    case Subheadline: return {15, QFont::Normal};
    case Footnote: return {13, QFont::Normal};
    case Caption: return {12, QFont::Normal};
    case Caption2: return {11, QFont::Normal};
    }
    return {17, QFont::Normal};
}

QFont AppTheme::styleFont(TextStyle style, int weight)
{
    const StyleMetrics m = metrics(style);
    return Fonts::text(m.pixelSize, weight < 0 ? m.weight : QFont::Weight(weight));
}

QFont AppTheme::font(int style, int weight) const
{
    return styleFont(TextStyle(qBound(int(LargeTitle), style, int(Caption2))), weight);
}

QFont AppTheme::sizedFont(qreal pixelSize, int weight) const
{
    return Fonts::text(pixelSize, QFont::Weight(weight));
}

qreal AppTheme::fittedPixelSize(const QString &text, qreal pixelSize, int weight, qreal width, qreal minimumScale)
{
    // The pieces a line may not be broken inside, without their trailing spaces.
    QStringList pieces;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QString piece = text.mid(start, end - start).trimmed();
        if (!piece.isEmpty())
            pieces << piece;
        start = end;
    }
    const auto fits = [&](qreal size) {
        const QFontMetricsF metrics(Fonts::text(size, QFont::Weight(weight)));
        return std::all_of(pieces.cbegin(), pieces.cend(),
                           [&](const QString &piece) { return metrics.horizontalAdvance(piece) <= width; });
    };
    if (width <= 0 || fits(pixelSize))
        return pixelSize;
    const qreal smallest = std::ceil(pixelSize * minimumScale - 1e-9);
    for (qreal size = std::floor(pixelSize); size > smallest; --size) {
        if (fits(size))
            return size;
    }
    return smallest;
}

namespace {

// The largest whole size from fittedPixelSize()'s down to `minimumScale` × `pixelSize`
// at which `text` takes at most `lines` lines as `lineCount` counts them at a size.
template <typename LineCount>
qreal shrunkToLines(const QString &text, qreal pixelSize, int weight, qreal width, int lines, qreal minimumScale,
                    LineCount lineCount)
{
    const qreal start = AppTheme::fittedPixelSize(text, pixelSize, weight, width, minimumScale);
    if (width <= 0 || text.isEmpty())
        return start;
    const qreal smallest = std::ceil(pixelSize * minimumScale - 1e-9);
    for (qreal size = start; size > smallest; --size) {
        if (lineCount(size) <= lines)
            return size;
    }
    return smallest;
}

} // namespace

qreal AppTheme::fittedPixelSizeInLines(const QString &text, qreal pixelSize, int weight, qreal width, int lines,
                                        qreal minimumScale)
{
    return shrunkToLines(text, pixelSize, weight, width, lines, minimumScale,
                         [&](qreal size) { return lineCount(text, size, weight, width); });
}

QVariantMap AppTheme::fittedLines(const QString &text, qreal pixelSize, int weight, qreal width, int maxLines,
                                  qreal oneLineScale, qreal minimumScale)
{
    const auto wrapped = [&](qreal size, int most) {
        return TextLines::wrap(text, Fonts::text(size, QFont::Weight(weight)), width, most);
    };
    const auto count = [&](qreal size) { return int(wrapped(size, 0).size()); };
    qreal size = shrunkToLines(text, pixelSize, weight, width, 1, oneLineScale, count);
    if (count(size) > 1)
        size = shrunkToLines(text, pixelSize, weight, width, maxLines, minimumScale, count);
    return {{QStringLiteral("pixelSize"), size}, {QStringLiteral("lines"), wrapped(size, maxLines)}};
}

int AppTheme::lineCount(const QString &text, qreal pixelSize, int weight, qreal width)
{
    QTextLayout layout(text, Fonts::text(pixelSize, QFont::Weight(weight)));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int count = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++count;
    }
    layout.endLayout();
    return count;
}

QFont AppTheme::emojiFont(qreal pixelSize) const
{
    return Fonts::emoji(pixelSize);
}

QString AppTheme::emojiGlyphs(const QString &text) const
{
    return Fonts::emojiGlyphs(text);
}

QString AppTheme::emojiText(const QString &text) const
{
    return Fonts::emojiMarkup(text);
}

QColor AppTheme::withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(float(color.alphaF() * qBound(0.0, opacity, 1.0)));
    return color;
}

qreal AppTheme::welcomeTitleSize(qreal width)
{
    return qMin(qMax(0.11 * width, 38.0), 54.0);
}

qreal AppTheme::welcomeColumnWidth(qreal width)
{
    return qMin(qMax(width - 36.0, 300.0), 410.0);
}

qreal AppTheme::welcomeColumnCenterY(qreal height)
{
    return qMax(0.72 * height, 290.0);
}

qreal AppTheme::springProgress(qreal t)
{
    // Under-damped spring from 0 to 1: natural period 0.24 s, damping ratio 0.62.
    const qreal omega0 = 2 * M_PI / 0.24;
    const qreal zeta = 0.62;
    const qreal omegaD = omega0 * std::sqrt(1 - zeta * zeta);
    const qreal decay = std::exp(-zeta * omega0 * t);
    return 1 - decay * (std::cos(omegaD * t) + zeta * omega0 / omegaD * std::sin(omegaD * t));
}

namespace {

qreal springEasing(qreal progress)
{
    const qreal seconds = progress * AppTheme::springDuration() / 1000.0;
    // The residue left at the end of the curve (well under a pixel) is blended out so
    // the animation lands exactly on its target.
    const qreal end = AppTheme::springProgress(AppTheme::springDuration() / 1000.0);
    return AppTheme::springProgress(seconds) + (1 - end) * progress;
}

} // namespace

QEasingCurve AppTheme::spring()
{
    QEasingCurve curve;
    curve.setCustomType(springEasing);
    return curve;
}

QEasingCurve AppTheme::shakeCurve()
{
    // The standard ease-in-out timing curve.
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

QString AppTheme::emojiFamily()
{
    return Fonts::emojiFamily();
}

QString AppTheme::symbolFamily()
{
    return SystemSymbols::fontFamily();
}

// The theme's constants, the layout rules of the welcome cover, the press spring and
// the wrong-answer shake.
#include "AppTheme.h"
#include "EmojiHalo.h"
#include "FrostedSnapshot.h"
#include "ImageBlur.h"
#include "Fonts.h"
#include "PaintedBox.h"
#include "SoftShadow.h"
#include "WrongAnswerShake.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QColor rgb(double r, double g, double b)
{
    return QColor::fromRgbF(float(r), float(g), float(b));
}

} // namespace

class TestUiTheme : public QObject
{
    Q_OBJECT
private slots:
    void namedColours();
    void categoryPairs();
    void backgroundAndFallbackWash();
    void textStyles();
    void opacityAtTheUseSite();
    void answerTextShrinksBeforeItBreaks();
    void welcomeLayout();
    void pressSpringSettlesOnTarget();
    void shakeOffsets();
    void gradientBrushes();
    void shadowPicture();
    void blurredPicture();
    void blurIsThreeRoundedBoxMeans();
    void emojiHalo();
};

void TestUiTheme::namedColours()
{
    QCOMPARE(AppTheme::ink(), rgb(0.17, 0.22, 0.32));
    QCOMPARE(AppTheme::softInk(), rgb(0.34, 0.40, 0.51));
    QCOMPARE(AppTheme::cream(), rgb(1.0, 0.98, 0.92));
    QCOMPARE(AppTheme::sky(), rgb(0.34, 0.72, 0.94));
    QCOMPARE(AppTheme::purple(), rgb(0.52, 0.43, 0.90));
    QCOMPARE(AppTheme::coral(), rgb(0.96, 0.42, 0.43));
    QCOMPARE(AppTheme::mango(), rgb(1.0, 0.72, 0.25));
    QCOMPARE(AppTheme::mint(), rgb(0.34, 0.78, 0.62));
    QCOMPARE(AppTheme::goodText(), rgb(0.12, 0.53, 0.36));
    QCOMPARE(AppTheme::hintText(), rgb(0.66, 0.43, 0.06));
    QCOMPARE(AppTheme::ink().alphaF(), 1.0f);
}

void TestUiTheme::categoryPairs()
{
    QCOMPARE(AppTheme::colors(GameCategory::english), (QList<QColor>{rgb(0.29, 0.60, 0.96), AppTheme::sky()}));
    QCOMPARE(AppTheme::colors(GameCategory::chinese), (QList<QColor>{AppTheme::coral(), rgb(1.0, 0.61, 0.51)}));
    QCOMPARE(AppTheme::colors(GameCategory::math), (QList<QColor>{AppTheme::purple(), rgb(0.68, 0.50, 0.93)}));
    QCOMPARE(AppTheme::colors(GameCategory::dressUp), (QList<QColor>{rgb(0.98, 0.43, 0.62), AppTheme::mango()}));
    QCOMPARE(AppTheme::colors(GameCategory::logicThinking), (QList<QColor>{rgb(0.30, 0.67, 0.81), AppTheme::mint()}));
    QCOMPARE(AppTheme::colors(GameCategory::coordinationMemory), (QList<QColor>{AppTheme::mint(), rgb(0.56, 0.42, 0.90)}));
    QCOMPARE(AppTheme::colors(GameCategory::videoScience), (QList<QColor>{rgb(0.20, 0.70, 0.68), AppTheme::sky()}));

    // QML passes the stored string or the enum value.
    AppTheme theme;
    QCOMPARE(theme.colors(QVariant(QStringLiteral("dress-up"))), AppTheme::colors(GameCategory::dressUp));
    QCOMPARE(theme.colors(QVariant(int(GameCategory::videoScience))), AppTheme::colors(GameCategory::videoScience));
    QCOMPARE(theme.colors(QVariant(QStringLiteral("nonsense"))), AppTheme::colors(GameCategory::english));
}

void TestUiTheme::backgroundAndFallbackWash()
{
    const QList<QColor> background = AppTheme::background();
    QCOMPARE(background.size(), 3);
    QCOMPARE(background.at(0), rgb(0.93, 0.97, 1.0));
    QCOMPARE(background.at(1), AppTheme::cream());
    QCOMPARE(background.at(2), rgb(1.0, 0.95, 0.84));

    const QList<QColor> wash = AppTheme::artworkFallback();
    QCOMPARE(wash.size(), 3);
    QCOMPARE(wash.at(0).rgb(), AppTheme::sky().rgb());
    QCOMPARE(wash.at(0).alphaF(), 0.78f);
    QCOMPARE(wash.at(1).rgb(), AppTheme::mint().rgb());
    QCOMPARE(wash.at(1).alphaF(), 0.68f);
    QCOMPARE(wash.at(2), AppTheme::cream());
}

void TestUiTheme::textStyles()
{
    QCOMPARE(AppTheme::metrics(AppTheme::LargeTitle).pixelSize, 34.0);
    QCOMPARE(AppTheme::metrics(AppTheme::Title2).pixelSize, 22.0);
    QCOMPARE(AppTheme::metrics(AppTheme::Title3).pixelSize, 20.0);
    QCOMPARE(AppTheme::metrics(AppTheme::Headline).pixelSize, 17.0);
    QCOMPARE(AppTheme::metrics(AppTheme::Headline).weight, QFont::DemiBold);
    QCOMPARE(AppTheme::metrics(AppTheme::Subheadline).pixelSize, 15.0);
    QCOMPARE(AppTheme::metrics(AppTheme::Caption).pixelSize, 12.0);

    const QFont boldTitle = AppTheme::styleFont(AppTheme::Title3, QFont::Bold);
    QCOMPARE(boldTitle.pixelSize(), 20);
    QCOMPARE(boldTitle.weight(), QFont::Bold);
    QCOMPARE(AppTheme::styleFont(AppTheme::Headline).weight(), QFont::DemiBold);
    // Chinese first, colour emoji next.
    QCOMPARE(boldTitle.families(), (QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Color Emoji")}));
}

void TestUiTheme::opacityAtTheUseSite()
{
    AppTheme theme;
    QCOMPARE(theme.alpha(AppTheme::mango(), 0.34).alphaF(), 0.34f);
    QCOMPARE(theme.alpha(AppTheme::ink(), 0.1).rgb(), AppTheme::ink().rgb());
    // A colour that is already see-through gets fainter, as an opacity does.
    QColor half = AppTheme::sky();
    half.setAlphaF(0.5f);
    QVERIFY(qAbs(theme.alpha(half, 0.3).alphaF() - 0.15f) < 0.001f);
    QCOMPARE(theme.alpha(half, 1.0).alpha(), half.alpha());
}

void TestUiTheme::answerTextShrinksBeforeItBreaks()
{
    const auto fitted = [](const char *text, qreal width) {
        return AppTheme::fittedPixelSize(QString::fromUtf8(text), 26, QFont::Bold, width, 0.7);
    };
    Fonts::install();
    const auto widest = [](const char *text, qreal size) {
        return QFontMetricsF(Fonts::text(size, QFont::Bold)).horizontalAdvance(QString::fromUtf8(text));
    };
    QCOMPARE(fitted("cat", 120), 26.0);
    QCOMPARE(fitted("", 120), 26.0);
    // A word a little too wide is drawn a little smaller, as large as still fits.
    const qreal natural = widest("elephants", 26);
    const qreal size = fitted("elephants", natural - 8);
    QVERIFY2(size < 26 && size >= 19, qPrintable(QString::number(size)));
    QVERIFY(widest("elephants", size) <= natural - 8);
    QVERIFY(widest("elephants", size + 1) > natural - 8);
    // Never below 0.7 of the size (18.2, so 19 whole pixels): a longer word breaks there.
    QCOMPARE(fitted("Supercalifragilistic", 120), 19.0);
    // Words and Chinese characters wrap apart; only the widest piece counts.
    QCOMPARE(fitted("red fox", widest("red", 26) + 1), 26.0);
    QCOMPARE(fitted("一只小猫在草地上玩耍", 60), 26.0);
}

void TestUiTheme::welcomeLayout()
{
    QCOMPARE(AppTheme::welcomeTitleSize(1024), 54.0);
    QCOMPARE(AppTheme::welcomeColumnWidth(1024), 410.0);
    QCOMPARE(AppTheme::welcomeTitleSize(320), 38.0);
    QCOMPARE(AppTheme::welcomeColumnWidth(320), 300.0);
    QCOMPARE(AppTheme::welcomeTitleSize(400), 44.0);
    QCOMPARE(AppTheme::welcomeColumnWidth(400), 364.0);
    QCOMPARE(AppTheme::welcomeColumnCenterY(600), 432.0);
    QCOMPARE(AppTheme::welcomeColumnCenterY(380), 290.0);
}

void TestUiTheme::pressSpringSettlesOnTarget()
{
    const QEasingCurve spring = AppTheme::spring();
    QCOMPARE(spring.valueForProgress(0.0), 0.0);
    QCOMPARE(spring.valueForProgress(1.0), 1.0);
    // Under-damped: it overshoots (a bounce), but only a little.
    qreal peak = 0;
    for (int i = 0; i <= 100; ++i)
        peak = qMax(peak, spring.valueForProgress(i / 100.0));
    QVERIFY(peak > 1.02);
    QVERIFY(peak < 1.15);
    // Response 0.24 s: past the target before 0.2 s.
    QVERIFY(AppTheme::springProgress(0.2) > 1.0);
    QCOMPARE(AppTheme::pressedScale(), 0.94);
    QCOMPARE(AppTheme::pressedOffset(), 3.0);
    QCOMPARE(AppTheme::pressedDarkening(), 0.05);
}

void TestUiTheme::shakeOffsets()
{
    for (qreal whole : {0.0, 1.0, 2.0, 7.0, -3.0})
        QCOMPARE(WrongAnswerShake::offsetFor(whole, 10), 0.0);
    QCOMPARE(WrongAnswerShake::offsetFor(0.125, 10), 10.0);
    QCOMPARE(WrongAnswerShake::offsetFor(0.375, 10), -10.0);
    QCOMPARE(WrongAnswerShake::offsetFor(3.125, 10), 10.0);
    QVERIFY(qAbs(WrongAnswerShake::offsetFor(0.25, 10)) < 1e-9);

    // Two full swings right and left per unit of change.
    int rightPeaks = 0;
    int leftPeaks = 0;
    for (int i = 0; i <= 800; ++i) {
        const qreal x = WrongAnswerShake::offsetFor(i / 800.0, 10);
        rightPeaks += qFuzzyCompare(x, 10.0);
        leftPeaks += qFuzzyCompare(x, -10.0);
    }
    QCOMPARE(rightPeaks, 2);
    QCOMPARE(leftPeaks, 2);

    WrongAnswerShake shake;
    QCOMPARE(shake.travelDistance(), 10.0);
    QSignalSpy changed(&shake, &WrongAnswerShake::amountChanged);
    shake.setAmount(0.125);
    QCOMPARE(shake.offset(), 10.0);
    shake.setAmount(0.125);
    QCOMPARE(changed.count(), 1);

    // The shake's ease-in-out curve.
    const QEasingCurve curve = AppTheme::shakeCurve();
    QCOMPARE(curve.valueForProgress(0.5), 0.5);
    QVERIFY(curve.valueForProgress(0.1) < 0.1);
    QCOMPARE(AppTheme::shakeDuration(), 360);
}

void TestUiTheme::gradientBrushes()
{
    // The card rim: three stops (white, mango at 0.34, white) corner to corner.
    QColor rim = AppTheme::mango();
    rim.setAlphaF(0.34f);
    const QBrush brush = PaintedBox::brush(Qt::transparent, {Qt::white, rim, Qt::white}, PaintedBox::Diagonal);
    const auto *gradient = static_cast<const QLinearGradient *>(brush.gradient());
    QVERIFY(gradient);
    QCOMPARE(gradient->coordinateMode(), QGradient::ObjectMode);
    QCOMPARE(gradient->start(), QPointF(0, 0));
    QCOMPARE(gradient->finalStop(), QPointF(1, 1));
    QCOMPARE(gradient->stops().size(), 3);
    QCOMPARE(gradient->stops().at(1).first, 0.5);
    QCOMPARE(gradient->stops().at(1).second, rim);

    const auto *across = static_cast<const QLinearGradient *>(
        PaintedBox::brush(Qt::transparent, {AppTheme::purple(), AppTheme::sky()}, PaintedBox::LeadingToTrailing).gradient());
    QCOMPARE(across->finalStop(), QPointF(1, 0));
    // One colour is a flat fill.
    QCOMPARE(PaintedBox::brush(Qt::transparent, {AppTheme::coral()}, PaintedBox::LeadingToTrailing).color(), AppTheme::coral());
}

void TestUiTheme::shadowPicture()
{
    // A 100×60 card with blur 16 and corner radius 30: dark in the middle, fading to
    // nothing at the picture's edge, spilling beyond the card.
    const QImage shadow = SoftShadow::render(QSizeF(100, 60), 30, 16, QColor(0, 0, 0, 255), 1.0);
    const int m = SoftShadow::margin(16);
    QCOMPARE(SoftShadow::cut(QSizeF(100, 60), 30, 16, 1.0).removed, QPoint(0, 0)); // all corners
    QCOMPARE(shadow.size(), QSize(100 + 2 * m, 60 + 2 * m));
    QVERIFY(qAlpha(shadow.pixel(m + 50, m + 30)) > 200);
    QCOMPARE(qAlpha(shadow.pixel(0, 0)), 0);
    QVERIFY(qAlpha(shadow.pixel(m - 4, m + 30)) > 0);
    QVERIFY(qAlpha(shadow.pixel(m - 4, m + 30)) < qAlpha(shadow.pixel(m + 4, m + 30)));
    QVERIFY(SoftShadow::render(QSizeF(0, 0), 0, 10, Qt::black, 1.0).isNull());

    // A large card's shadow is the whole shape's mask blurred, pixel for pixel, also at
    // a fractional size and pixel ratio, once its middle columns and rows are repeated
    // back in; the picture holds a small part of the pixels.
    const QSizeF card(617.3, 523.7);
    const qreal blur = 11, radius = 28, dpr = 1.5;
    const QImage big = SoftShadow::render(card, radius, blur, QColor(0, 0, 0, 255), dpr);
    const SoftShadow::Cut cut = SoftShadow::cut(card, radius, blur, dpr);
    const int bigMargin = SoftShadow::margin(blur);
    QImage mask(big.size() + QSize(cut.removed.x(), cut.removed.y()), QImage::Format_Alpha8);
    QCOMPARE(mask.size(), QSize(int(std::ceil((card.width() + 2 * bigMargin) * dpr)),
                                int(std::ceil((card.height() + 2 * bigMargin) * dpr))));
    QVERIFY(big.width() * big.height() * 10 < mask.width() * mask.height());
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpr, dpr);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(bigMargin, bigMargin), card), radius, radius);
    painter.fillPath(shape, Qt::black);
    painter.end();
    ImageBlur::gaussian(mask, blur / 2 * dpr);
    const auto from = [&](int at, int removed) {
        return at <= cut.repeated ? at : at <= cut.repeated + removed ? cut.repeated : at - removed;
    };
    int differing = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            differing += qAlpha(big.pixel(from(x, cut.removed.x()), from(y, cut.removed.y()))) != mask.constScanLine(y)[x];
    QCOMPARE(differing, 0);
}

void TestUiTheme::blurredPicture()
{
    // A still of a finished game: red beside blue. Blurred, it keeps its colours up to its
    // border (no dark rim, nothing turned transparent) and the two colours meet in an even
    // ramp, with no steps of the blocks a picture scaled up from a quarter of its size has.
    QImage still(120, 40, QImage::Format_ARGB32_Premultiplied);
    still.fill(QColor(220, 40, 40));
    for (int y = 0; y < still.height(); ++y)
        for (int x = 60; x < still.width(); ++x)
            still.setPixel(x, y, qRgb(40, 60, 220));
    // Blur 8 points on a still taken at half size: a Gaussian of 4 pixels.
    const QImage soft = FrostedSnapshot::blurred(still, 8, 0.5);
    QCOMPARE(soft.size(), still.size());
    QCOMPARE(soft.pixel(0, 0), qRgb(220, 40, 40));
    QCOMPARE(soft.pixel(119, 39), qRgb(40, 60, 220));
    for (int y : {0, 20, 39}) {
        int previous = qRed(soft.pixel(0, y));
        for (int x = 1; x < soft.width(); ++x) {
            const QRgb p = soft.pixel(x, y);
            QCOMPARE(qAlpha(p), 255);
            QVERIFY2(qRed(p) <= previous && previous - qRed(p) <= 20,
                     qPrintable(QStringLiteral("step of %1 at x=%2").arg(previous - qRed(p)).arg(x)));
            previous = qRed(p);
        }
    }
    // The meeting line is blurred over about two standard deviations each side.
    QVERIFY(qRed(soft.pixel(52, 20)) > 200);
    QVERIFY(qRed(soft.pixel(56, 20)) < 200);
    QVERIFY(qRed(soft.pixel(67, 20)) < 60);

    // Fine detail is gone: a checkerboard of 2-pixel squares turns an even grey.
    QImage checker(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            checker.setPixel(x, y, ((x / 2 + y / 2) % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage grey = FrostedSnapshot::blurred(checker, 8, 0.5);
    for (int y = 8; y < 56; y += 5)
        for (int x = 8; x < 56; x += 3)
            QVERIFY(qAbs(qGray(grey.pixel(x, y)) - 128) <= 6);

    QVERIFY(FrostedSnapshot::blurred(QImage(), 8, 0.5).isNull());
}

void TestUiTheme::blurIsThreeRoundedBoxMeans()
{
    // Each pass sets every byte to the rounded mean of the 2r + 1 bytes around it in a
    // row, then in a column: beyond the edge nothing in a mask, the edge byte repeated in
    // a picture. Random bytes, odd sizes, boxes up to the widest a large blur takes.
    quint32 seed = 12345;
    const auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
    for (const bool mask : {true, false}) {
        for (const qreal sigma : {1.0, 4.5, 30.0}) {
            QImage image(37, 23, mask ? QImage::Format_Alpha8 : QImage::Format_ARGB32_Premultiplied);
            const int bytes = image.width() * (mask ? 1 : 4), step = mask ? 1 : 4;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < bytes; ++x)
                    image.scanLine(y)[x] = uchar(mask || x % 4 == 3 ? 255 : 0) & uchar(next());
            QImage expected = image.copy();
            const int r = ImageBlur::boxRadius(sigma), span = 2 * r + 1;
            const auto pass = [&](int count, int lines, const std::function<uchar &(int, int)> &at) {
                for (int line = 0; line < lines; ++line) {
                    std::vector<int> values(static_cast<size_t>(count));
                    for (int i = 0; i < count; ++i)
                        values[size_t(i)] = at(line, i);
                    for (int i = 0; i < count; ++i) {
                        int sum = 0;
                        for (int k = i - r; k <= i + r; ++k)
                            sum += k >= 0 && k < count ? values[size_t(k)] : mask ? 0 : values[size_t(k < 0 ? 0 : count - 1)];
                        at(line, i) = uchar((sum + span / 2) / span);
                    }
                }
            };
            for (int round = 0; round < 3; ++round) {
                pass(image.width(), image.height() * step,
                     [&](int line, int i) -> uchar & { return expected.scanLine(line / step)[i * step + line % step]; });
                pass(image.height(), bytes, [&](int column, int i) -> uchar & { return expected.scanLine(i)[column]; });
            }
            ImageBlur::gaussian(image, sigma);
            for (int y = 0; y < image.height(); ++y)
                QVERIFY2(std::memcmp(image.constScanLine(y), expected.constScanLine(y), size_t(bytes)) == 0,
                         qPrintable(QStringLiteral("mask %1, sigma %2, row %3").arg(mask).arg(sigma).arg(y)));
        }
    }
}

void TestUiTheme::emojiHalo()
{
    // The fox's halo: white where the fox is, fading out beyond its silhouette, nothing at
    // the picture's corners; the picture itself keeps no colour of the emoji.
    const QImage halo = EmojiHalo::render(QStringLiteral("🦊"), 40, QSizeF(64, 64), 3, QColor(255, 255, 255, 204), 1.0);
    QCOMPARE(halo.size(), QSize(64, 64));
    const QRgb middle = halo.pixel(32, 32);
    QVERIFY(qAlpha(middle) > 150);
    QCOMPARE(qRed(middle), qAlpha(middle)); // white, premultiplied
    QCOMPARE(qBlue(middle), qAlpha(middle));
    QCOMPARE(qAlpha(halo.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(halo.pixel(63, 63)), 0);
    // Along the middle row the halo rises from nothing to the glyph and falls again.
    int firstLit = -1;
    for (int x = 0; x < 64 && firstLit < 0; ++x)
        if (qAlpha(halo.pixel(x, 32)) > 0)
            firstLit = x;
    QVERIFY2(firstLit > 0 && firstLit < 24, qPrintable(QString::number(firstLit)));
    QVERIFY(qAlpha(halo.pixel(firstLit, 32)) < qAlpha(halo.pixel(firstLit + 4, 32)));
    QVERIFY(EmojiHalo::render(QString(), 40, QSizeF(64, 64), 3, Qt::white, 1.0).isNull());
}

QTEST_MAIN(TestUiTheme)
#include "tst_ui_theme.moc"

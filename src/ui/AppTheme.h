#pragma once

#include "GameCatalog.h"

#include <QColor>
#include <QEasingCurve>
#include <QFont>
#include <QList>
#include <QObject>
#include <QVariant>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The look every screen shares: eight named colours, the soft background gradient, a
// two-colour gradient per game category, the text-style table and the measures of the
// card and button styles. The constants live here once; QML reads them through the
// `AppTheme` singleton.
class AppTheme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QColor ink READ ink CONSTANT FINAL)
    Q_PROPERTY(QColor softInk READ softInk CONSTANT FINAL)
    Q_PROPERTY(QColor cream READ cream CONSTANT FINAL)
    Q_PROPERTY(QColor sky READ sky CONSTANT FINAL)
    Q_PROPERTY(QColor purple READ purple CONSTANT FINAL)
    Q_PROPERTY(QColor coral READ coral CONSTANT FINAL)
    Q_PROPERTY(QColor mango READ mango CONSTANT FINAL)
    Q_PROPERTY(QColor mint READ mint CONSTANT FINAL)
    // Stops of the background gradient (evenly spaced, top-leading to bottom-trailing).
    Q_PROPERTY(QList<QColor> background READ background CONSTANT FINAL)
    // Stops of the picture fallback wash (evenly spaced, top-leading to bottom-trailing).
    Q_PROPERTY(QList<QColor> artworkFallback READ artworkFallback CONSTANT FINAL)
    // Feedback bubble: praise green and hint amber.
    Q_PROPERTY(QColor goodText READ goodText CONSTANT FINAL)
    Q_PROPERTY(QColor hintText READ hintText CONSTANT FINAL)
    // The press feedback of BouncyButton.
    Q_PROPERTY(qreal pressedScale READ pressedScale CONSTANT FINAL)
    Q_PROPERTY(qreal pressedOffset READ pressedOffset CONSTANT FINAL)
    Q_PROPERTY(qreal pressedDarkening READ pressedDarkening CONSTANT FINAL)
    Q_PROPERTY(QEasingCurve spring READ spring CONSTANT FINAL)
    Q_PROPERTY(int springDuration READ springDuration CONSTANT FINAL)
    // The wrong-answer shake: its ease-in-out curve and duration.
    Q_PROPERTY(QEasingCurve shakeCurve READ shakeCurve CONSTANT FINAL)
    Q_PROPERTY(int shakeDuration READ shakeDuration CONSTANT FINAL)
    // Families of the text, emoji and symbol fonts.
    Q_PROPERTY(QString emojiFamily READ emojiFamily CONSTANT FINAL)
    Q_PROPERTY(QString symbolFamily READ symbolFamily CONSTANT FINAL)

public:
    // The platform's named text styles.
    enum TextStyle { LargeTitle, Title, Title2, Title3, Headline, Body, Callout, Subheadline, Footnote, Caption, Caption2 };
    Q_ENUM(TextStyle)

    struct StyleMetrics {
        qreal pixelSize;
        QFont::Weight weight;
    };

    explicit AppTheme(QObject *parent = nullptr);

    static QColor ink() { return rgb(0.17, 0.22, 0.32); }
    static QColor softInk() { return rgb(0.34, 0.40, 0.51); }
    static QColor cream() { return rgb(1.0, 0.98, 0.92); }
    static QColor sky() { return rgb(0.34, 0.72, 0.94); }
    static QColor purple() { return rgb(0.52, 0.43, 0.90); }
    static QColor coral() { return rgb(0.96, 0.42, 0.43); }
    static QColor mango() { return rgb(1.0, 0.72, 0.25); }
    static QColor mint() { return rgb(0.34, 0.78, 0.62); }
    static QList<QColor> background();
    static QList<QColor> artworkFallback();
    static QColor goodText() { return rgb(0.12, 0.53, 0.36); }
    static QColor hintText() { return rgb(0.66, 0.43, 0.06); }

    // The start and end colour of a category's gradient.
    static QList<QColor> colors(GameCategory category);
    // For QML: a GameCategory value, or its stored string ("dress-up", ...). An unknown
    // category gets the english pair.
    Q_INVOKABLE QList<QColor> colors(const QVariant &category) const;

    static StyleMetrics metrics(TextStyle style);
    // The font of a text style; `weight` < 0 keeps the style's own weight.
    static QFont styleFont(TextStyle style, int weight = -1);
    Q_INVOKABLE QFont font(int style, int weight = -1) const;
    // A text font at an explicit size (CJK first, colour emoji next).
    Q_INVOKABLE QFont sizedFont(qreal pixelSize, int weight = 400) const;
    // The largest whole pixel size, at most `pixelSize` and not below
    // `minimumScale` × `pixelSize`, at which no unbreakable piece of `text` (a word, an
    // emoji, one CJK character) is wider than `width`: text that does not fit is drawn
    // smaller before any word is broken. `pixelSize` itself when everything fits.
    Q_INVOKABLE static qreal fittedPixelSize(const QString &text, qreal pixelSize, int weight, qreal width,
                                             qreal minimumScale);
    // Like fittedPixelSize(), and then smaller still until `text`, wrapped to `width`
    // as a Text item wraps it, takes at most `lines` lines.
    Q_INVOKABLE static qreal fittedPixelSizeInLines(const QString &text, qreal pixelSize, int weight, qreal width,
                                                    int lines, qreal minimumScale);
    // The lines `text` takes, wrapped to `width` as a Text item wraps it.
    Q_INVOKABLE static int lineCount(const QString &text, qreal pixelSize, int weight, qreal width);
    // `text` set in a box `width` wide, in lines broken as TextLines breaks them (no
    // line starts with a closing mark, no character stands alone on the last line): on
    // one line at the largest whole size from `pixelSize` down to `oneLineScale` ×
    // `pixelSize` where one line holds it, else in at most `maxLines` lines at the
    // largest size down to `minimumScale` × `pixelSize` (cut with an ellipsis where
    // even those lines are too few). A map of "pixelSize" and "lines" (a list of strings).
    Q_INVOKABLE static QVariantMap fittedLines(const QString &text, qreal pixelSize, int weight, qreal width,
                                               int maxLines, qreal oneLineScale, qreal minimumScale);
    // A font for text that is only emoji (draw it with EmojiText, or pass the text
    // through emojiGlyphs()).
    Q_INVOKABLE QFont emojiFont(qreal pixelSize) const;
    // Emoji text as the colour-emoji font draws it (without presentation selectors).
    Q_INVOKABLE QString emojiGlyphs(const QString &text) const;
    // Mixed text for a Text item with textFormat: Text.RichText, every emoji set in the
    // colour-emoji font (also ❤️ and the like, which the CJK font draws in black).
    Q_INVOKABLE QString emojiText(const QString &text) const;
    // Glyphs of the symbol font are drawn this much larger than the text they stand in.
    Q_INVOKABLE qreal symbolPixelSize(qreal textPixelSize) const { return textPixelSize * 1.18; }

    // `color` at `opacity` (0…1): its own opacity multiplied by it, so a colour that is
    // already see-through gets fainter still.
    Q_INVOKABLE QColor alpha(const QColor &color, qreal opacity) const { return withOpacity(color, opacity); }
    // The same, for the program's own painting and colour tables.
    static QColor withOpacity(QColor color, qreal opacity);

    // The welcome cover's layout for a window of width w and height h.
    Q_INVOKABLE static qreal welcomeTitleSize(qreal width);
    Q_INVOKABLE static qreal welcomeColumnWidth(qreal width);
    Q_INVOKABLE static qreal welcomeColumnCenterY(qreal height);

    static qreal pressedScale() { return 0.94; }
    static qreal pressedOffset() { return 3.0; }
    static qreal pressedDarkening() { return 0.05; }
    // A spring of response 0.24 s and damping fraction 0.62 as an easing curve over
    // springDuration() milliseconds (it overshoots a little, then settles).
    static QEasingCurve spring();
    static int springDuration() { return 360; }
    // The value of that spring's step response at time t seconds.
    static qreal springProgress(qreal seconds);
    static QEasingCurve shakeCurve();
    static int shakeDuration() { return 360; }

    static QString emojiFamily();
    static QString symbolFamily();

private:
    static QColor rgb(double r, double g, double b) { return QColor::fromRgbF(float(r), float(g), float(b), 1.0f); }
};

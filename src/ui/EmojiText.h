#pragma once

#include <QtQml/qqmlregistration.h>

#include "Fonts.h"
#include "PaintedPicture.h"

// Emoji drawn in the colour-emoji font at a pixel size: a picture on a tile, the mascot,
// a portal's badge. Give it `emoji` (the text as the tables hold it, selectors and
// joiners included) and `pixelSize`; it takes the size a Text item in that font would
// (but for its spaces, as wide as the text font's) and draws the text as it is, markup
// and all, centred unless aligned otherwise. A picture
// that goes with the item: nothing of it outlives the screen that showed it.
class EmojiText : public PaintedPicture
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString emoji READ emoji WRITE setEmoji NOTIFY emojiChanged FINAL)
    Q_PROPERTY(qreal pixelSize READ pixelSize WRITE setPixelSize NOTIFY pixelSizeChanged FINAL)
    // The text drawn: `emoji` without its presentation selectors.
    Q_PROPERTY(QString text READ text NOTIFY emojiChanged FINAL)
    Q_PROPERTY(int textFormat READ textFormat CONSTANT FINAL)
    // Text.AlignLeft, Text.AlignHCenter or Text.AlignRight; Text.AlignTop, Text.AlignVCenter
    // or Text.AlignBottom.
    Q_PROPERTY(int horizontalAlignment READ horizontalAlignment WRITE setHorizontalAlignment NOTIFY
                   alignmentChanged FINAL)
    Q_PROPERTY(int verticalAlignment READ verticalAlignment WRITE setVerticalAlignment NOTIFY alignmentChanged FINAL)

public:
    explicit EmojiText(QQuickItem *parent = nullptr);

    QString emoji() const { return m_emoji; }
    void setEmoji(const QString &emoji);
    qreal pixelSize() const { return m_pixelSize; }
    void setPixelSize(qreal pixelSize);
    QString text() const { return m_text; }
    static int textFormat() { return Qt::PlainText; }
    int horizontalAlignment() const { return m_horizontal; }
    void setHorizontalAlignment(int alignment);
    int verticalAlignment() const { return m_vertical; }
    void setVerticalAlignment(int alignment);

    void paint(QPainter *painter) override;

signals:
    void emojiChanged();
    void pixelSizeChanged();
    void alignmentChanged();

protected:
    void componentComplete() override;

private:
    // Lays the text out again (once the item is complete) and takes its size.
    void measure();

    QString m_emoji;
    QString m_text;
    Fonts::EmojiLines m_lines; // m_text laid out at m_pixelSize
    qreal m_pixelSize = 40;
    int m_horizontal = Qt::AlignHCenter;
    int m_vertical = Qt::AlignVCenter;
};

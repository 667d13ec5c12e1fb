#pragma once

#include "Clock.h"
#include "DrawingStrokes.h"
#include "GameBase.h"

#include <QColor>
#include <QList>
#include <QString>

// A thing to draw: its English word (spoken), its Chinese word (shown), its picture
// and the mascot's first guess.
struct DrawingPrompt
{
    QString english;
    QString chinese;
    QString emoji;
    QString hint;

    static const QList<DrawingPrompt> &samples();
};

// "draw-guess": the child draws the thing named on screen (and spoken in English), then
// asks the mascot to guess. The guess is scripted and never looks at the drawing: the
// first counted request gives the hint, the second the answer, and 1.1 s later the play
// reports a score that grows with the strokes on the board at that moment.
class DrawGuessGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DrawingStrokes *strokes READ strokes CONSTANT FINAL)
    Q_PROPERTY(QList<QColor> palette READ palette CONSTANT FINAL)
    Q_PROPERTY(qreal lineWidth READ lineWidth CONSTANT FINAL)
    Q_PROPERTY(QColor selectedColor READ selectedColor NOTIFY changed FINAL)
    Q_PROPERTY(QString title READ title NOTIFY changed FINAL)
    Q_PROPERTY(QString speakerLabel READ speakerLabel NOTIFY changed FINAL)
    Q_PROPERTY(int guessCount READ guessCount NOTIFY changed FINAL)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed FINAL)
    Q_PROPERTY(bool guessed READ guessed NOTIFY changed FINAL)
public:
    explicit DrawGuessGame(QObject *parent = nullptr);
    ~DrawGuessGame() override;

    static constexpr auto gameID = "draw-guess";
    static constexpr int reportDelayMs = 1100;
    static constexpr qreal brushWidth = 9;

    // The result for n strokes on the board when the wait ends.
    static int scoreFor(int strokes) { return qMin(76 + 2 * strokes, 100); }
    static int starsFor(int strokes) { return strokes > 4 ? 3 : 2; }
    // "fish" → "Fish", "ice cream" → "Ice Cream".
    static QString capitalized(const QString &words);

    DrawingStrokes *strokes() const { return m_strokes; }
    QList<QColor> palette() const { return drawingPalette(); }
    qreal lineWidth() const { return brushWidth; }
    QColor selectedColor() const { return m_selectedColor; }
    const DrawingPrompt &prompt() const { return DrawingPrompt::samples().at(m_prompt); }
    int promptIndex() const { return m_prompt; }
    QString title() const;
    QString speakerLabel() const { return capitalized(prompt().english); }
    int guessCount() const { return m_guessCount; }
    QString feedback() const { return line().text(); }
    bool guessed() const { return m_guessed; }

    // Each time the page comes on screen: a new thing to draw (any of the five), spoken.
    void appear() override;
    // The speaker button: says the thing to draw again.
    Q_INVOKABLE void speakPrompt();
    Q_INVOKABLE void selectColor(int paletteIndex);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void clear();
    // The guess button.
    Q_INVOKABLE void makeGuess();

signals:
    void changed();

private:
    void report();

    DrawingStrokes *m_strokes;
    QColor m_selectedColor;
    int m_prompt = 0;
    int m_guessCount = 0;
    bool m_guessed = false;
    Clock::WaitId m_reportWait = 0;
    qint64 m_reportDueMs = 0;
};

#pragma once

#include "GameBase.h"
#include "StepLoop.h"

#include <QList>
#include <QString>

// "red-light": a big light shows twelve fixed signals, green or red, each for a tick of
// 1.05 s. The child taps the light on green and holds back on red; each signal takes one
// tap at most. After the last signal the play scores the greens hit less the reds
// tapped, held within 30 to 100, and reports 0.45 s later, whether or not the page is
// still there. Silent.
class RedLightGreenLightGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY changed)
    Q_PROPERTY(int signalIndex READ signalIndex NOTIFY changed)
    Q_PROPERTY(bool tappedThisSignal READ tappedThisSignal NOTIFY changed)
    Q_PROPERTY(int greenHits READ greenHits NOTIFY changed)
    Q_PROPERTY(int redTaps READ redTaps NOTIFY changed)
    Q_PROPERTY(bool green READ green NOTIFY changed)
    Q_PROPERTY(QString progress READ progress NOTIFY changed)
    Q_PROPERTY(QString lightSymbol READ lightSymbol NOTIFY changed)
    Q_PROPERTY(QString lightCaption READ lightCaption NOTIFY changed)
    Q_PROPERTY(bool lightEnabled READ lightEnabled NOTIFY changed)
    Q_PROPERTY(bool showsBubble READ showsBubble NOTIFY changed)
public:
    explicit RedLightGreenLightGame(QObject *parent = nullptr);

    static constexpr int tickMs = 1050;
    static constexpr int reportMs = 450;

    // The signals in order of showing: true is green.
    static const QList<bool> &signalList();
    // The greens of the list (the score's divisor).
    static int greenCount();
    // The score and stars of a play.
    static std::pair<int, int> result(int greenHits, int redTaps);

    bool running() const { return m_running; }
    int signalIndex() const { return m_signalIndex; }
    bool tappedThisSignal() const { return m_tappedThisSignal; }
    int greenHits() const { return m_greenHits; }
    int redTaps() const { return m_redTaps; }
    // The signal on show is green.
    bool green() const;
    // "1/12" during the play, else "准备".
    QString progress() const;
    // What the light shows over its centre, and its caption.
    QString lightSymbol() const;
    QString lightCaption() const;
    bool lightEnabled() const { return m_running && !m_tappedThisSignal; }
    // The feedback bubble stands once a play has begun; before, the instruction.
    bool showsBubble() const { return m_running || m_signalIndex != 0; }

    // The start button.
    Q_INVOKABLE void start();
    // The big light.
    Q_INVOKABLE void tapSignal();

signals:
    void changed();

private:
    void advanceSignal();
    // The feedback line: a hint when it tells of a red tapped or a green missed.
    void say(const QString &text);

    bool m_running = false;
    int m_signalIndex = 0;
    bool m_tappedThisSignal = false;
    int m_greenHits = 0;
    int m_redTaps = 0;
    StepLoop m_ticks{this};
};

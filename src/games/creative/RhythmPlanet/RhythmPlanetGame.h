#pragma once

#include "GameBase.h"
#include "KeyedPlayback.h"

#include <QList>
#include <QString>
#include <QVariantList>

// One planet of the board: its picture, name, colour (a theme colour's name) and tone.
struct RhythmPad
{
    QString emoji;
    QString name;
    QString color;
    double frequency = 0;
};

// One pattern: its name and the planets it plays, in order.
struct RhythmPattern
{
    QString name;
    QList<int> sequence;
};

// "rhythm-tap": five rounds, five of the six patterns chosen by the level rotation. Each
// round the planets play the pattern, lighting each planet while its tone sounds; the
// child then taps the planets in the same order. A wrong tap plays the pattern again; a
// whole right answer moves on. A round counts for the shared first-try score when it
// was answered without a wrong tap and without "再听一次". The play reports 0.65 s after
// the last round, whether or not the page is still there.
class RhythmPlanetGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<int> session READ session NOTIFY roundChanged)
    Q_PROPERTY(int round READ round NOTIFY roundChanged)
    Q_PROPERTY(QString patternName READ patternName NOTIFY roundChanged)
    Q_PROPERTY(int stepCount READ stepCount NOTIFY roundChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY roundChanged)
    Q_PROPERTY(QList<int> input READ input NOTIFY inputChanged)
    Q_PROPERTY(int highlighted READ highlighted NOTIFY highlightedChanged)
    Q_PROPERTY(bool acceptingInput READ acceptingInput NOTIFY acceptingInputChanged)
    Q_PROPERTY(QString instruction READ instruction NOTIFY acceptingInputChanged)
    Q_PROPERTY(bool roundHadMistake READ roundHadMistake NOTIFY inputChanged)
    Q_PROPERTY(int firstTryCorrect READ firstTryCorrect NOTIFY inputChanged)
    Q_PROPERTY(QVariantList planets READ planets CONSTANT)
public:
    explicit RhythmPlanetGame(QObject *parent = nullptr);

    static constexpr auto gameID = "rhythm-tap";
    static constexpr int take = 5;
    static constexpr int leadInMs = 350;
    static constexpr double toneSeconds = 0.22;
    static constexpr int litMs = 340;
    static constexpr int gapMs = 130;
    static constexpr int tapLitMs = 170;
    static constexpr int answerPauseMs = 650;

    static const QList<RhythmPad> &pads();
    static const QList<RhythmPattern> &patterns();

    const QList<int> &session() const { return m_session; }
    int round() const { return m_round; }
    // The pattern of the round: patterns[session[round]], else the first pattern.
    const RhythmPattern &current() const;
    QString patternName() const { return current().name; }
    int stepCount() const { return int(current().sequence.size()); }
    // "第 1 / 5 关"; never above 5.
    QString counter() const;
    const QList<int> &input() const { return m_input; }
    // The lit planet, or -1.
    int highlighted() const { return m_highlighted; }
    bool acceptingInput() const { return m_playback.acceptingInput(); }
    QString instruction() const;
    bool roundHadMistake() const { return m_roundHadMistake; }
    int firstTryCorrect() const { return m_firstTryCorrect; }
    QString feedback() const { return line().text(); }
    // The planets for the board: emoji, name, color, frequency.
    static QVariantList planets();

    // The page came on screen: picks the play's patterns once and plays the first.
    void appear() override;
    // A planet button.
    Q_INVOKABLE void tap(int index);
    // "再听一次": plays the pattern again; the round no longer counts.
    Q_INVOKABLE void replay();

signals:
    void roundChanged();
    void inputChanged();
    void highlightedChanged();
    void acceptingInputChanged();

private:
    // A new playback of the round's pattern (a new playback key).
    void playCurrentPattern();
    void setHighlighted(int planet);
    void setInput(QList<int> input);
    void advance();

    QList<int> m_session;
    int m_round = 0;
    QList<int> m_input;
    int m_highlighted = -1;
    bool m_roundHadMistake = false;
    int m_firstTryCorrect = 0;
    quint64 m_playbackID = 0;
    KeyedPlayback m_playback{this};
};

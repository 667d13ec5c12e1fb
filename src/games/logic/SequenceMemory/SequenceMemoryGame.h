#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// "sequence-memory": four coloured lights flash one after another; the child taps them
// back in the same order. Four rounds of 2, 3, 4 and 5 lights, always in table order. A
// wrong tap closes the input and the same sequence plays again from its first light.
class SequenceMemoryGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList symbols READ symbols CONSTANT)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString highlighted READ highlighted NOTIFY highlightedChanged)
    Q_PROPERTY(bool acceptingInput READ acceptingInput NOTIFY inputChanged)
    Q_PROPERTY(QString instruction READ instruction NOTIFY inputChanged)
    Q_PROPERTY(QString readerText READ readerText NOTIFY inputChanged)
public:
    explicit SequenceMemoryGame(QObject *parent = nullptr);

    static constexpr auto gameID = "sequence-memory";
    static constexpr int pauseMs = 650;   // after a whole sequence
    static constexpr int replayMs = 700;  // from a wrong tap to the replay
    static constexpr int flashMs = 150;   // a tapped light stays lit this long
    static constexpr int leadMs = 500;    // from the start of a playback to its first light
    static constexpr int litMs = 520;     // each light of a playback
    static constexpr int gapMs = 180;     // between two lights

    // The four lights, in screen order.
    static const QStringList &lights();
    // The four sequences, one a round.
    static const QList<QStringList> &sequences();

    QStringList symbols() const { return lights(); }
    // The sequence of the round on screen.
    const QStringList &current() const { return sequences().at(questionIndex()); }
    // "第 n 关".
    QString counter() const;
    QString highlighted() const { return m_highlighted; }
    bool acceptingInput() const { return m_playback.acceptingInput(); }
    int inputIndex() const { return m_inputIndex; }
    int replayToken() const { return m_replayToken; }
    QString instruction() const;
    QString readerText() const;

    // The page came on screen: the round's sequence plays.
    Q_INVOKABLE void appear() override;
    // A tap on the light of `symbol`; taken only while the input is open.
    Q_INVOKABLE void tap(const QString &symbol);

signals:
    void highlightedChanged();
    void inputChanged();

protected:
    int bankCount() const override { return int(sequences().size()); }
    void roundStarted() override { showSequence(); }

private:
    // Plays the current sequence under the key "<round>-<replayToken>"; a new key or the
    // page going cancels it.
    void showSequence();
    void setHighlighted(const QString &symbol);

    KeyedPlayback m_playback{this};
    QString m_highlighted;
    int m_inputIndex = 0;
    int m_replayToken = 0;
};

#pragma once

#include "Clock.h"
#include "RoundQuizGame.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// One round of the blaster: the instruction, the emoji to hit and the bubbles in screen
// order.
struct BlasterRound
{
    QString prompt;
    QString answer;
    QStringList targets;
};

namespace ObservationBlasterRounds {
// The five hidden-object rounds, built once.
const QList<BlasterRound> &hidden();
} // namespace ObservationBlasterRounds

// A round game of shooting bubbles: each round names one hidden thing among six emoji
// bubbles; a tap fires a sparkling arrow that lands 0.22 s later and bursts the bubble
// if it is the right one. A round counts when its first shot hits. Each round's
// instruction is read 0.18 s after it starts. The game's identifier (the rotation key)
// and its rounds are given by whoever builds it; by default the hidden-object rounds.
class BubbleBlasterGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString gameID READ gameID WRITE setGameID NOTIFY gameIDChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QStringList targets READ targets NOTIFY questionChanged)
    Q_PROPERTY(QString popped READ popped NOTIFY shotChanged)
    Q_PROPERTY(QString missed READ missed NOTIFY shotChanged)
    Q_PROPERTY(bool firing READ firing NOTIFY shotChanged)
public:
    explicit BubbleBlasterGame(QObject *parent = nullptr);

    static constexpr auto hiddenObjectsID = "hidden-objects";
    static constexpr int flightMs = 220;  // from the tap to the landing
    static constexpr int pauseMs = 720;   // after a hit
    static constexpr int readingMs = 180; // from a round's start to its instruction

    QString gameID() const { return rules().gameID; }
    // The rotation key; set before the page appears.
    void setGameID(const QString &gameID);
    // Another round table (not empty); set before the page appears.
    void setRounds(QList<BlasterRound> rounds);
    const QList<BlasterRound> &rounds() const { return m_rounds; }

    const BlasterRound &current() const { return m_rounds.at(questionIndex()); }
    QString prompt() const { return current().prompt; }
    QStringList targets() const { return current().targets; }
    // The bubble burst in this round, the bubble of the last miss (until the next
    // shot); empty for none.
    QString popped() const { return m_popped; }
    QString missed() const { return m_missed; }
    bool firing() const { return m_firing; }

    // A bubble's colour, chosen by a hash of its emoji that holds for the whole run.
    Q_INVOKABLE static QColor bubbleColor(const QString &target);

    // A tap on the bubble of `target`: fires, unless a shot is in the air, the round is
    // won or the play's rounds are not chosen yet.
    Q_INVOKABLE void fire(const QString &target);

signals:
    void gameIDChanged();
    void shotChanged();

protected:
    int bankCount() const override { return int(m_rounds.size()); }
    void sessionChosen() override { readInstructionSoon(); }
    void roundStarted() override;

private:
    void land(const QString &target);
    void readInstructionSoon();

    QList<BlasterRound> m_rounds;
    QString m_popped;
    QString m_missed;
    bool m_firing = false;
    Clock::WaitId m_reading = 0;
};

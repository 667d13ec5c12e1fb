#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"
#include "TileState.h"

#include <QList>
#include <QString>

// One route of the yellow ball over the 3 × 3 grid (cells 0–8, row by row); the ball
// stops on the last cell, which is the answer.
struct TrackingRoute
{
    QList<int> path;

    // The eight routes.
    static const QList<TrackingRoute> &all();
};

// "tracking-balls": the yellow ball walks a short route over the grid, one cell at a
// time, then vanishes; the child taps the cell where it stopped. The walk is a playback
// keyed "<session size>-<round>-<replay>": a replay, a new round or the automatic replay
// after a wrong tap starts it over from its lead-in, and a walk cancelled on the way
// stops at its next cell without opening the grid.
class TrackingBallsGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(int highlighted READ highlighted NOTIFY walkChanged)
    Q_PROPERTY(bool accepting READ accepting NOTIFY walkChanged)
    Q_PROPERTY(QList<int> cellStates READ cellStates NOTIFY walkChanged)
    Q_PROPERTY(QString question READ question CONSTANT)
public:
    explicit TrackingBallsGame(QObject *parent = nullptr);

    static constexpr auto gameID = "tracking-balls";
    static constexpr int leadInMs = 330;
    static constexpr int cellMs = 360;
    static constexpr int pauseMs = 720;  // after a right tap
    static constexpr int replayMs = 520; // from a wrong tap to the replay

    const TrackingRoute &current() const { return TrackingRoute::all().at(questionIndex()); }
    QString counter() const { return fiveRoundCounter(QStringLiteral("关")); }
    QString question() const;
    // The cell the ball is on, or -1.
    int highlighted() const { return m_highlighted; }
    bool accepting() const { return m_playback.acceptingInput(); }
    int replayToken() const { return m_replayToken; }
    QString walkKey() const;
    // Each cell's look: Picked for the ball, Right for the answer while the round is
    // won, else Plain.
    QList<int> cellStates() const;

    Q_INVOKABLE void appear() override;
    // A tap on grid cell `cell`; counts only once the walk has ended.
    Q_INVOKABLE void choose(int cell);
    // 再看一次路线: the walk starts over; allowed until the round is won, costs nothing.
    Q_INVOKABLE void replay();

signals:
    void walkChanged();

protected:
    int bankCount() const override { return int(TrackingRoute::all().size()); }
    void roundStarted() override { showRoute(); }

private:
    void showRoute();
    void setHighlighted(int cell);

    KeyedPlayback m_playback{this};
    int m_highlighted = -1;
    int m_replayToken = 0;
};

#include "TrackingBallsGame.h"

#include "Clock.h"

using namespace Qt::StringLiterals;

namespace {
const QString watchLine = u"先看黄球走路，停下后再点最后的位置"_s;
} // namespace

const QList<TrackingRoute> &TrackingRoute::all()
{
    static const QList<TrackingRoute> routes{
        {{0, 1, 4}}, {{2, 5, 8}}, {{6, 3, 4, 5}}, {{1, 2, 5, 4}},
        {{7, 4, 1}}, {{3, 6, 7, 8}}, {{8, 5, 2, 1}}, {{4, 3, 0}},
    };
    return routes;
}

TrackingBallsGame::TrackingBallsGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = watchLine,
                     .goodWords = {u"先看"_s, u"找对"_s}},
                    parent)
{
    connect(&m_playback, &KeyedPlayback::phaseChanged, this, &TrackingBallsGame::walkChanged);
    connect(this, &RoundQuizGame::changed, this, &TrackingBallsGame::walkChanged);
}

QString TrackingBallsGame::question() const
{
    return u"看黄球走过的小路，最后停在哪里？"_s;
}

QString TrackingBallsGame::walkKey() const
{
    return QString::number(session().size()) + u'-' + QString::number(round()) + u'-' + QString::number(m_replayToken);
}

QList<int> TrackingBallsGame::cellStates() const
{
    QList<int> states;
    const QList<int> &path = current().path;
    for (int cell = 0; cell < 9; ++cell) {
        if (cell == m_highlighted)
            states.append(TileState::Picked);
        else if (locked() && !path.isEmpty() && cell == path.last())
            states.append(TileState::Right);
        else
            states.append(TileState::Plain);
    }
    return states;
}

void TrackingBallsGame::setHighlighted(int cell)
{
    m_highlighted = cell;
    emit walkChanged();
}

void TrackingBallsGame::appear()
{
    RoundQuizGame::appear();
    showRoute();
}

void TrackingBallsGame::showRoute()
{
    if (round() < 0 || round() >= session().size() || locked() || m_playback.key() == walkKey())
        return;
    m_playback.setPhase(KeyedPlayback::Phase::Watching);
    setHighlighted(-1);
    KeyedPlayback::Script script;
    script.wait(leadInMs);
    for (int cell : current().path)
        script.checked([this, cell] { setHighlighted(cell); }).wait(cellMs);
    // The grid opens (the run's end) only when the walk was not cancelled.
    script.checked([this] { setHighlighted(-1); });
    m_playback.run(walkKey(), std::move(script));
}

void TrackingBallsGame::choose(int cell)
{
    if (!accepting() || answersClosed() || cell < 0 || cell > 8)
        return;
    m_playback.setPhase(KeyedPlayback::Phase::Watching);
    const QList<int> &path = current().path;
    if (!path.isEmpty() && cell == path.last()) {
        answerRight(u"找对啦，黄球就在这里！"_s);
        return;
    }
    answerWrong(u"Oops，再看清黄球最后停在哪里"_s);
    Clock::current().after(replayMs, this, [this] {
        ++m_replayToken;
        showRoute();
    });
}

void TrackingBallsGame::replay()
{
    if (locked())
        return;
    ++m_replayToken;
    showRoute();
}

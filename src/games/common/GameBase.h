#pragma once

#include "FeedbackLine.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <functional>

// What a game hands back when a play ends: (score, stars).
using GameCompletion = std::function<void(qint64 score, qint64 stars)>;

// The C++ side of every game. Each game view (a GamePage) creates its game object in its
// typed `game` property; the host hands the object a completion callback for the play. The callback does not depend on the game or its page being alive, so a report
// due after a final pause is still delivered when the child has left the page.
class GameBase : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("GameBase is the common part of the concrete games")
    Q_PROPERTY(bool reported READ reported NOTIFY reportedChanged)
    Q_PROPERTY(FeedbackLine *line READ linePointer CONSTANT)
public:
    explicit GameBase(QObject *parent = nullptr);

    // The page came on screen (GamePage calls it once, when it is built). A game that
    // picks its questions or starts a show then does it here.
    Q_INVOKABLE virtual void appear() {}

    // The feedback line under the game, with the page's shake counter.
    FeedbackLine &line() { return m_line; }
    const FeedbackLine &line() const { return m_line; }

    void setOnComplete(GameCompletion onComplete);

    // True once completeOnce() has reported: a finish control disables (and relabels)
    // itself on it.
    bool reported() const { return m_reported; }

signals:
    void reportedChanged();

protected:
    // Reports the end of the play at once.
    void complete(qint64 score, qint64 stars);
    // Reports the end of the play after `ms` milliseconds on the clock, whether or not
    // this object still exists by then; while it exists, the wait stands still whenever
    // the game is held (Clock::hold).
    void completeAfter(int ms, qint64 score, qint64 stars);
    // The finish control of a game without rounds: reports at once, the first time only.
    // `reported` is set before the report goes out; a second press does nothing and
    // returns false.
    bool completeOnce(qint64 score, qint64 stars);

private:
    FeedbackLine *linePointer() { return &m_line; }

    FeedbackLine m_line{this};
    GameCompletion m_onComplete;
    bool m_reported = false;
};

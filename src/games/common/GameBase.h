#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <functional>

// What a game hands back when a play ends: (score, stars).
using GameCompletion = std::function<void(qint64 score, qint64 stars)>;

// The C++ side of every game. Each game view creates its game object and exposes it as
// the view's `game` property; the host hands the object a completion callback for the
// play. The callback does not depend on the game or its page being alive, so a report
// due after a final pause is still delivered when the child has left the page.
class GameBase : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("GameBase is the common part of the concrete games")
public:
    explicit GameBase(QObject *parent = nullptr);

    void setOnComplete(GameCompletion onComplete);

protected:
    // Reports the end of the play at once.
    void complete(qint64 score, qint64 stars);
    // Reports the end of the play after `ms` milliseconds on the clock, whether or not
    // this object still exists by then.
    void completeAfter(int ms, qint64 score, qint64 stars);

private:
    GameCompletion m_onComplete;
};

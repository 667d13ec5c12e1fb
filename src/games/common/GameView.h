#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class GameBase;

// The root item of every game view (GamePage.qml builds on it). It carries the view's
// game as a typed property: the host finds the game here to hand it the play's
// completion callback.
class GameView : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(GameBase *game READ game WRITE setGame NOTIFY gameChanged)
public:
    explicit GameView(QQuickItem *parent = nullptr);

    GameBase *game() const { return m_game; }
    void setGame(GameBase *game);

signals:
    void gameChanged();

private:
    QPointer<GameBase> m_game;
};

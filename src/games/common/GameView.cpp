#include "GameView.h"

#include "GameBase.h"

GameView::GameView(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void GameView::setGame(GameBase *game)
{
    if (m_game == game)
        return;
    m_game = game;
    emit gameChanged();
}

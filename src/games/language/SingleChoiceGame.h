#pragma once

#include "RoundQuizGame.h"

#include <QStringList>

// A round game answered by one tap on one of a few text tiles (letters, words): the tile
// tapped last is remembered as `selected` until the next question, and each tile shows
// as right when it holds the answer of a finished round, picked when it was tapped last,
// else plain.
class SingleChoiceGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("SingleChoiceGame is the common part of the one-tap text games")
    // The tiles' texts as the answer test sees them, in display order.
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // One TileState a tile, in the order of `choices`.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    using RoundQuizGame::RoundQuizGame;

    QString selected() const { return picked(); }
    QList<int> tileStates() const { return choiceStates(choices(), answer()); }

    // A tap on the tile at this position of `choices`.
    Q_INVOKABLE void choose(int tile);

    virtual QStringList choices() const = 0;
    virtual QString answer() const = 0;

protected:
    virtual QString hint() const = 0;
    virtual QString praise(const QString &choice) const = 0;
};

#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// How an answer tile looks, as the game's rules decide it: plain, picked (tapped, not
// yet judged, or tapped last), right (the answer, shown once the round is won) or wrong
// (judged wrong). The rules return states; the views map them to colours (ChoiceTile
// does it for the usual tile).
//
//     Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)     // C++
//     ChoiceTile { tileState: view.game.tileStates[index] ?? TileState.Plain }  // QML
namespace TileState {
Q_NAMESPACE
QML_ELEMENT

enum State {
    Plain,
    Picked,
    Right,
    Wrong,
};
Q_ENUM_NS(State)

// The usual three-way rule of a one-answer choice: right when the round is won and the
// choice is the answer, picked when the child tapped it last, else plain.
inline State ofChoice(bool roundWon, bool isAnswer, bool isPicked)
{
    if (roundWon && isAnswer)
        return Right;
    return isPicked ? Picked : Plain;
}

} // namespace TileState

import QtQuick
import Pipwhistle.App

// A game page for a game that is not built yet.
Item {
    RootState { id: state }
    GameHostView {
        anchors.fill: parent
        gameId: "no-such-game"
        timeController: state.timeController
    }
}

import QtQuick
import Pipwhistle.App

// A game page with its game playing.
Item {
    RootState { id: state }
    GameHostView {
        anchors.fill: parent
        gameId: "chinese-match"
        timeController: state.timeController
    }
}

import QtQuick
import Pipwhistle.App

// The game page hosting the game `gameId` (pw_snapshot --game <id>).
Item {
    id: screen
    property string gameId: "chinese-match"
    RootState { id: state }
    GameHostView {
        anchors.fill: parent
        gameId: screen.gameId
        timeController: state.timeController
    }
}

import QtQuick
import Pipwhistle.App

// A finished play: the completion card over the blurred game.
Item {
    RootState { id: state }
    GameHostView {
        id: page
        anchors.fill: parent
        gameId: "chinese-match"
        timeController: state.timeController
        Component.onCompleted: page.host.finish(87, 2)
    }
}

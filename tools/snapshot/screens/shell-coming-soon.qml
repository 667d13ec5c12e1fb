import QtQuick
import Pipwhistle.App

// The coming-soon sheet over the Chinese shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        id: shelf
        anchors.fill: parent
        category: "chinese"
        timeController: state.timeController
        Component.onCompleted: {
            const game = ShellCatalog.game("radical-builder")
            game.available = false
            shelf.openGame(game)
        }
    }
}

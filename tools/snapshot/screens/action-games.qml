import QtQuick
import Pipwhistle.App

// The four action games side by side on their game pages, a moment into a play: the
// fruit falling with the basket moved, a tapped light, a star that has jumped, a planet
// lit by the playback. Render at twice the usual size with a settle long enough for the
// play to move:
//   pw_snapshot --screen action-games --size 2360x1640 --settle 1400
Item {
    id: screen

    readonly property var games: ["fruit-catcher", "red-light", "reaction", "rhythm-tap"]

    RootState { id: shell }

    Grid {
        anchors.fill: parent
        columns: 2
        Repeater {
            model: screen.games
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / 2
                height: screen.height / 2
                gameId: modelData
                timeController: shell.timeController
                Timer {
                    running: true
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        if (page.modelData === "fruit-catcher") {
                            game.start()
                            game.moveLeft()
                        } else if (page.modelData === "red-light") {
                            game.start()
                            game.tapSignal()
                        } else if (page.modelData === "reaction") {
                            game.start()
                            game.hit()
                            game.hit()
                            game.hit()
                        }
                    }
                }
            }
        }
    }
}

import QtQuick
import Pipwhistle.App

// The four first language games side by side on their game pages, at the start of a
// round, or after one wrong answer with `wrong: true` (see language-games-wrong.qml).
// Render at twice the usual size:
//   pw_snapshot --screen language-games --size 2732x2048
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["chinese-match", "radical-builder", "english-listen", "word-shooter"]

    RootState { id: shell }

    // A tile that does not hold the answer of the round on screen.
    function wrongTile(id, game) {
        const i = game.questionIndex
        if (id === "radical-builder")
            return 3 // the answer is never the fourth candidate
        if (id === "word-shooter")
            return game.questionIndex < 10 ? 1 : ((6 - (i - 10) % 6) % 6 + 1) % 6
        return ((4 - i % 4) % 4 + 1) % 4
    }

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
                    running: screen.wrong
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        const tile = screen.wrongTile(page.modelData, game)
                        if (page.modelData === "word-shooter")
                            game.shoot(tile)
                        else
                            game.choose(tile)
                    }
                }
            }
        }
    }
}

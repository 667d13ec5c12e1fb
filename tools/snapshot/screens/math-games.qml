import QtQuick
import Pipwhistle.App

// The three math games side by side on their game pages, at the start of a round, or
// after one wrong answer with `wrong: true` (see math-games-wrong.qml). Render at twice
// the usual size:
//   pw_snapshot --screen math-games --size 2732x2048
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["math-battle", "number-slider", "clock-master"]

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
                    running: screen.wrong
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        if (page.modelData === "math-battle")
                            game.choose(-1) // on no tile, so never the answer
                        else if (page.modelData === "number-slider")
                            game.move(game.board.indexOf(0)) // the blank cannot move
                        else
                            game.choose(game.choices[0]) // the answer stands in the middle
                    }
                }
            }
        }
    }
}

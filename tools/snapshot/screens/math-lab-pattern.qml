import QtQuick
import Pipwhistle.App

// The little laboratory and the pattern game side by side on their game pages, at the
// start of a round, or after one wrong answer with `wrong: true` (see
// math-lab-pattern-wrong.qml). Each page gets half the width:
//   pw_snapshot --screen math-lab-pattern --size 2732x1024
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["little-lab", "pattern"]

    RootState { id: shell }

    Row {
        anchors.fill: parent
        Repeater {
            model: screen.games
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / 2
                height: screen.height
                gameId: modelData
                timeController: shell.timeController
                Timer {
                    running: screen.wrong
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        if (page.modelData === "little-lab")
                            game.choose(game.choices[2]) // the answer stands first
                        else
                            game.choose("") // on no button, so never the answer
                    }
                }
            }
        }
    }
}

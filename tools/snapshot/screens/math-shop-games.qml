import QtQuick
import Pipwhistle.App

// The make-ten and supermarket games side by side on their game pages, at the start of
// a round, or after one wrong answer with `wrong: true` (see math-shop-games-wrong.qml).
// Each page gets half the width:
//   pw_snapshot --screen math-shop-games --size 2732x1024
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["make-ten", "supermarket"]

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
                        if (page.modelData === "make-ten") {
                            // The first tile with one that does not make ten with it.
                            const numbers = game.numbers
                            let other = 1
                            while (numbers[0] + numbers[other] === 10)
                                ++other
                            game.select(0)
                            game.select(other)
                        } else {
                            game.choose(-1) // on no button, so never the total
                        }
                    }
                }
            }
        }
    }
}

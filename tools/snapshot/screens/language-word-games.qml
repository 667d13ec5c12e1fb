import QtQuick
import Pipwhistle.App

// The phonics train, the picture words and the sentence maker side by side on their game
// pages, at the start of a round, or after one wrong answer with `wrong: true` (see
// language-word-games-wrong.qml). Render wide:
//   pw_snapshot --screen language-word-games --size 3000x1100
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["phonics-train", "idiom-pictures", "sentence-maker"]

    RootState { id: shell }

    Row {
        anchors.fill: parent
        Repeater {
            model: screen.games
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / 3
                height: screen.height
                gameId: modelData
                timeController: shell.timeController
                Timer {
                    running: screen.wrong
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        if (page.modelData === "sentence-maker")
                            game.pick(0) // the first card never starts the sentence
                        else
                            game.choose(game.choices[0] === game.answer ? 1 : 0)
                    }
                }
            }
        }
    }
}

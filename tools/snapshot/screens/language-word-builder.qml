import QtQuick
import Pipwhistle.App

// The word builder three times side by side: at a round's start, with a full row spelled
// in the tiles' own order (wrong unless the shuffle kept the word), and after the
// microphone button was pressed (listening where an input device is found, else the
// note that the microphone is not ready). Render wide:
//   pw_snapshot --screen language-word-builder --size 2400x820 --settle 900
Item {
    id: screen

    RootState { id: shell }

    Row {
        anchors.fill: parent
        Repeater {
            model: ["start", "wrong", "microphone"]
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / 3
                height: screen.height
                gameId: "word-builder"
                timeController: shell.timeController
                Timer {
                    running: page.modelData !== "start"
                    interval: 50
                    onTriggered: {
                        const game = page.gameView.game
                        if (page.modelData === "wrong") {
                            for (let i = 0; i < game.tileLetters.length; ++i)
                                game.select(i)
                        } else {
                            game.microphone()
                        }
                    }
                }
            }
        }
    }
}

import QtQuick
import Pipwhistle.App

// The puzzle and observation games on their game pages, four a row, at the start of a
// round, or just after one wrong answer with `wrong: true` (see puzzles-games-wrong.qml):
//   pw_snapshot --screen puzzles-games --size 2732x1640 --settle 900
//   pw_snapshot --screen puzzles-games-wrong --size 2732x1640 --settle 2600
Item {
    id: screen

    property bool wrong: false
    readonly property var games: ["whats-missing", "rotating-blocks", "silly-scene", "animal-sounds",
                                   "color-trap", "tangram", "jigsaw"]

    // One wrong answer in the game on `page`.
    function answerWrong(id, game) {
        if (id === "whats-missing") {
            for (let i = 0; i < game.choices.length; ++i) {
                if (game.choices[i] !== game.answer) {
                    game.choose(game.choices[i])
                    return
                }
            }
        } else if (id === "rotating-blocks") {
            // Block 0 turned to its arrow, then once more: the turn too many.
            while (!game.matched[0])
                game.rotate(0)
            game.rotate(0)
        } else if (id === "silly-scene") {
            game.choose(0) // the one that does not belong is always the fifth or sixth
        } else if (id === "animal-sounds") {
            game.choose(game.names[0] === game.answer ? 1 : 0)
        } else if (id === "color-trap") {
            game.choose(game.hueNames.indexOf(game.word)) // the colour the word names
        } else if (id === "tangram") {
            game.choose(game.choices[0] === game.answer ? 1 : 0)
        } else if (id === "jigsaw") {
            game.pickCard(0) // the first card never shows the story's opening
        }
    }

    RootState { id: shell }

    Grid {
        anchors.fill: parent
        columns: 4
        Repeater {
            model: screen.games
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / 4
                height: screen.height / 2
                gameId: modelData
                timeController: shell.timeController
                Timer {
                    running: screen.wrong
                    // What's missing takes picks once its row has been on show for two seconds.
                    interval: page.modelData === "whats-missing" ? 2200 : 50
                    onTriggered: screen.answerWrong(page.modelData, page.gameView.game)
                }
            }
        }
    }
}

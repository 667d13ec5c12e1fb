import QtQuick
import Pipwhistle.App

// Four logic and memory games side by side on their game pages, at the start of a
// round, or just after one wrong answer with `wrong: true` (see logic-games-wrong.qml).
// `games` names the four; logic-games-more.qml shows the other four:
//   pw_snapshot --screen logic-games --size 2732x1024 --settle 800
Item {
    id: screen

    property bool wrong: false
    property var games: ["memory-match", "one-line", "simon-directions", "sequence-memory"]

    RootState { id: shell }

    // One wrong answer in the game `game` (identifier `id`), as a child would give it.
    function answerWrong(id, game) {
        if (id === "memory-match") {
            const cards = game.cards
            for (let i = 1; i < cards.length; ++i) {
                if (cards[i].emoji !== cards[0].emoji) {
                    game.flip(cards[0].id)
                    game.flip(cards[i].id)
                    return
                }
            }
        } else if (id === "one-line") {
            game.tap(game.route[1])
        } else if (id === "simon-directions") {
            game.choose(3) // down: the first command points left
        } else if (id === "sequence-memory") {
            game.tap("🟡") // the first sequence opens with red
        } else if (id === "route-memory") {
            game.tap((game.steps[0] + 1) % 4)
        } else if (id === "kid-sudoku") {
            game.place("🐶")
        } else if (id === "schulte-grid") {
            game.tap(16)
        } else if (id === "little-detective") {
            const choices = game.choices
            game.choose(choices[0] === game.answer ? choices[1] : choices[0])
        }
    }

    Row {
        anchors.fill: parent
        Repeater {
            model: screen.games
            GameHostView {
                id: page
                required property string modelData
                width: screen.width / screen.games.length
                height: screen.height
                gameId: modelData
                timeController: shell.timeController
                Timer {
                    running: screen.wrong
                    // After the playbacks of the sequence and route games have opened the input.
                    interval: page.modelData === "route-memory" ? 4600 : 2300
                    onTriggered: screen.answerWrong(page.modelData, page.gameView.game)
                }
            }
        }
    }
}

import QtQuick

// The other four logic and memory games, each just after a wrong answer:
//   pw_snapshot --screen logic-games-more-wrong --size 2732x1024 --settle 5300
Loader {
    source: "logic-games.qml"
    onLoaded: {
        item.games = ["kid-sudoku", "schulte-grid", "little-detective", "route-memory"]
        item.wrong = true
    }
}

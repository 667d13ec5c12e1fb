import QtQuick

// The other four logic and memory games at the start of a round:
//   pw_snapshot --screen logic-games-more --size 2732x1024 --settle 800
Loader {
    source: "logic-games.qml"
    onLoaded: item.games = ["kid-sudoku", "schulte-grid", "little-detective", "route-memory"]
}

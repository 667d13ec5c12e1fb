import QtQuick

// The puzzle and observation games, each just after a wrong answer:
//   pw_snapshot --screen puzzles-games-wrong --size 2732x1640 --settle 2600
Loader {
    source: "puzzles-games.qml"
    onLoaded: item.wrong = true
}

import QtQuick

// The first four logic and memory games, each just after a wrong answer:
//   pw_snapshot --screen logic-games-wrong --size 2732x1024 --settle 3000
Loader {
    source: "logic-games.qml"
    onLoaded: item.wrong = true
}

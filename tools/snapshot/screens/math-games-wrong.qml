import QtQuick

// The three math games, each just after a wrong answer (hint bubble, the clock game's
// tapped time marked):
//   pw_snapshot --screen math-games-wrong --size 2732x2048 --settle 900
Loader {
    source: "math-games.qml"
    onLoaded: item.wrong = true
}

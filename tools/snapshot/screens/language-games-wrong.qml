import QtQuick

// The four first language games, each just after a wrong answer (hint bubble; the word
// shooter's target marked):
//   pw_snapshot --screen language-games-wrong --size 2732x2048 --settle 900
Loader {
    source: "language-games.qml"
    onLoaded: item.wrong = true
}

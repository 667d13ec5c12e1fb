import QtQuick

// The phonics train, the picture words and the sentence maker, each just after a wrong
// answer (hint bubble; the tapped tile in mango):
//   pw_snapshot --screen language-word-games-wrong --size 3000x1100 --settle 900
Loader {
    source: "language-word-games.qml"
    onLoaded: item.wrong = true
}

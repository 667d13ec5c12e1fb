import QtQuick

// The make-ten and supermarket games just after a wrong answer (hint bubble, the
// make-ten pair still picked):
//   pw_snapshot --screen math-shop-games-wrong --size 2732x1024 --settle 300
Loader {
    source: "math-shop-games.qml"
    onLoaded: item.wrong = true
}

import QtQuick

// The little laboratory and the pattern game, each just after a wrong answer (hint
// bubble, the lab's tapped answer marked):
//   pw_snapshot --screen math-lab-pattern-wrong --size 2732x1024 --settle 900
Loader {
    source: "math-lab-pattern.qml"
    onLoaded: item.wrong = true
}

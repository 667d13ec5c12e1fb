import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common

// The page every game view starts from: it holds the game (the host finds it here),
// tells the game the page has appeared, shakes the whole page once for every new shake
// of the game's feedback line, and lays the content out in one column, centred and at
// most `maxWidth` wide, `sideMargin` in from each side.
//
//     GamePage {
//         id: view
//         game: ClockMasterGame {}
//         maxWidth: 660
//         spacing: 15
//         RoundHeader { ... }
//         ...
//     }
//
// implicitHeight is the least height the column needs; the host draws the game smaller
// where the window is shorter than that.
GameView {
    id: page

    default property alias content: column.data
    property real maxWidth: Infinity
    property real sideMargin: 24
    property real topMargin: 8
    property real bottomMargin: 16
    property alias spacing: column.spacing
    readonly property ColumnLayout column: column

    implicitHeight: column.implicitHeight + topMargin + bottomMargin

    Component.onCompleted: if (game) game.appear()

    AnswerShake {
        anchors.fill: parent
        count: page.game ? page.game.line.shakes : 0

        ColumnLayout {
            id: column
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.topMargin: page.topMargin
            anchors.bottomMargin: page.bottomMargin
            width: Math.min(page.maxWidth, parent.width - 2 * page.sideMargin)
        }
    }
}

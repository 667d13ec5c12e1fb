import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Logic

// The board of the one-line game, drawn afresh from what the game holds: the guide
// line, the line drawn so far and one dot per cell of the route (the star on the start,
// a tick on each cell reached). It keeps nothing of its own; a press of a dot is handed
// back through tapped(cell).
Item {
    id: board

    property var route: []
    property var visited: []
    property bool locked: false
    signal tapped(int cell)

    OneLineTrail {
        id: trail
        anchors.fill: parent
        route: board.route
        visited: board.visited
        guideColor: AppTheme.alpha(AppTheme.purple, 0.22)
        lineColor: AppTheme.mint
    }

    Repeater {
        model: board.route
        BouncyButton {
            id: dot
            required property int modelData
            required property int index
            readonly property int cell: modelData
            readonly property bool isStart: index === 0
            readonly property bool reached: board.visited.indexOf(cell) >= 0
            readonly property point centre: trail.width, trail.height, trail.centre(cell)
            objectName: "dot" + cell
            x: centre.x - width / 2
            y: centre.y - height / 2
            width: 54
            height: 54
            faceRadius: 27
            enabled: !board.locked
            Accessible.name: isStart ? "起点" : String(cell)
            onClicked: board.tapped(cell)

            Item {
                anchors.fill: parent
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 27
                    blur: 5
                    offsetY: 3
                    color: AppTheme.alpha(AppTheme.ink, 0.1)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 27
                    color: dot.reached ? AppTheme.mint : "white"
                    strokeWidth: 4
                    strokeCentered: true
                    strokeColor: dot.isStart ? AppTheme.mango : AppTheme.alpha(AppTheme.purple, 0.45)
                }
                EmojiText {
                    visible: dot.isStart
                    anchors.centerIn: parent
                    emoji: "⭐️"
                    pixelSize: AppTheme.font(AppTheme.Title2).pixelSize
                }
                Text {
                    visible: !dot.isStart && dot.reached
                    anchors.centerIn: parent
                    text: "✓"
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: "white"
                }
            }
        }
    }
}

import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Common

// One answer choice to tap: a bouncy tile with a text, filled by its TileState (plain
// white, picked mango, right mint, wrong coral). The game's rules give the state; the
// tile only draws it.
//
//     Repeater {
//         model: view.game.choices.length
//         ChoiceTile {
//             required property int index
//             objectName: "tile" + index
//             text: view.game.choices[index] ?? ""
//             tileState: view.game.tileStates[index] ?? TileState.Plain
//             enabled: !view.game.locked
//             onClicked: view.game.choose(index)
//         }
//     }
BouncyButton {
    id: tile

    property int tileState: TileState.Plain
    property font labelFont: AppTheme.font(AppTheme.Title3, Font.Bold)
    property color labelColor: AppTheme.ink
    property real radius: 24
    property real minimumHeight: 100
    property real strokeWidth: 3
    property bool strokeCentered: false
    property color strokeColor: AppTheme.alpha(AppTheme.coral, 0.3)
    property color plainFill: "white"
    property color pickedFill: AppTheme.alpha(AppTheme.mango, 0.28)
    property color rightFill: AppTheme.alpha(AppTheme.mint, 0.34)
    property color wrongFill: AppTheme.alpha(AppTheme.coral, 0.28)
    readonly property color fill: tileState === TileState.Right ? rightFill
                                : tileState === TileState.Picked ? pickedFill
                                : tileState === TileState.Wrong ? wrongFill
                                : plainFill

    faceRadius: radius
    Accessible.name: text

    Item {
        anchors.fill: parent
        implicitWidth: Math.max(120, labelText.implicitWidth + 24)
        implicitHeight: Math.max(tile.minimumHeight, labelText.implicitHeight + 20)
        PaintedBox {
            anchors.fill: parent
            radius: tile.radius
            color: tile.fill
            strokeWidth: tile.strokeWidth
            strokeCentered: tile.strokeCentered
            strokeColor: tile.strokeColor
        }
        Text {
            id: labelText
            anchors.centerIn: parent
            width: parent.width - 16
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: tile.text
            font: tile.labelFont
            color: tile.labelColor
        }
    }
}

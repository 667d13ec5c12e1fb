import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Common

// One answer choice to tap: a bouncy tile with a text (or content of its own, centred),
// filled by its TileState: plain white, picked mango, right mint, wrong coral (each fill
// may be tuned). The game's rules give the state; the tile only draws it.
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
    property real minimumWidth: 100
    property real minimumHeight: 100
    // Room around the text (or the content) in the tile's natural size.
    property real facePadding: 20
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
    // Content drawn instead of the text (a picture over a word), centred on the tile.
    default property alias content: contentHolder.data

    faceRadius: radius
    Accessible.name: text

    face: Item {
        anchors.fill: parent
        implicitWidth: Math.max(tile.minimumWidth, (labelText.visible ? labelText.implicitWidth
                                                                       : contentHolder.childrenRect.width) + tile.facePadding)
        implicitHeight: Math.max(tile.minimumHeight, (labelText.visible ? labelText.implicitHeight
                                                                         : contentHolder.childrenRect.height) + tile.facePadding)
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
            visible: contentHolder.children.length === 0
            anchors.centerIn: parent
            width: Math.min(implicitWidth, parent.width - 16)
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: tile.text
            font: tile.labelFont
            color: tile.labelColor
        }
        Item {
            id: contentHolder
            anchors.centerIn: parent
            width: childrenRect.width
            height: childrenRect.height
        }
    }
}

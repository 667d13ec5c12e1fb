import QtQuick
import Pipwhistle.Ui

// A Chinese answer tile: the character in large type over its pinyin, on a white rounded
// face outlined in `accent`, with a small speaker in the top-right corner that
// pronounces it. `chosen()` is a tap on the tile, `spoken()` a tap on the speaker.
Item {
    id: tile

    property string text
    property string pinyin
    property color accent: AppTheme.coral
    property real accentOpacity: 0.22
    property real characterSize: 43
    property real radius: 24
    property real speakerSize: 38
    property real speakerRadius: 12
    property real speakerSymbolSize: AppTheme.font(AppTheme.Headline).pixelSize
    property real speakerInset: 8
    property real minimumHeight: 108
    property bool answerable: true
    property bool shadow: true
    signal chosen()
    signal spoken()

    implicitWidth: 150
    implicitHeight: Math.max(minimumHeight, column.implicitHeight + 24)

    BouncyButton {
        id: face
        anchors.fill: parent
        faceRadius: tile.radius
        enabled: tile.answerable
        Accessible.name: tile.text
        onClicked: tile.chosen()

        Item {
            anchors.fill: parent
            SoftShadow {
                visible: tile.shadow
                anchors.fill: parent
                cornerRadius: tile.radius
                blur: 10
                offsetY: 5
                color: AppTheme.alpha(AppTheme.ink, 0.06)
            }
            PaintedBox {
                anchors.fill: parent
                radius: tile.radius
                color: "white"
                strokeWidth: 3
                strokeColor: AppTheme.alpha(tile.accent, tile.accentOpacity)
            }
            Column {
                id: column
                anchors.centerIn: parent
                spacing: 2
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: tile.text
                    font: AppTheme.sizedFont(tile.characterSize, Font.Bold)
                    color: AppTheme.ink
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: tile.pinyin
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: tile.accent
                }
            }
        }
    }

    BouncyButton {
        objectName: "speaker"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: tile.speakerInset
        width: tile.speakerSize
        height: tile.speakerSize
        faceRadius: tile.speakerRadius
        Accessible.name: "听 " + tile.text
        onClicked: tile.spoken()

        Item {
            anchors.fill: parent
            PaintedBox {
                anchors.fill: parent
                radius: tile.speakerRadius
                color: tile.accent
            }
            SymbolIcon {
                anchors.centerIn: parent
                name: "speaker.wave.2.fill"
                size: tile.speakerSymbolSize
                color: "white"
            }
        }
    }
}

import QtQuick
import Pipwhistle.Ui

// A button of the word builder: a symbol and a label on a capsule, with the bounce of
// every game button.
BouncyButton {
    id: button

    property string label
    property string symbol
    property color tint: AppTheme.ink
    property color fill: "white"
    property real sidePadding: 18
    property real capPadding: 13

    faceRadius: height / 2
    Accessible.name: label

    Item {
        anchors.fill: parent
        implicitWidth: row.implicitWidth + 2 * button.sidePadding
        implicitHeight: row.implicitHeight + 2 * button.capPadding
        PaintedBox {
            anchors.fill: parent
            radius: height / 2
            color: button.fill
        }
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: button.symbol
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: button.tint
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.label
                font: AppTheme.font(AppTheme.Headline)
                color: button.tint
            }
        }
    }
}

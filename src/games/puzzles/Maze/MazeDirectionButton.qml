import QtQuick
import Pipwhistle.Ui

// A button of the maze's direction pad: a white arrow on a purple-to-sky tile.
BouncyButton {
    id: button

    property string symbol

    faceRadius: 13
    implicitHeight: 36
    implicitWidth: 44
    opacity: enabled ? 1 : 0.5

    Item {
        anchors.fill: parent
        SoftShadow {
            anchors.fill: parent
            cornerRadius: 13
            blur: 4
            offsetY: 3
            color: AppTheme.alpha(AppTheme.purple, 0.18)
        }
        PaintedBox {
            anchors.fill: parent
            radius: 13
            fillStops: [AppTheme.purple, AppTheme.sky]
            fillDirection: PaintedBox.Diagonal
        }
        SymbolIcon {
            anchors.centerIn: parent
            name: button.symbol
            size: AppTheme.font(AppTheme.Headline).pixelSize
            color: "white"
        }
    }
}

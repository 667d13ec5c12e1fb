import QtQuick
import Pipwhistle.Ui

// The replay button of the listening and watching games: a symbol and a label in purple
// on a soft capsule.
BouncyButton {
    id: button
    property string symbol
    faceRadius: height / 2
    opacity: enabled ? 1 : 0.5
    Accessible.name: text
    Item {
        anchors.fill: parent
        implicitWidth: label.implicitWidth + 40
        implicitHeight: label.implicitHeight + 20
        PaintedBox {
            anchors.fill: parent
            radius: height / 2
            color: AppTheme.alpha(AppTheme.purple, 0.1)
        }
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: button.symbol
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: AppTheme.purple
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.purple
            }
        }
    }
}

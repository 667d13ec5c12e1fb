import QtQuick
import Pipwhistle.Ui

// One of the setup's time choices: a label (with an optional symbol) on a rounded
// face whose fill shows whether it is chosen.
BouncyButton {
    id: button

    property string symbol
    property color fill: AppTheme.alpha("white", 0.8)

    faceRadius: 16
    Accessible.name: text

    Rectangle {
        anchors.fill: parent
        implicitWidth: label.implicitWidth + 16
        implicitHeight: label.implicitHeight + 24
        radius: 16
        color: button.fill
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 5
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                visible: button.symbol !== ""
                name: button.symbol
                size: caption.font.pixelSize
                font.weight: Font.Bold
                color: AppTheme.ink
            }
            Text {
                id: caption
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.ink
            }
        }
    }
}

import QtQuick
import Pipwhistle.Ui

// The way back of a pushed page: "‹ label" on a rounded, rimmed, shadowed face.
BouncyButton {
    id: button

    property string label
    property font labelFont: AppTheme.font(AppTheme.Headline, Font.Bold)
    property real sidePadding: 16
    property real capPadding: 12
    property real radius: 18
    property color fill: AppTheme.alpha("white", 0.92)
    property real rimWidth: 2
    property color rimColor: AppTheme.alpha(AppTheme.mango, 0.78)
    property real shadowBlur: 6
    property real shadowY: 3

    faceRadius: radius
    Accessible.role: Accessible.Button
    Accessible.name: label

    Item {
        implicitWidth: row.implicitWidth + 2 * button.sidePadding
        implicitHeight: row.implicitHeight + 2 * button.capPadding

        SoftShadow {
            anchors.fill: parent
            cornerRadius: button.radius
            blur: button.shadowBlur
            offsetY: button.shadowY
            color: AppTheme.alpha(AppTheme.ink, 0.14)
        }
        PaintedBox {
            anchors.fill: parent
            radius: button.radius
            color: button.fill
            strokeWidth: button.rimWidth
            strokeColor: button.rimColor
        }
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "chevron.left"
                size: button.labelFont.pixelSize
                font.weight: Font.Bold
                color: AppTheme.ink
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.label
                font: button.labelFont
                color: AppTheme.ink
            }
        }
    }
}

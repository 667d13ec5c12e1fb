import QtQuick
import Pipwhistle.Ui

// A label button of the creative games: a system symbol and a title on a filled,
// rounded face, with the shared press look. `stretch` makes the face as wide as the
// button is laid out.
BouncyButton {
    id: button

    property string title
    property string symbol
    property bool iconAfter: false
    property color fill: AppTheme.purple
    property color textColor: "white"
    property color outline: "transparent"
    property real outlineWidth: 0
    property real radius: 18
    property real labelPaddingX: 18
    property real labelPaddingY: 12
    property font labelFont: AppTheme.font(AppTheme.Headline, Font.Bold)

    faceRadius: radius
    Accessible.name: title

    Item {
        anchors.fill: parent
        implicitWidth: label.implicitWidth + 2 * button.labelPaddingX
        implicitHeight: label.implicitHeight + 2 * button.labelPaddingY
        PaintedBox {
            anchors.fill: parent
            radius: button.radius
            color: button.fill
            strokeWidth: button.outlineWidth
            strokeColor: button.outline
        }
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 8
            layoutDirection: button.symbolAfter ? Qt.RightToLeft : Qt.LeftToRight
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                visible: button.symbol !== ""
                name: button.symbol
                size: button.labelFont.pixelSize
                color: button.textColor
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: button.title !== ""
                text: button.title
                font: button.labelFont
                color: button.textColor
            }
        }
    }
}

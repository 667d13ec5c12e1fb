import QtQuick
import Pipwhistle.Ui

// The two route buttons, the mainland route first; the route in use is filled purple.
// A tap hands the button's route to `chosen`, even when it is already in use.
Row {
    id: picker

    property var routes: []
    property string route
    signal chosen(string value)

    spacing: 7

    Repeater {
        model: picker.routes
        BouncyButton {
            id: button
            required property var modelData
            readonly property bool current: modelData.value === picker.route
            objectName: "route-" + modelData.value
            faceRadius: height / 2
            Accessible.name: modelData.label
            onClicked: picker.chosen(modelData.value)

            Item {
                anchors.fill: parent
                implicitWidth: label.implicitWidth + 24
                implicitHeight: label.implicitHeight + 20
                PaintedBox {
                    anchors.fill: parent
                    radius: height / 2
                    color: button.current ? AppTheme.purple : AppTheme.alpha("white", 0.86)
                }
                Row {
                    id: label
                    anchors.centerIn: parent
                    spacing: 6
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: button.modelData.symbol
                        size: AppTheme.font(AppTheme.Caption).pixelSize
                        color: button.current ? "white" : AppTheme.ink
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: button.modelData.label
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: button.current ? "white" : AppTheme.ink
                    }
                }
            }
        }
    }
}

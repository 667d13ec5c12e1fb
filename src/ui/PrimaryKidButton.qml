import QtQuick
import Pipwhistle.Ui

// The large gradient button children press to go on: `title`, then the symbol `icon`,
// white on a gradient through `colors` (leading to trailing; at least one colour).
// A completed press emits clicked() (handle it with onClicked).
Item {
    id: root

    property string title
    property string icon: "arrow.right"
    property var colors: [AppTheme.purple, AppTheme.sky]
    signal clicked()

    implicitWidth: label.implicitWidth + 48
    implicitHeight: label.implicitHeight + 32
    Accessible.role: Accessible.Button
    Accessible.name: title

    BouncyButton {
        anchors.fill: parent
        faceRadius: 24
        onClicked: root.clicked()

        Item {
            anchors.fill: parent
            SoftShadow {
                anchors.fill: parent
                cornerRadius: 24
                blur: 10
                offsetY: 7
                color: AppTheme.alpha(root.colors.length > 0 ? root.colors[0] : AppTheme.purple, 0.28)
            }
            PaintedBox {
                anchors.fill: parent
                radius: 24
                fillStops: root.colors
                fillDirection: PaintedBox.LeadingToTrailing
                strokeWidth: 2
                strokeCentered: true
                strokeColor: AppTheme.alpha("white", 0.52)
            }
            Row {
                id: label
                anchors.centerIn: parent
                spacing: 10
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.title
                    font: AppTheme.font(AppTheme.Headline)
                    color: "white"
                }
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: root.icon
                    size: 17
                    color: "white"
                }
            }
        }
    }
}

import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Common

// One topping chip. It follows the finger while dragged and springs back when let go;
// its drag is measured in the chip's place (which does not move), and the game's
// tracker decides what a release or a tap does.
Item {
    id: place

    property string title
    property string icon
    property bool selected: false
    required property DragTracker tracker

    implicitWidth: 80
    implicitHeight: 59
    z: tracker.dragging ? 10 : 0

    Item {
        id: chip
        objectName: "chipFace"
        width: place.width
        height: place.height
        x: place.tracker.dragging ? place.tracker.translation.x : 0
        y: place.tracker.dragging ? place.tracker.translation.y : 0
        Behavior on x {
            enabled: !place.tracker.dragging
            NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
        }
        Behavior on y {
            enabled: !place.tracker.dragging
            NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
        }

        PaintedBox {
            anchors.fill: parent
            radius: 16
            color: AppTheme.alpha("white", 0.9)
            strokeWidth: 2.5
            strokeColor: place.selected ? AppTheme.mint : "white"
        }
        Column {
            anchors.centerIn: parent
            spacing: 2
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: place.selected
                text: "✓"
                font: AppTheme.sizedFont(26, Font.Bold)
                color: AppTheme.mint
            }
            EmojiText {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: !place.selected
                emoji: place.icon
                pixelSize: 26
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: place.title
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: place.selected ? AppTheme.mint : AppTheme.ink
            }
        }
    }
    DragArea {
        objectName: "chipDrag"
        anchors.fill: parent
        frame: place
        tracker: place.tracker
    }
}

import QtQuick
import QtQuick.Templates as T
import Pipwhistle.Ui

// The press feedback of every card and button of the program: while a finger is on it,
// the face sinks 3 points, shrinks to 0.94 and darkens a little, and springs back on
// release. Put the face inside, filling the button; its implicit size is the button's.
// `faceRadius` is the face's corner radius, so the darkening follows its shape.
T.AbstractButton {
    id: control

    property real faceRadius: 0
    default property alias face: faceHolder.data

    // 0 at rest, 1 pressed, moved by one spring both ways.
    property real press: control.down ? 1 : 0
    Behavior on press {
        NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
    }

    padding: 0
    focusPolicy: Qt.NoFocus
    implicitWidth: faceHolder.children.length > 0 ? faceHolder.children[0].implicitWidth : 0
    implicitHeight: faceHolder.children.length > 0 ? faceHolder.children[0].implicitHeight : 0

    scale: 1 - (1 - AppTheme.pressedScale) * press
    transform: Translate { y: AppTheme.pressedOffset * control.press }

    contentItem: Item {
        Item {
            id: faceHolder
            anchors.fill: parent
        }
        Rectangle {
            anchors.fill: parent
            radius: control.faceRadius
            color: "black"
            opacity: Math.max(0, AppTheme.pressedDarkening * control.press)
            visible: opacity > 0
        }
    }
}

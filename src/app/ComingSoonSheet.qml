import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App

// The small sheet of a game still being built: its icon, "<title>正在建造中", a
// friendly note and "知道啦". It slides up from the bottom over a dimmed shelf; "知道啦",
// a tap beside it or dragging it down closes it.
Item {
    id: root

    property var game: null
    readonly property bool shown: game !== null
    readonly property color accent: game ? AppTheme.colors(game.category)[0] : AppTheme.purple

    function show(g) {
        game = g
        panel.y = root.height
        slideIn.restart()
    }
    function settle() {
        panel.y = Qt.binding(function() { return root.height - panel.height })
    }
    function dismiss() {
        if (!shown)
            return
        slideIn.stop()
        game = null
    }

    visible: shown

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.22)
        MouseArea {
            anchors.fill: parent
            onClicked: root.dismiss()
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    Item {
        id: panel
        objectName: "comingSoonPanel"
        width: Math.min(root.width, 620)
        height: 330
        x: (root.width - width) / 2
        y: root.height - height

        SoftShadow {
            anchors.fill: parent
            cornerRadius: 28
            blur: 18
            offsetY: -2
            color: AppTheme.alpha(AppTheme.ink, 0.2)
        }
        PaintedBox {
            anchors.fill: parent
            anchors.bottomMargin: -28 // only the top corners are rounded
            radius: 28
            fillStops: AppTheme.background
            fillDirection: PaintedBox.Diagonal
        }
        // Taps on the sheet stay on the sheet; a drag down closes it.
        MouseArea {
            id: grip
            anchors.fill: parent
            property real startY: 0
            function sceneY(mouse) { return grip.mapToItem(root, mouse.x, mouse.y).y }
            onPressed: function(mouse) { startY = sceneY(mouse) }
            onPositionChanged: function(mouse) {
                panel.y = root.height - panel.height + Math.max(0, sceneY(mouse) - startY)
            }
            onReleased: {
                if (panel.y > root.height - panel.height + 80)
                    root.dismiss()
                else
                    root.settle()
            }
        }
        // The drag indicator.
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 6
            width: 36
            height: 5
            radius: 2.5
            color: AppTheme.alpha(AppTheme.softInk, 0.35)
        }

        Column {
            anchors.centerIn: parent
            width: parent.width - 48
            spacing: 18

            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 92
                height: 92
                Rectangle {
                    anchors.fill: parent
                    radius: 46
                    color: AppTheme.alpha(root.accent, 0.14)
                }
                SymbolIcon {
                    anchors.centerIn: parent
                    name: root.game ? root.game.icon : ""
                    size: 40
                    font.weight: Font.Bold
                    color: root.accent
                }
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: (root.game ? root.game.title : "") + "正在建造中"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
                elide: Text.ElideRight
            }
            Text {
                width: parent.width - 32
                anchors.horizontalCenter: parent.horizontalCenter
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "小铃已经把它放进下一批游戏啦。先去试试已经开放的玩法吧！"
                font: AppTheme.font(AppTheme.Body)
                color: AppTheme.softInk
            }
            PrimaryKidButton {
                width: parent.width - 60
                anchors.horizontalCenter: parent.horizontalCenter
                title: "知道啦"
                icon: "checkmark"
                colors: [AppTheme.purple, AppTheme.sky]
                onClicked: root.dismiss()
            }
        }
    }

    NumberAnimation {
        id: slideIn
        target: panel
        property: "y"
        to: root.height - panel.height
        duration: 340
        easing.type: Easing.OutCubic
        onFinished: root.settle()
    }
}

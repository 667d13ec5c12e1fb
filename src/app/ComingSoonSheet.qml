import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App
import Pipwhistle.Games.Common

// The small sheet of a game still being built: its icon, "<title>正在建造中", a
// friendly note and "知道啦". It slides up from the bottom over a dimmed shelf; "知道啦",
// a tap beside it or dragging it down closes it. Once it has slid up, and until a
// finger moves it, the sheet is drawn once into a picture of its own and the shelf
// beneath draws the dimming into its still picture, under its time chip.
Item {
    id: root

    // What the sheet shows and how the finger holds it (CategoryShelfView calls
    // controller.show(game)).
    readonly property ComingSoonSheetState controller: ComingSoonSheetState {}
    readonly property var game: controller.shown ? controller.game : null
    readonly property bool shown: controller.shown
    readonly property color accent: game ? AppTheme.colors(game.category)[0] : AppTheme.purple
    readonly property color dimming: Qt.rgba(0, 0, 0, 0.22)
    // Up and let go of: the shelf beneath then draws the dimming.
    readonly property bool still: shown && !slideIn.running && controller.offset === 0

    // How far below its resting place the sheet still is while it slides up.
    property real slide: 0
    onShownChanged: if (shown) slideIn.restart(); else slideIn.stop()

    visible: shown

    Rectangle {
        anchors.fill: parent
        visible: !root.still
        color: root.dimming
    }
    MouseArea {
        anchors.fill: parent
        onClicked: root.controller.dismiss()
        onWheel: function(wheel) { wheel.accepted = true }
    }

    Item {
        id: panel
        objectName: "comingSoonPanel"
        width: Math.min(root.width, 620)
        height: 330
        x: (root.width - width) / 2
        y: root.height - height + root.slide + root.controller.offset

        // The sheet's picture has room for its shadow, which reaches 1.5 times its
        // blur beyond the sheet and lies its offset higher; below the sheet is the
        // window's edge.
        StillLayer {
            x: -28
            y: -30
            width: panel.width + 56
            height: panel.height + 30
            active: root.still

            Item {
                x: 28
                y: 30
                width: panel.width
                height: panel.height

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
                DragArea {
                    anchors.fill: parent
                    frame: root
                    tracker: root.controller.drag
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
                        onClicked: root.controller.dismiss()
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: slideIn
        target: root
        property: "slide"
        from: panel.height
        to: 0
        duration: 340
        easing.type: Easing.OutCubic
    }
}

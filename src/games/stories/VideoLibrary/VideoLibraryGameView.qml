import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Qt5Compat.GraphicalEffects
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Stories

// 视频科普影厅: the header with the route picker, the route's note, the shelf of programme
// cards, the player in its white frame, the hint and the footer with the programme's
// sentence and the done button.
GamePage {
    id: view
    game: VideoLibraryGame {}
    maxWidth: 1050
    topMargin: 8
    spacing: 14

    readonly property VideoLibraryGame room: view.game

    Component.onDestruction: room.disappear()

    // The player is built from its file, so that not even the web engine's module is
    // loaded before the room's first frame is on the screen.
    property bool shown: false
    onShownChanged: playerSlot.setSource(Qt.resolvedUrl("VideoEmbedView.qml"),
                                         { objectName: "player", coordinator: view.room.player })
    Connections {
        target: view.Window.window
        enabled: !view.shown
        function onFrameSwapped() { view.shown = true }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 16
        Column {
            spacing: 4
            Text {
                text: "视频科普影厅"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                text: "动物、星球、海洋、建筑、国家与生活"
                font: AppTheme.font(AppTheme.Subheadline, Font.DemiBold)
                color: AppTheme.softInk
            }
        }
        Item { Layout.fillWidth: true }
        VideoRoutePicker {
            objectName: "routePicker"
            routes: view.room.routes
            route: view.room.route
            onChosen: value => view.room.chooseRoute(value)
        }
    }

    Text {
        objectName: "routeNote"
        Layout.fillWidth: true
        text: view.room.routeNote
        font: AppTheme.font(AppTheme.Caption, Font.DemiBold)
        color: AppTheme.softInk
        horizontalAlignment: Text.AlignLeft
        wrapMode: Text.Wrap
    }

    ListView {
        id: shelf
        objectName: "shelf"
        Layout.fillWidth: true
        Layout.preferredHeight: 148 + 8
        orientation: ListView.Horizontal
        boundsBehavior: Flickable.StopAtBounds
        spacing: 12
        clip: true
        header: Item { width: 3; height: 1 }
        footer: Item { width: 3; height: 1 }
        model: view.room.items
        delegate: Item {
            id: slot
            required property var modelData
            required property int index
            width: 208
            height: shelf.height
            VideoShelfCard {
                objectName: "card-" + slot.modelData.id
                anchors.centerIn: parent
                item: slot.modelData
                selected: view.room.selectedID === slot.modelData.id
                onClicked: view.room.selectItem(slot.modelData.id)
            }
        }
    }

    // The player, 16:9, as large as the room allows and at most 980 wide.
    Item {
        id: stage
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 200
        readonly property real playerWidth: Math.min(980, width, height * 16 / 9)

        Item {
            id: frame
            width: stage.playerWidth
            height: stage.playerWidth * 9 / 16
            anchors.centerIn: parent

            SoftShadow {
                anchors.fill: parent
                cornerRadius: 30
                blur: 12
                offsetY: 6
                color: AppTheme.alpha(AppTheme.ink, 0.18)
            }
            // Rounded corners need a mask, which only a hardware renderer draws; the
            // software renderer shows the player square inside the rounded frame.
            Item {
                id: clipped
                anchors.fill: parent
                clip: true
                layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software && !view.room.player.fullWindow
                layer.effect: OpacityMask {
                    maskSource: Rectangle {
                        width: clipped.width
                        height: clipped.height
                        radius: 30
                    }
                }
                // The web engine takes a good while to start: the room comes on the
                // screen at once and its player is built once that frame is shown (the
                // page slides in on the render thread meanwhile).
                // The room's own frame, where the player's service cannot be reached.
                Rectangle {
                    objectName: "offlineFrame"
                    anchors.fill: parent
                    visible: view.room.player.offline
                    radius: 30
                    color: AppTheme.cream
                    Column {
                        anchors.centerIn: parent
                        width: parent.width - 40
                        spacing: 12
                        SymbolIcon {
                            anchors.horizontalCenter: parent.horizontalCenter
                            name: "wifi.slash"
                            size: 56
                            color: AppTheme.sky
                        }
                        Text {
                            width: parent.width
                            text: "连上网络，就能看节目啦"
                            font: AppTheme.font(AppTheme.Title3, Font.Bold)
                            color: AppTheme.softInk
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.Wrap
                        }
                    }
                }
                // Built once the room is on the screen (see `shown`). Its file, and the
                // web engine's module with it, is loaded synchronously: a type loaded on
                // the QML loader's thread while the interface thread runs can bring the
                // program down (see TypesAhead in the shell).
                Loader {
                    id: playerSlot
                    objectName: "playerSlot"
                    anchors.fill: parent
                }
            }
            PaintedBox {
                anchors.fill: parent
                radius: 30
                strokeCentered: true
                strokeWidth: 4
                strokeColor: AppTheme.alpha("white", 0.9)
            }
        }
    }

    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 6
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "play.rectangle.on.rectangle.fill"
            size: AppTheme.font(AppTheme.Caption).pixelSize
            color: AppTheme.softInk
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "点节目卡立即播放；点播放器右下角可进入全屏"
            font: AppTheme.font(AppTheme.Caption, Font.Bold)
            color: AppTheme.softInk
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 4
        Layout.rightMargin: 4
        spacing: 12
        RowLayout {
            Layout.fillWidth: true
            spacing: 6
            SymbolIcon {
                Layout.alignment: Qt.AlignVCenter
                name: "sparkles"
                size: AppTheme.font(AppTheme.Subheadline).pixelSize
                color: AppTheme.softInk
            }
            Text {
                objectName: "description"
                Layout.fillWidth: true
                text: view.room.description
                font: AppTheme.font(AppTheme.Subheadline, Font.DemiBold)
                color: AppTheme.softInk
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
            }
        }
        BouncyButton {
            id: done
            objectName: "done"
            faceRadius: height / 2
            enabled: !view.room.wasMarkedComplete
            Accessible.name: doneText.text
            onClicked: view.room.markWatched()
            Item {
                anchors.fill: parent
                implicitWidth: doneLabel.implicitWidth + 36
                implicitHeight: doneLabel.implicitHeight + 26
                PaintedBox {
                    anchors.fill: parent
                    radius: height / 2
                    color: AppTheme.purple
                }
                Row {
                    id: doneLabel
                    anchors.centerIn: parent
                    spacing: 6
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: view.room.wasMarkedComplete ? "bookmark.fill" : "bookmark"
                        size: AppTheme.font(AppTheme.Headline).pixelSize
                        color: "white"
                    }
                    Text {
                        id: doneText
                        anchors.verticalCenter: parent.verticalCenter
                        text: view.room.wasMarkedComplete ? "已点亮" : "看完啦，点亮书签"
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: "white"
                    }
                }
            }
        }
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 魔法换装秀场: the doll on a lit stage (dragged sideways to change her look) with her
// accessory, and the panel of looks, accessories and the finish control.
GameView {
    id: view

    implicitHeight: panelColumn.implicitHeight + 32 + 24 + 16

    game: MagicClosetGame {}

    Component.onCompleted: game.appear()

    Item {
        id: area
        anchors.fill: parent
        anchors.margins: 8
        clip: true

        StorybookArtImage {
            anchors.fill: parent
            name: "storybook_magic_lobby"
            radius: 28
        }
        PaintedBox {
            anchors.fill: parent
            radius: 28
            fillStops: [Qt.rgba(0, 0, 0, 0.12), AppTheme.alpha(AppTheme.purple, 0.24), Qt.rgba(0, 0, 0, 0.34)]
            fillDirection: PaintedBox.Diagonal
        }

        RowLayout {
            anchors.fill: parent
            anchors.margins: 12
            spacing: 18

            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 6

                Item {
                    Layout.alignment: Qt.AlignHCenter
                    implicitWidth: heading.implicitWidth
                    implicitHeight: heading.implicitHeight
                    Text {
                        y: 3
                        text: heading.text
                        textFormat: Text.RichText
                        font: heading.font
                        color: Qt.rgba(0, 0, 0, 0.45)
                    }
                    Text {
                        id: heading
                        text: AppTheme.emojiText("✨ 魔法换装秀场")
                        textFormat: Text.RichText
                        font: AppTheme.sizedFont(26, Font.Black)
                        color: "white"
                    }
                }
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: parent.width
                    elide: Text.ElideRight
                    text: "左右拖动女孩换造型，选一件闪亮配饰"
                    font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                    color: AppTheme.alpha("white", 0.94)
                }

                Item {
                    id: stage
                    objectName: "stage"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.minimumHeight: 200

                    SoftShadow {
                        anchors.centerIn: parent
                        anchors.verticalCenterOffset: 145
                        width: 330
                        height: 80
                        cornerRadius: 40
                        blur: 18
                        color: AppTheme.alpha(AppTheme.mango, 0.3)
                    }
                    SoftShadow {
                        anchors.centerIn: parent
                        width: 390
                        height: 390
                        cornerRadius: 195
                        blur: 25
                        color: AppTheme.alpha("white", 0.22)
                    }
                    Repeater {
                        model: 9
                        Text {
                            required property int index
                            x: stage.width / 2 + ((71 * index) % 300) - 150 - width / 2
                            y: stage.height / 2 + ((47 * index) % 270) - 135 - height / 2
                            text: index % 2 === 0 ? "✦" : "•"
                            font: AppTheme.sizedFont(index % 2 === 0 ? 22 : 15, Font.Black)
                            color: index % 3 === 0 ? AppTheme.mango : "white"
                        }
                    }
                    Item {
                        id: doll
                        objectName: "doll"
                        // The pictures are 2 : 3, fitted within 360 × max(0.62 H, 330).
                        readonly property real maxHeight: Math.max(0.62 * area.height, 330)
                        width: Math.min(360, maxHeight * 2 / 3)
                        height: width * 3 / 2
                        anchors.centerIn: parent
                        scale: view.game.isPosing ? 1.055 : 1
                        // Turns and follows the drag; swings back when let go.
                        property real swing: view.game.dragX
                        Behavior on swing {
                            enabled: !view.game.stageDrag.dragging
                            NumberAnimation { duration: 500; easing.type: Easing.OutCubic }
                        }
                        transform: [
                            Rotation {
                                origin.x: doll.width / 2
                                origin.y: doll.height / 2
                                axis { x: 0; y: 1; z: 0 }
                                angle: doll.swing / 7
                            },
                            Translate {
                                x: 0.22 * doll.swing
                                y: doll.lift
                            }
                        ]
                        property real lift: view.game.isPosing ? -7 : 0
                        Behavior on scale { NumberAnimation { duration: 420; easing.type: Easing.OutBack } }
                        Behavior on lift { NumberAnimation { duration: 420; easing.type: Easing.OutBack } }

                        SoftShadow {
                            anchors.fill: parent
                            anchors.margins: parent.width * 0.18
                            offsetY: 10
                            blur: 15
                            cornerRadius: width / 2
                            color: Qt.rgba(0, 0, 0, 0.3)
                        }
                        StorybookArtImage {
                            objectName: "dollPicture"
                            anchors.fill: parent
                            name: view.game.lookImage
                        }
                    }
                    EmojiText {
                        objectName: "accessoryBadge"
                        anchors.centerIn: parent
                        anchors.horizontalCenterOffset: 102
                        anchors.verticalCenterOffset: -82
                        emoji: view.game.accessory
                        pixelSize: 58
                        rotation: view.game.isPosing ? 12 : -7
                        Behavior on rotation { NumberAnimation { duration: 350; easing.type: Easing.OutBack } }
                    }
                    DragArea {
                        objectName: "dollDrag"
                        anchors.fill: parent
                        frame: stage
                        tracker: view.game.stageDrag
                    }
                }

                Item {
                    Layout.alignment: Qt.AlignHCenter
                    implicitWidth: lookBadge.implicitWidth + 40
                    implicitHeight: lookBadge.implicitHeight + 16
                    PaintedBox {
                        anchors.fill: parent
                        radius: height / 2
                        color: Qt.rgba(0, 0, 0, 0.36)
                    }
                    Text {
                        id: lookBadge
                        objectName: "lookTitle"
                        anchors.centerIn: parent
                        text: view.game.lookTitle
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: "white"
                    }
                }
            }

            Item {
                Layout.preferredWidth: Math.min(0.4 * area.width, 370)
                Layout.rightMargin: 8
                Layout.fillHeight: true
                DarkPanel {
                    anchors.fill: parent
                    radius: 30
                    shade: 0.4
                    outlineOpacity: 0.75
                }
                ColumnLayout {
                    id: panelColumn
                    anchors.fill: parent
                    anchors.margins: 16
                    spacing: 12
                    Text {
                        text: "选择女孩造型"
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: "white"
                    }
                    Repeater {
                        model: view.game.looks
                        BouncyButton {
                            id: lookRow
                            required property var modelData
                            required property int index
                            readonly property bool marked: view.game.lookIndex === index
                            readonly property color ink: marked ? AppTheme.ink : "white"
                            objectName: "look" + index
                            Layout.fillWidth: true
                            faceRadius: 20
                            Accessible.name: modelData.title
                            onClicked: view.game.tapLook(index)
                            Item {
                                anchors.fill: parent
                                implicitWidth: 200
                                implicitHeight: 64 + 16
                                PaintedBox {
                                    anchors.fill: parent
                                    radius: 20
                                    color: lookRow.marked ? AppTheme.mango : Qt.rgba(0, 0, 0, 0.36)
                                    strokeWidth: 2
                                    strokeColor: AppTheme.alpha("white", 0.75)
                                }
                                RowLayout {
                                    anchors.fill: parent
                                    anchors.leftMargin: 13
                                    anchors.rightMargin: 13
                                    anchors.topMargin: 8
                                    anchors.bottomMargin: 8
                                    spacing: 12
                                    Item {
                                        implicitWidth: 50
                                        implicitHeight: 64
                                        StorybookArtImage {
                                            anchors.centerIn: parent
                                            width: 64 * 2 / 3
                                            height: 64
                                            name: lookRow.modelData.image
                                        }
                                    }
                                    ColumnLayout {
                                        Layout.fillWidth: true
                                        spacing: 2
                                        Text {
                                            text: lookRow.modelData.title
                                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                                            color: lookRow.ink
                                        }
                                        Text {
                                            Layout.fillWidth: true
                                            text: lookRow.modelData.subtitle
                                            font: AppTheme.font(AppTheme.Caption, Font.Bold)
                                            color: lookRow.ink
                                            opacity: 0.84
                                            wrapMode: Text.Wrap
                                            maximumLineCount: 2
                                            elide: Text.ElideRight
                                        }
                                    }
                                    SymbolIcon {
                                        name: lookRow.marked ? "checkmark.circle.fill" : "sparkles"
                                        size: 17
                                        color: lookRow.ink
                                        cutColor: AppTheme.mango
                                    }
                                }
                            }
                        }
                    }
                    Text {
                        Layout.topMargin: 2
                        text: "搭配魔法配饰"
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: "white"
                    }
                    GridLayout {
                        Layout.fillWidth: true
                        columns: 3
                        columnSpacing: 8
                        rowSpacing: 8
                        Repeater {
                            model: view.game.accessories
                            BouncyButton {
                                id: accessoryButton
                                required property string modelData
                                required property int index
                                readonly property bool worn: view.game.accessory === modelData
                                objectName: "accessory" + index
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                Layout.minimumHeight: 54
                                faceRadius: 17
                                Accessible.name: modelData
                                onClicked: view.game.tapAccessory(index)
                                Item {
                                    anchors.fill: parent
                                    implicitWidth: 60
                                    implicitHeight: 54
                                    PaintedBox {
                                        anchors.fill: parent
                                        radius: 17
                                        color: accessoryButton.worn ? AppTheme.coral : AppTheme.alpha("white", 0.88)
                                        strokeWidth: 2
                                        strokeColor: "white"
                                    }
                                    EmojiText {
                                        anchors.centerIn: parent
                                        emoji: accessoryButton.modelData
                                        pixelSize: 31
                                    }
                                }
                            }
                        }
                    }
                    Item { Layout.fillHeight: true }
                    CreativeButton {
                        objectName: "finish"
                        Layout.fillWidth: true
                        title: view.game.finishTitle
                        symbol: "camera.fill"
                        radius: 20
                        labelPaddingY: 13
                        fill: AppTheme.mango
                        textColor: AppTheme.ink
                        outline: "white"
                        outlineWidth: 3
                        enabled: !view.game.celebrated
                        onClicked: view.game.finish()
                    }
                }
            }
        }
    }
}

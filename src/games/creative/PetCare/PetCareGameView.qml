import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Creative
import Pipwhistle.Games.Common

// 宠物魔法小屋: the pet card beside the four task cards, the finish control once all
// four are done, and the feedback line.
GameView {
    id: view

    implicitHeight: column.implicitHeight + 8 + 16

    game: PetCareGame {}

    Component.onCompleted: game.appear()

    ColumnLayout {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 8
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(880, parent.width - 32)
        spacing: 16

        RowLayout {
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 3
                Text {
                    text: "宠物魔法小屋"
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: AppTheme.ink
                }
                Text {
                    text: "喂一喂、洗一洗、陪它玩，再送它休息。"
                    font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                    color: AppTheme.softInk
                }
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "counter"
                text: AppTheme.emojiText(view.game.counter)
                textFormat: Text.RichText
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.coral
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 28
            ColumnLayout {
                spacing: 8
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    text: "小宠物今天心情很好！"
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.ink
                }
                Item {
                    implicitWidth: 290
                    implicitHeight: 292
                    PaintedBox {
                        anchors.fill: parent
                        radius: 34
                        fillStops: [AppTheme.alpha(AppTheme.sky, 0.35), AppTheme.alpha(AppTheme.cream, 0.92)]
                        fillDirection: PaintedBox.TopToBottom
                    }
                    Column {
                        anchors.centerIn: parent
                        spacing: 7
                        EmojiText {
                            objectName: "moodMark"
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: view.game.moodMark
                            pixelSize: AppTheme.font(AppTheme.Title).pixelSize
                        }
                        // The two settings are shown as stored (EmojiText draws plain text).
                        EmojiText {
                            objectName: "pet"
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: view.game.pet
                            pixelSize: 114
                        }
                        // The accessory keeps its place in the column, under the pet, and is
                        // drawn 105 points higher: over the pet's upper half.
                        EmojiText {
                            objectName: "petAccessory"
                            anchors.horizontalCenter: parent.horizontalCenter
                            visible: view.game.petAccessory !== ""
                            emoji: view.game.petAccessory
                            pixelSize: 44
                            transform: Translate { y: -105 }
                        }
                        Text {
                            objectName: "status"
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.status
                            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                            color: AppTheme.softInk
                        }
                    }
                }
            }
            GridLayout {
                Layout.maximumWidth: 440
                Layout.preferredWidth: 440
                columns: 2
                columnSpacing: 13
                rowSpacing: 13
                Repeater {
                    // Four lasting cards: a task done changes its card, not the cards.
                    model: view.game.tasks.length
                    BouncyButton {
                        id: task
                        required property int index
                        readonly property var modelData: view.game.tasks[index]
                        readonly property bool done: modelData.done
                        readonly property color ink: done ? AppTheme.mint : AppTheme.ink
                        objectName: "task" + index
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: 10
                        Layout.minimumHeight: 112
                        faceRadius: 24
                        enabled: !done
                        Accessible.name: modelData.title
                        onClicked: view.game.doTask(index)
                        Item {
                            anchors.fill: parent
                            implicitWidth: 150
                            implicitHeight: 112
                            PaintedBox {
                                anchors.fill: parent
                                radius: 24
                                color: task.done ? AppTheme.alpha(AppTheme.mint, 0.18) : AppTheme.alpha("white", 0.92)
                                strokeWidth: 3
                                strokeColor: task.done ? AppTheme.mint : AppTheme.alpha(AppTheme.purple, 0.22)
                            }
                            Column {
                                anchors.centerIn: parent
                                spacing: 6
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    visible: task.done
                                    text: "✓"
                                    font: AppTheme.sizedFont(38, Font.Bold)
                                    color: task.ink
                                }
                                EmojiText {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    visible: !task.done
                                    emoji: task.modelData.emoji
                                    pixelSize: 38
                                }
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    text: task.done ? "完成啦" : task.modelData.title
                                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                                    color: task.ink
                                }
                            }
                        }
                    }
                }
            }
        }

        CreativeButton {
            objectName: "finish"
            Layout.alignment: Qt.AlignHCenter
            visible: view.game.caredFor
            title: view.game.finishTitle
            symbol: "heart.fill"
            radius: height / 2
            labelPaddingX: 20
            labelPaddingY: 14
            fill: AppTheme.coral
            enabled: !view.game.finished
            onClicked: view.game.finish()
        }

        FeedbackBubble {
            objectName: "feedback"
            Layout.alignment: Qt.AlignHCenter
            text: view.game.feedback
            isGood: view.game.caredFor
        }
    }
}

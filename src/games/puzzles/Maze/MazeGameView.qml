import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 森林冒险迷宫: the title with the step, key and monster counters; the board on the left,
// the adventure panel (tasks, direction pad, feedback) on the right.
GamePage {
    id: view
    game: MazeGame {}
    sideMargin: 12
    topMargin: 4
    bottomMargin: 10
    spacing: 8

    RowLayout {
        id: header
        Layout.fillWidth: true
        Layout.leftMargin: 4
        Layout.rightMargin: 4
        spacing: 12
        ColumnLayout {
            spacing: 1
            Text {
                text: "森林冒险迷宫"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                text: "收集道具 · 击退坏蛋 · 打开宝箱"
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.softInk
            }
        }
        Item { Layout.fillWidth: true; Layout.minimumWidth: 8 }
        Row {
            spacing: 4
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "shoeprints.fill"
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: AppTheme.purple
            }
            Text {
                objectName: "stepCounter"
                anchors.verticalCenter: parent.verticalCenter
                text: view.game.moves + " 步"
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.purple
            }
        }
        Text {
            objectName: "keyCounter"
            text: AppTheme.emojiText("🔑 " + view.game.keyCount + "/3")
            textFormat: Text.RichText
            font: AppTheme.font(AppTheme.Headline, Font.Bold)
            color: AppTheme.coral
        }
        Text {
            objectName: "monsterCounter"
            text: AppTheme.emojiText("👾 " + view.game.monsterCount + "/2")
            textFormat: Text.RichText
            font: AppTheme.font(AppTheme.Headline, Font.Bold)
            color: AppTheme.mint
        }
    }

    RowLayout {
        id: main
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: 12

        // The board's white card, shaped like the maze and as large as the row allows.
        Item {
            id: boardArea
            Layout.fillWidth: true
            Layout.fillHeight: true
            readonly property real aspect: view.game.columns / view.game.rows
            readonly property real cardWidth: Math.min(width, height * aspect)
            Item {
                anchors.centerIn: parent
                width: boardArea.cardWidth
                height: boardArea.cardWidth / boardArea.aspect
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 28
                    blur: 16
                    offsetY: 8
                    color: AppTheme.alpha(AppTheme.ink, 0.13)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 28
                    color: AppTheme.alpha("white", 0.86)
                }
                MazeBoard {
                    objectName: "mazeBoard"
                    anchors.fill: parent
                    game: view.game
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 28
                    strokeWidth: 4
                    strokeCentered: true
                    strokeColor: AppTheme.alpha("white", 0.95)
                }
            }
        }

        Item {
            id: panel
            Layout.fillHeight: true
            Layout.preferredWidth: Math.max(190, Math.min(238, view.width * 0.24))
            PaintedBox {
                anchors.fill: parent
                radius: 25
                color: AppTheme.alpha("white", 0.84)
                strokeWidth: 2
                strokeCentered: true
                strokeColor: AppTheme.alpha(AppTheme.mango, 0.36)
            }
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 8
                spacing: 6

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 5
                    EmojiText {
                        emoji: "🦊"
                        pixelSize: AppTheme.font(AppTheme.Title).pixelSize
                    }
                    Text {
                        Layout.fillWidth: true
                        text: "小狐狸探险队"
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: AppTheme.ink
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: AppTheme.font(AppTheme.Headline).pixelSize * 0.75
                    }
                    QuestionReaderButton {
                        text: "找齐三把钥匙和魔法泡泡，击退两个捣蛋怪，再走到宝箱。"
                        language: "zh-CN"
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 4
                    MazeObjectiveRow {
                        Layout.fillWidth: true
                        icon: "🔑"
                        title: "闪亮钥匙"
                        value: view.game.keyCount + " / 3"
                        done: view.game.keyCount === 3
                    }
                    MazeObjectiveRow {
                        Layout.fillWidth: true
                        icon: view.game.pickedMagicBubble ? "🫧" : "◯"
                        title: "魔法泡泡"
                        value: view.game.pickedMagicBubble ? "已拿到" : "去寻找"
                        done: view.game.pickedMagicBubble
                    }
                    MazeObjectiveRow {
                        Layout.fillWidth: true
                        icon: "👾"
                        title: "捣蛋怪"
                        value: view.game.monsterCount + " / 2"
                        done: view.game.monsterCount === 2
                    }
                    MazeObjectiveRow {
                        Layout.fillWidth: true
                        icon: view.game.hasFinishedTasks ? "🎁" : "🔒"
                        title: "终点宝箱"
                        value: view.game.hasFinishedTasks ? "已解锁" : "未解锁"
                        done: view.game.hasFinishedTasks
                    }
                }

                Item { Layout.fillHeight: true }

                // The direction pad: up above, left, down and right below.
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 5
                    MazeDirectionButton {
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 64
                        symbol: "arrow.up"
                        Accessible.name: "向上"
                        objectName: "padUp"
                        enabled: !view.game.finished
                        onClicked: view.game.move(MazeGame.Up)
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 7
                        MazeDirectionButton {
                            Layout.fillWidth: true
                            symbol: "arrow.left"
                            Accessible.name: "向左"
                            objectName: "padLeft"
                            enabled: !view.game.finished
                            onClicked: view.game.move(MazeGame.Left)
                        }
                        MazeDirectionButton {
                            Layout.fillWidth: true
                            symbol: "arrow.down"
                            Accessible.name: "向下"
                            objectName: "padDown"
                            enabled: !view.game.finished
                            onClicked: view.game.move(MazeGame.Down)
                        }
                        MazeDirectionButton {
                            Layout.fillWidth: true
                            symbol: "arrow.right"
                            Accessible.name: "向右"
                            objectName: "padRight"
                            enabled: !view.game.finished
                            onClicked: view.game.move(MazeGame.Right)
                        }
                    }
                }

                Item { Layout.fillHeight: true }

                // The feedback line, small enough for the panel: two lines at most.
                Item {
                    Layout.fillWidth: true
                    implicitHeight: feedbackRow.implicitHeight + 14
                    readonly property color foreground: view.game.feedbackGood ? AppTheme.goodText : AppTheme.hintText
                    id: feedbackBox
                    PaintedBox {
                        anchors.fill: parent
                        radius: 16
                        color: AppTheme.alpha(view.game.feedbackGood ? AppTheme.mint : AppTheme.mango, 0.18)
                    }
                    RowLayout {
                        id: feedbackRow
                        anchors.fill: parent
                        anchors.leftMargin: 10
                        anchors.rightMargin: 10
                        spacing: 6
                        SymbolIcon {
                            name: view.game.feedbackGood ? "checkmark.circle.fill" : "lightbulb.fill"
                            size: AppTheme.font(AppTheme.Caption2).pixelSize
                            color: feedbackBox.foreground
                        }
                        Text {
                            objectName: "feedback"
                            Layout.fillWidth: true
                            text: AppTheme.emojiText(view.game.feedback)
                            textFormat: Text.RichText
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            font: AppTheme.font(AppTheme.Caption2, Font.Bold)
                            color: feedbackBox.foreground
                        }
                    }
                }
            }
        }
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 旋转积木: the target card of six arrows, and below it the six blocks a tap turns a
// quarter turn clockwise; a block that points like its target arrow turns mint.
GamePage {
    id: view
    game: RotatingBlocksGame {}
    maxWidth: 640
    spacing: 15

    RoundHeader {
        Layout.fillWidth: true
        title: "旋转积木"
        subtitle: view.game.name
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: "点一下积木，它会顺时针转一格。转得和目标一模一样！"
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: targetColumn.implicitHeight + 28
        PaintedBox {
            anchors.fill: parent
            radius: 24
            color: AppTheme.alpha(AppTheme.purple, 0.1)
        }
        ColumnLayout {
            id: targetColumn
            anchors.fill: parent
            anchors.margins: 14
            spacing: 8
            Text {
                text: "目标图案"
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.purple
            }
            GridLayout {
                Layout.fillWidth: true
                columns: 3
                columnSpacing: 8
                rowSpacing: 8
                Repeater {
                    // A count, so the cells stay and take each new pattern's arrows.
                    model: view.game.targetGlyphs.length
                    Item {
                        required property int index
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        implicitHeight: 48
                        PaintedBox {
                            anchors.fill: parent
                            radius: 15
                            color: AppTheme.purple
                        }
                        Text {
                            anchors.centerIn: parent
                            text: view.game.targetGlyphs[parent.index] ?? ""
                            font: AppTheme.sizedFont(28, Font.Black)
                            color: "white"
                        }
                    }
                }
            }
        }
    }
    ColumnLayout {
        Layout.fillWidth: true
        spacing: 8
        Text {
            text: "你的积木"
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.ink
        }
        GridLayout {
            Layout.fillWidth: true
            columns: 3
            columnSpacing: 10
            rowSpacing: 10
            Repeater {
                // A count, so the blocks stay and take each new pattern's arrows.
                model: view.game.blockGlyphs.length
                BouncyButton {
                    id: block
                    required property int index
                    readonly property bool matched: view.game.matched[index] ?? false
                    objectName: "block" + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    faceRadius: 21
                    enabled: !view.game.locked
                    Accessible.name: view.game.blockGlyphs[index] ?? ""
                    onClicked: view.game.rotate(index)
                    Item {
                        anchors.fill: parent
                        implicitHeight: 86
                        PaintedBox {
                            anchors.fill: parent
                            radius: 21
                            color: block.matched ? AppTheme.mint : "white"
                            strokeWidth: 3
                            strokeCentered: true
                            strokeColor: AppTheme.alpha(AppTheme.sky, 0.36)
                        }
                        Text {
                            anchors.centerIn: parent
                            text: view.game.blockGlyphs[block.index] ?? ""
                            font: AppTheme.sizedFont(45, Font.Black)
                            color: block.matched ? "white" : AppTheme.ink
                        }
                    }
                }
            }
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

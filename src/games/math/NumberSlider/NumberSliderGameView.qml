import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 数字华容道: a 3 x 3 board of sliding numbers with one blank, and the goal line.
GamePage {
    id: view
    game: NumberSliderGame {}
    maxWidth: 560
    spacing: 15

    RoundHeader {

        counterColor: AppTheme.purple
        Layout.fillWidth: true
        title: "数字华容道"
        subtitle: view.game.levelName
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: "点空格旁边的数字，让它们从一排到八。"
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: grid.implicitHeight + 24
        PaintedBox {
            anchors.fill: parent
            radius: 28
            color: AppTheme.alpha(AppTheme.purple, 0.08)
        }
        GridLayout {
            id: grid
            anchors.fill: parent
            anchors.margins: 12
            columns: 3
            columnSpacing: 9
            rowSpacing: 9
            Repeater {
                model: view.game.board.length
                BouncyButton {
                    id: cell
                    required property int index
                    readonly property int value: view.game.board[index] ?? 0
                    objectName: "cell" + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.minimumWidth: 10
                    faceRadius: 20
                    enabled: !view.game.locked && value !== 0
                    Accessible.name: value === 0 ? "空格" : String(value)
                    onClicked: view.game.move(index)

                    Item {
                        anchors.fill: parent
                        implicitWidth: 10
                        implicitHeight: Math.max(84, number.implicitHeight)
                        PaintedBox {
                            anchors.fill: parent
                            radius: 20
                            color: cell.value === 0 ? AppTheme.alpha(AppTheme.sky, 0.16) : "white"
                            strokeWidth: 3
                            strokeCentered: true
                            strokeColor: cell.value === 0 ? AppTheme.alpha(AppTheme.purple, 0.32)
                                                          : AppTheme.alpha(AppTheme.mango, 0.35)
                        }
                        Text {
                            id: number
                            anchors.centerIn: parent
                            text: cell.value === 0 ? "" : String(cell.value)
                            font: AppTheme.sizedFont(40, Font.Black)
                            color: cell.value === 0 ? "transparent" : AppTheme.ink
                        }
                    }
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "目标：1  2  3 / 4  5  6 / 7  8  空格"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.softInk
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

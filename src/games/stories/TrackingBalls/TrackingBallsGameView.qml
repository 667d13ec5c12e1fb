import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Stories

// 追踪小球: the 3 × 3 grid the yellow ball walks over, the replay button and the
// feedback line.
GamePage {
    id: view
    game: TrackingBallsGame {}
    maxWidth: 560
    topMargin: 8
    spacing: 15

    RoundHeader {
        Layout.fillWidth: true
        title: "追踪小球"
        subtitle: "眼睛跟着黄球走一走"
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.question
        language: "zh-CN"
        speechID: ""
    }
    Item {
        id: board
        Layout.fillWidth: true
        Layout.preferredHeight: grid.implicitHeight + 28
        PaintedBox {
            anchors.fill: parent
            radius: 32
            color: AppTheme.alpha(AppTheme.sky, 0.16)
        }
        GridLayout {
            id: grid
            anchors.fill: parent
            anchors.margins: 14
            columns: 3
            columnSpacing: 12
            rowSpacing: 12
            Repeater {
                model: 9
                ChoiceTile {
                    required property int index
                    objectName: "cell" + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 10
                    Layout.minimumHeight: 92
                    minimumHeight: 92
                    radius: 25
                    strokeColor: AppTheme.alpha(AppTheme.purple, 0.25)
                    pickedFill: AppTheme.alpha(AppTheme.mango, 0.82)
                    rightFill: AppTheme.alpha(AppTheme.mint, 0.48)
                    labelFont: AppTheme.sizedFont(52, Font.Black)
                    text: view.game.highlighted === index ? "●" : ""
                    tileState: view.game.cellStates[index] ?? TileState.Plain
                    enabled: view.game.accepting && !view.game.locked
                    Accessible.name: "格子 " + (index + 1)
                    onClicked: view.game.choose(index)
                }
            }
        }
    }
    ReplayButton {
        objectName: "replay"
        Layout.alignment: Qt.AlignHCenter
        text: "再看一次路线"
        symbol: "arrow.counterclockwise"
        enabled: !view.game.locked
        onClicked: view.game.replay()
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 神奇一笔画: the route's name, the board with its dots, one progress circle per cell.
GamePage {
    id: view
    game: OneLineGame {}
    maxWidth: 680
    topMargin: 8
    spacing: 14

    // The board is never smaller than `smallestBoard`.
    readonly property real smallestBoard: 260

    RoundHeader {
        id: header
        Layout.fillWidth: true
        title: "神奇一笔画"
        subtitle: view.game.name
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        id: prompt
        Layout.fillWidth: true
        text: "从星星开始，沿着小路依次点过每个圆点"
        language: "zh-CN"
        speechID: ""
    }
    Item {
        id: boardArea
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: view.smallestBoard
        // Square, at most 490 wide, as large as the space allows.
        readonly property real side: Math.min(490, width, height)
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.verticalCenter
            width: boardArea.side
            height: boardArea.side
            PaintedBox {
                anchors.fill: parent
                radius: 28
                color: AppTheme.alpha(AppTheme.sky, 0.1)
            }
            OneLineBoard {
                objectName: "board"
                anchors.fill: parent
                anchors.margins: 10
                route: view.game.route
                visited: view.game.visited
                locked: view.game.locked
                onTapped: cell => view.game.tap(cell)
            }
        }
    }
    Row {
        id: progress
        Layout.alignment: Qt.AlignHCenter
        spacing: 7
        Repeater {
            model: view.game.route.length
            Rectangle {
                required property int index
                width: 13
                height: 13
                radius: 6.5
                color: index < view.game.visited.length ? AppTheme.mint : AppTheme.alpha(AppTheme.sky, 0.2)
            }
        }
    }
    FeedbackBubble {
        id: bubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
}

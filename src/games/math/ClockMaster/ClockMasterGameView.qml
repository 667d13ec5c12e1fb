import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 时间小达人: an analogue clock on a white card and three written times to choose from.
GamePage {
    id: view
    game: ClockMasterGame {}
    maxWidth: 660
    spacing: 15

    RoundHeader {

        counterColor: AppTheme.purple
        Layout.fillWidth: true
        title: "时间小达人"
        subtitle: "长针是分钟，短针是小时"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.alignment: Qt.AlignHCenter
        implicitWidth: 228 + 20
        implicitHeight: 228 + 20
        PaintedBox {
            anchors.fill: parent
            radius: 34
            color: "white"
            strokeWidth: 4
            strokeCentered: true
            strokeColor: AppTheme.alpha(AppTheme.sky, 0.32)
        }
        ClockFace {
            objectName: "clockFace"
            anchors.centerIn: parent
            width: 228
            height: 228
            hour: view.game.hour
            minute: view.game.minute
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 13
        Repeater {
            // A count, so the tiles stay and take each new question's times.
            model: view.game.choices.length
            ChoiceTile {
                required property int index
                readonly property string choice: view.game.choices[index] ?? ""
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                radius: 23
                minimumWidth: 0
                minimumHeight: 95
                facePadding: 24
                strokeCentered: true
                labelFont: AppTheme.sizedFont(29, Font.Black)
                text: choice
                tileState: view.game.tileStates[index] ?? TileState.Plain
                enabled: !view.game.locked
                onClicked: view.game.choose(choice)
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

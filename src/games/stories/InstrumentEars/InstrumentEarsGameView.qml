import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Stories

// 听音猜乐器: the hint card with the clue, the replay button and the four instrument
// names.
GamePage {
    id: view
    game: InstrumentEarsGame {}
    maxWidth: 720
    topMargin: 8
    spacing: 15

    RoundHeader {
        Layout.fillWidth: true
        title: "听音猜乐器"
        subtitle: "听音高和节奏的小线索"
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
        Layout.fillWidth: true
        Layout.preferredHeight: Math.max(152, hintColumn.implicitHeight + 28)
        PaintedBox {
            anchors.fill: parent
            radius: 34
            color: "white"
            strokeWidth: 4
            strokeCentered: true
            strokeColor: AppTheme.alpha(AppTheme.mango, 0.38)
        }
        Column {
            id: hintColumn
            anchors.centerIn: parent
            spacing: 9
            EmojiText {
                anchors.horizontalCenter: parent.horizontalCenter
                emoji: "👂  🎶"
                pixelSize: 82
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: view.game.clue
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.ink
            }
        }
    }
    ReplayButton {
        objectName: "replay"
        Layout.alignment: Qt.AlignHCenter
        text: "🎵 再听一次乐器"
        symbol: "speaker.wave.2.fill"
        enabled: !view.game.locked
        onClicked: view.game.replay()
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 10
        Repeater {
            model: view.game.choices.length
            ChoiceTile {
                required property int index
                objectName: "choice" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 10
                minimumHeight: 82
                radius: 21
                strokeColor: AppTheme.alpha(AppTheme.purple, 0.28)
                labelFont: AppTheme.font(AppTheme.Headline, Font.Bold)
                text: view.game.choices[index] ?? ""
                tileState: view.game.choiceStates[index] ?? TileState.Plain
                enabled: !view.game.locked
                onClicked: view.game.choose(text)
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

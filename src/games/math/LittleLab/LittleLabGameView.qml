import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 小小实验室: the experiment as a big emoji scene, the question what happens next, three
// answers, and after the right one the science behind it.
GamePage {
    id: view
    game: LittleLabGame {}
    maxWidth: 720
    spacing: 16

    // The least height the layout needs, the explanation card's place included even
    // while it is hidden, so the game keeps its size when the card appears; the host
    // draws the game smaller where the window is shorter than this.
    implicitHeight: view.column.implicitHeight + view.topMargin + view.bottomMargin
                    + (explanation.visible ? 0 : explanation.implicitHeight + view.column.spacing)

    RoundHeader {
        Layout.fillWidth: true
        title: "小小实验室"
        subtitle: view.game.title
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: Math.max(170, scene.implicitHeight + 24)
        PaintedBox {
            anchors.fill: parent
            radius: 34
            color: "white"
            strokeWidth: 4
            strokeCentered: true
            strokeColor: AppTheme.alpha(AppTheme.mint, 0.35)
        }
        EmojiText {
            id: scene
            objectName: "scene"
            anchors.centerIn: parent
            emoji: view.game.scene
            pixelSize: 96
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 13
        Repeater {
            // A count, so the buttons stay and take each new experiment's answers.
            model: view.game.choices.length
            ChoiceTile {
                required property int index
                readonly property string choice: view.game.choices[index] ?? ""
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                minimumWidth: 0
                minimumHeight: 98
                facePadding: 24
                strokeCentered: true
                strokeColor: AppTheme.alpha(AppTheme.mint, 0.35)
                text: choice
                tileState: view.game.tileStates[index] ?? TileState.Plain
                enabled: !view.game.locked
                onClicked: view.game.choose(choice)
            }
        }
    }
    KidCard {
        id: explanation
        objectName: "explanation"
        Layout.fillWidth: true
        visible: view.game.locked
        padding: 14
        Text {
            anchors.fill: parent
            text: AppTheme.emojiText("💡 " + view.game.explanation)
            textFormat: Text.RichText // rich text honours the emoji font of emojiText()
            wrapMode: Text.Wrap
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.ink
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

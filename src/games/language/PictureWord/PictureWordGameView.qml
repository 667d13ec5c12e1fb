import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 看图猜词: one large picture, and the child taps the word it stands for among three.
GamePage {
    id: view
    game: PictureWordGame {}
    maxWidth: 700
    spacing: 17

    RoundHeader {

        counterColor: AppTheme.purple
        Layout.fillWidth: true
        title: "看图猜词"
        subtitle: "图片里藏着什么词？"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Item {
        objectName: "pictureCard"
        Layout.fillWidth: true
        implicitWidth: picture.implicitWidth
        implicitHeight: Math.max(174, picture.implicitHeight)
        PaintedBox {
            anchors.fill: parent
            radius: 35
            color: "white"
            strokeWidth: 4
            strokeColor: AppTheme.alpha(AppTheme.coral, 0.3)
        }
        EmojiText {
            id: picture
            anchors.centerIn: parent
            emoji: view.game.image
            pixelSize: 102
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 13
        Repeater {
            // A count, so the tiles stay and take each new question's words.
            model: view.game.choices.length
            ChoiceTile {
                required property int index
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                minimumWidth: 120
                text: view.game.choices[index] ?? ""
                tileState: view.game.tileStates[index] ?? TileState.Plain
                enabled: !view.game.locked
                onClicked: view.game.choose(index)
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

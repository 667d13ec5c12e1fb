import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 自然拼读列车: a word rides the train car behind the locomotive, and the child taps the
// letter of its first sound among three.
GamePage {
    id: view
    game: PhonicsTrainGame {}
    maxWidth: 700
    spacing: 16

    component Coupling: PaintedBox {
        Layout.alignment: Qt.AlignVCenter
        implicitWidth: 30
        implicitHeight: 9
        radius: 18
        color: AppTheme.alpha(AppTheme.sky, 0.28)
    }

    RoundHeader {

        counterColor: AppTheme.purple
        Layout.fillWidth: true
        title: "自然拼读列车"
        subtitle: "First sound train"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "en-US"
        speechID: ""
    }
    Item {
        objectName: "trainCard"
        Layout.fillWidth: true
        implicitHeight: train.implicitHeight + 32
        implicitWidth: train.implicitWidth + 32
        PaintedBox {
            anchors.fill: parent
            radius: 30
            color: AppTheme.alpha(AppTheme.mango, 0.12)
        }
        RowLayout {
            id: train
            anchors.centerIn: parent
            spacing: 0
            EmojiText {
                Layout.alignment: Qt.AlignVCenter
                emoji: "🚂"
                pixelSize: 68
            }
            Coupling {}
            Item {
                objectName: "car"
                implicitWidth: 138
                implicitHeight: 116
                PaintedBox {
                    anchors.fill: parent
                    radius: 25
                    color: "white"
                    strokeWidth: 3
                    strokeColor: AppTheme.alpha(AppTheme.sky, 0.4)
                }
                Column {
                    anchors.centerIn: parent
                    spacing: 3
                    EmojiText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        emoji: view.game.picture
                        pixelSize: 66
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: view.game.gloss
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }
            Coupling {}
            Item {
                implicitWidth: 82
                implicitHeight: 82
                PaintedBox {
                    anchors.fill: parent
                    radius: 20
                    color: AppTheme.alpha(AppTheme.purple, 0.12)
                }
                Text {
                    anchors.centerIn: parent
                    text: "?"
                    font: AppTheme.sizedFont(45, Font.Black)
                    color: AppTheme.purple
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "哪一个字母声音能开动列车？"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.ink
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 14
        Repeater {
            // A count, so the tiles stay and take each new question's letters.
            model: view.game.choices.length
            ChoiceTile {
                required property int index
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                radius: 25
                minimumHeight: 116
                facePadding: 0
                strokeColor: AppTheme.alpha(AppTheme.purple, 0.28)
                labelFont: AppTheme.sizedFont(52, Font.Black)
                text: view.game.labels[index] ?? ""
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

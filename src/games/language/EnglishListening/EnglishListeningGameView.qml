import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 听一听，点出正确图片: the mascot, a big replay button that says the word, and four
// picture-and-word tiles. The word is only spoken, never written above the tiles.
GamePage {
    id: view
    game: EnglishListeningGame {}
    topMargin: 12
    spacing: 20

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: view.game.counter
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.softInk
        }
        Item { Layout.fillWidth: true }
        Row {
            spacing: 5
            Repeater {
                model: view.game.progress
                Rectangle {
                    required property string modelData
                    width: modelData === "current" ? 32 : 16
                    height: 9
                    radius: 4.5
                    color: modelData === "done" ? AppTheme.mint
                         : modelData === "current" ? AppTheme.purple
                         : AppTheme.alpha(AppTheme.ink, 0.1)
                }
            }
        }
    }
    Item { Layout.fillHeight: true }
    MascotView {
        Layout.alignment: Qt.AlignHCenter
        size: 104
        mood: "happy"
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "听一听，点出正确图片"
        font: AppTheme.font(AppTheme.Title2, Font.Bold)
        color: AppTheme.ink
    }
    BouncyButton {
        Layout.alignment: Qt.AlignHCenter
        faceRadius: height / 2
        Accessible.name: "Find the …"
        onClicked: view.game.speakQuestion()

        Item {
            implicitWidth: replayRow.implicitWidth + 52
            implicitHeight: replayRow.implicitHeight + 34
            SoftShadow {
                anchors.fill: parent
                cornerRadius: height / 2
                blur: 12
                offsetY: 7
                color: AppTheme.alpha(AppTheme.purple, 0.25)
            }
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.purple
            }
            Row {
                id: replayRow
                anchors.centerIn: parent
                spacing: 12
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "speaker.wave.3.fill"
                    size: 28
                    color: "white"
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Find the …"
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: "white"
                }
            }
        }
    }
    Item { Layout.fillHeight: true }
    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 14
        rowSpacing: 14
        Repeater {
            // A count, so the tiles stay and take each new question's texts.
            model: view.game.tiles.length
            BouncyButton {
                                        required property int index
                readonly property var choice: view.game.tiles[index] ?? {}
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 26
                enabled: !view.game.locked
                Accessible.name: choice.label
                onClicked: view.game.choose(index)
                AnswerTile {
                    anchors.fill: parent
                    text: choice.label
                    emoji: choice.emoji
                    color: AppTheme.sky
                    selected: false
                }
            }
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        visible: view.game.feedback.length === 0
        text: "点喇叭可以再听一次"
        font: AppTheme.font(AppTheme.Subheadline)
        color: AppTheme.softInk
    }
    Item { Layout.fillHeight: true }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 识字拼音岛: the picture, the pinyin question, a "listen" button and four character tiles.
GamePage {
    id: view
    game: ChineseMatchGame {}
    topMargin: 10
    spacing: 18

    RoundHeader {
        Layout.fillWidth: true
        title: "识字拼音岛"
        counter: view.game.counter
    }
    EmojiText {
        Layout.alignment: Qt.AlignHCenter
        emoji: view.game.emoji
        pixelSize: 95
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.question
        font: AppTheme.font(AppTheme.Title, Font.Bold)
        color: AppTheme.ink
    }
    BouncyButton {
        id: listen
        Layout.alignment: Qt.AlignHCenter
        faceRadius: height / 2
        Accessible.name: "听一听"
        onClicked: view.game.speak()

        Item {
            implicitWidth: listenRow.implicitWidth + 40
            implicitHeight: listenRow.implicitHeight + 24
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.alpha(AppTheme.coral, 0.11)
            }
            Row {
                id: listenRow
                anchors.centerIn: parent
                spacing: 6
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "speaker.wave.2.fill"
                    color: AppTheme.coral
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "听一听"
                    font: AppTheme.font(AppTheme.Headline)
                    color: AppTheme.coral
                }
            }
        }
    }
    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 14
        rowSpacing: 14
        Repeater {
            // A count, so the tiles stay and take each new question's texts.
            model: view.game.tiles.length
            CharacterTile {
                                        required property int index
                readonly property var choice: view.game.tiles[index] ?? {}
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                text: choice.text
                pinyin: choice.pinyin
                answerable: !view.game.locked
                onChosen: view.game.choose(index)
                onSpoken: view.game.speakChoice(index)
            }
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true }
}

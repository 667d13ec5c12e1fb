import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 动物声音研究所: a big speaker button that says an animal sound in English, and three
// animals to pick the one that makes it. A right pick shows a fact about the animal.
GamePage {
    id: view
    game: AnimalSoundsGame {}
    maxWidth: 820
    spacing: 17

    RoundHeader {
        Layout.fillWidth: true
        title: "动物声音研究所"
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    BouncyButton {
        objectName: "speaker"
        Layout.alignment: Qt.AlignHCenter
        faceRadius: 32
        Accessible.name: "听动物叫声"
        onClicked: view.game.speakSound()
        Item {
            implicitWidth: 210
            implicitHeight: 142
            SoftShadow {
                anchors.fill: parent
                cornerRadius: 32
                blur: 16
                offsetY: 8
                color: AppTheme.alpha(AppTheme.purple, 0.28)
            }
            PaintedBox {
                anchors.fill: parent
                radius: 32
                color: AppTheme.purple
            }
            Column {
                anchors.centerIn: parent
                spacing: 10
                SymbolIcon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "speaker.wave.3.fill"
                    size: 50
                    color: "white"
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "听动物叫声"
                    font: AppTheme.font(AppTheme.Title3, Font.Bold)
                    color: "white"
                }
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 13
        Repeater {
            // A count, so the tiles stay and take each new question's animals.
            model: view.game.names.length
            BouncyButton {
                id: tile
                required property int index
                readonly property int tileState: view.game.tileStates[index] ?? TileState.Plain
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 24
                enabled: !view.game.locked
                Accessible.name: view.game.names[index] ?? ""
                onClicked: view.game.choose(index)
                Item {
                    anchors.fill: parent
                    implicitHeight: Math.max(118, column.implicitHeight + 16)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 24
                        color: tile.tileState === TileState.Right ? AppTheme.alpha(AppTheme.mint, 0.32)
                             : tile.tileState === TileState.Picked ? AppTheme.alpha(AppTheme.mango, 0.25)
                             : "white"
                        strokeWidth: 2
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.sky, 0.22)
                    }
                    Column {
                        id: column
                        anchors.centerIn: parent
                        spacing: 8
                        EmojiText {
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: view.game.emojis[tile.index] ?? ""
                            pixelSize: 52
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.names[tile.index] ?? ""
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: AppTheme.ink
                        }
                    }
                }
            }
        }
    }
    KidCard {
        Layout.fillWidth: true
        visible: view.game.locked
        padding: 15
        Text {
            anchors.fill: parent
            text: AppTheme.emojiText("🌿 " + view.game.fact)
            textFormat: Text.RichText
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.ink
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

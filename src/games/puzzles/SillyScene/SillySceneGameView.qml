import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 哪里不合理: a scene as six object tiles on a tinted board; tap the one that came to the
// wrong place. Once it is found, a card explains why.
GamePage {
    id: view
    game: SillySceneGame {}
    maxWidth: 820
    spacing: 16

    RoundHeader {
        Layout.fillWidth: true
        title: "哪里不合理"
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
        implicitHeight: Math.min(330, board.implicitHeight + 36)
        PaintedBox {
            anchors.fill: parent
            radius: 30
            fillStops: view.game.boardColors
            fillDirection: PaintedBox.Diagonal
        }
        GridLayout {
            id: board
            anchors.fill: parent
            anchors.margins: 18
            columns: 3
            columnSpacing: 12
            rowSpacing: 12
            Repeater {
                // A count, so the tiles stay and take each new scene's objects.
                model: view.game.emojis.length
                BouncyButton {
                    id: tile
                    required property int index
                    readonly property int tileState: view.game.tileStates[index] ?? TileState.Plain
                    objectName: "tile" + index
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    faceRadius: 22
                    enabled: !view.game.locked
                    Accessible.name: view.game.names[index] ?? ""
                    onClicked: view.game.choose(index)
                    Item {
                        anchors.fill: parent
                        implicitHeight: Math.max(100, column.implicitHeight + 12)
                        PaintedBox {
                            anchors.fill: parent
                            radius: 22
                            color: tile.tileState === TileState.Right ? AppTheme.alpha(AppTheme.mint, 0.42)
                                 : tile.tileState === TileState.Picked ? AppTheme.alpha(AppTheme.mango, 0.34)
                                 : AppTheme.alpha("white", 0.9)
                            strokeWidth: view.game.selectedIndex === tile.index ? 5 : 2
                            strokeCentered: true
                            strokeColor: view.game.selectedIndex === tile.index
                                         ? AppTheme.coral : AppTheme.alpha("white", 0.65)
                        }
                        Column {
                            id: column
                            anchors.centerIn: parent
                            spacing: 5
                            EmojiText {
                                anchors.horizontalCenter: parent.horizontalCenter
                                emoji: view.game.emojis[tile.index] ?? ""
                                pixelSize: 50
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: view.game.names[tile.index] ?? ""
                                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                                color: AppTheme.ink
                            }
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
        RowLayout {
            anchors.fill: parent
            spacing: 12
            EmojiText {
                emoji: "💡"
                pixelSize: 30
            }
            Text {
                Layout.fillWidth: true
                text: AppTheme.emojiText(view.game.explanation)
                textFormat: Text.RichText
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.ink
                wrapMode: Text.WordWrap
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

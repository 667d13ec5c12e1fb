import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 故事拼图: three dashed slots for a short picture story, filled one by one as the cards
// below are tapped in the order the events happen.
GamePage {
    id: view
    game: StoryPuzzleGame {}
    maxWidth: 760
    spacing: 16

    RoundHeader {
        Layout.fillWidth: true
        title: "故事拼图"
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
    RowLayout {
        Layout.fillWidth: true
        spacing: 11
        Repeater {
            model: view.game.slotIcons.length
            Item {
                id: storySlot
                required property int index
                readonly property bool filled: index < view.game.placedCount
                objectName: "slot" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                implicitHeight: Math.max(116, slotColumn.implicitHeight + 16)
                PaintedBox {
                    anchors.fill: parent
                    radius: 22
                    color: storySlot.filled ? AppTheme.alpha(AppTheme.mint, 0.19) : AppTheme.alpha(AppTheme.sky, 0.17)
                    strokeWidth: 3
                    strokeDash: 7
                    strokeCentered: true
                    strokeColor: storySlot.filled ? AppTheme.alpha(AppTheme.mint, 0.58) : AppTheme.alpha(AppTheme.purple, 0.38)
                }
                Column {
                    id: slotColumn
                    anchors.centerIn: parent
                    width: parent.width - 8
                    spacing: 6
                    EmojiText {
                        width: parent.width
                        visible: storySlot.filled
                        emoji: storySlot.filled ? (view.game.slotIcons[storySlot.index] ?? "") : ""
                        pixelSize: 44
                    }
                    Text {
                        width: parent.width
                        visible: !storySlot.filled
                        horizontalAlignment: Text.AlignHCenter
                        text: "?"
                        font: AppTheme.sizedFont(44)
                        color: AppTheme.purple
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: view.game.slotCaptions[storySlot.index] ?? ""
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: storySlot.filled ? AppTheme.ink : AppTheme.purple
                        wrapMode: Text.Wrap
                    }
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "点图片，把故事按顺序排好"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.ink
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            // A count, so the cards stay and take each new story's pictures.
            model: view.game.cardIcons.length
            BouncyButton {
                id: card
                required property int index
                readonly property bool placed: view.game.cardPlaced[index] ?? false
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 24
                enabled: !view.game.locked && !placed
                opacity: placed ? 0.34 : 1
                Accessible.name: view.game.cardCaptions[index] ?? ""
                onClicked: view.game.pickCard(index)
                Item {
                    anchors.fill: parent
                    implicitHeight: Math.max(118, cardColumn.implicitHeight + 16)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 24
                        color: view.game.selectedIndex === card.index ? AppTheme.alpha(AppTheme.mango, 0.27) : "white"
                        strokeWidth: 3
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.coral, 0.32)
                    }
                    Column {
                        id: cardColumn
                        anchors.centerIn: parent
                        spacing: 6
                        EmojiText {
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: view.game.cardIcons[card.index] ?? ""
                            pixelSize: 48
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.cardCaptions[card.index] ?? ""
                            font: AppTheme.font(AppTheme.Headline)
                            color: AppTheme.ink
                        }
                    }
                }
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 句子工坊: a picture and a spoken instruction; the child taps the word cards in sentence
// order to fill the answer slots. Each card shows its pinyin and has a speaker.
GamePage {
    id: view
    game: SentenceMakerGame {}
    maxWidth: 740
    spacing: 15

    RoundHeader {

        counterColor: AppTheme.purple
        Layout.fillWidth: true
        title: "句子工坊"
        subtitle: "把词语排成一句完整的话"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: view.game.speechID
    }
    EmojiText {
        Layout.alignment: Qt.AlignHCenter
        emoji: view.game.image
        pixelSize: 78
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 9
        Repeater {
            model: view.game.answerSlots.length
            Item {
                id: answerSlot
                required property int index
                readonly property var entry: view.game.answerSlots[index] ?? {}
                readonly property bool filled: entry.filled ?? false
                objectName: "slot" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                implicitWidth: 100
                implicitHeight: Math.max(82, slotColumn.implicitHeight + 16)
                PaintedBox {
                    anchors.fill: parent
                    radius: 20
                    color: answerSlot.filled ? AppTheme.alpha(AppTheme.mint, 0.21) : AppTheme.alpha(AppTheme.sky, 0.18)
                    strokeWidth: 3
                    strokeColor: answerSlot.filled ? AppTheme.alpha(AppTheme.mint, 0.62) : AppTheme.alpha(AppTheme.purple, 0.3)
                }
                Column {
                    id: slotColumn
                    anchors.centerIn: parent
                    spacing: 2
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: answerSlot.filled ? answerSlot.entry.word : "?"
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: answerSlot.filled ? AppTheme.ink : AppTheme.purple
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        visible: answerSlot.filled
                        text: answerSlot.entry.pinyin ?? ""
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: AppTheme.coral
                    }
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "依次点词语来造句"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.ink
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            // A count, so the cards stay and take each new puzzle's words.
            model: view.game.cards.length
            Item {
                id: card
                required property int index
                readonly property var entry: view.game.cards[index] ?? {}
                readonly property bool placed: view.game.placed[index] ?? false
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                implicitWidth: 120
                implicitHeight: wordButton.implicitHeight
                opacity: placed ? 0.38 : 1

                BouncyButton {
                    id: wordButton
                    objectName: "tile" + card.index
                    anchors.fill: parent
                    faceRadius: 23
                    enabled: !view.game.locked && !card.placed
                    Accessible.name: card.entry.word ?? ""
                    onClicked: view.game.pick(card.index)

                    Item {
                        anchors.fill: parent
                        implicitWidth: 120
                        implicitHeight: Math.max(100, cardColumn.implicitHeight + 20)
                        PaintedBox {
                            anchors.fill: parent
                            radius: 23
                            color: card.placed ? AppTheme.alpha(AppTheme.sky, 0.15) : "white"
                            strokeWidth: 3
                            strokeColor: AppTheme.alpha(AppTheme.purple, 0.28)
                        }
                        Column {
                            id: cardColumn
                            anchors.centerIn: parent
                            spacing: 3
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: card.entry.word ?? ""
                                font: AppTheme.font(AppTheme.Title3, Font.Bold)
                                color: AppTheme.ink
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: card.entry.pinyin ?? ""
                                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                                color: AppTheme.coral
                            }
                        }
                    }
                }
                BouncyButton {
                    objectName: "speaker"
                    anchors.top: parent.top
                    anchors.right: parent.right
                    anchors.margins: 7
                    width: 34
                    height: 34
                    faceRadius: 11
                    Accessible.name: "听 " + (card.entry.word ?? "")
                    onClicked: view.game.speakCard(card.index)

                    Item {
                        anchors.fill: parent
                        PaintedBox {
                            anchors.fill: parent
                            radius: 11
                            color: AppTheme.purple
                        }
                        SymbolIcon {
                            anchors.centerIn: parent
                            name: "speaker.wave.2.fill"
                            size: AppTheme.font(AppTheme.Caption).pixelSize
                            color: "white"
                        }
                    }
                }
            }
        }
    }
    BouncyButton {
        id: resetButton
        objectName: "resetButton"
        Layout.alignment: Qt.AlignHCenter
        enabled: view.game.canReset
        Accessible.name: "重新排一排"
        onClicked: view.game.reset()

        Row {
            spacing: 6
            opacity: resetButton.enabled ? 1 : 0.4
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "arrow.counterclockwise"
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: AppTheme.purple
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "重新排一排"
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.purple
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

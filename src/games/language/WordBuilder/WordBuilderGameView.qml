import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 跟读拼词: a word's picture, the word spoken, its letters as shuffled tiles to tap into
// the slots; the microphone button lets the child read the word aloud.
GamePage {
    id: view
    game: WordBuilderGame {}
    maxWidth: 760
    spacing: 16
    topMargin: 10

    readonly property PronunciationCoach voice: view.game.voice

    RowLayout {
        Layout.fillWidth: true
        Text {
            objectName: "counter"
            text: view.game.counter
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.softInk
        }
        Item { Layout.fillWidth: true }
        Text {
            objectName: "voiceCounter"
            text: view.game.voiceCounter
            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
            color: AppTheme.purple
        }
    }
    EmojiText {
        Layout.alignment: Qt.AlignHCenter
        emoji: view.game.emoji
        pixelSize: 92
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.subtitle
        font: AppTheme.font(AppTheme.Title3, Font.Bold)
        color: AppTheme.softInk
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 12
        CapsuleButton {
            objectName: "listenButton"
            label: "听单词"
            symbol: "speaker.wave.2.fill"
            tint: AppTheme.purple
            fill: AppTheme.alpha(AppTheme.purple, 0.1)
            onClicked: view.game.listen()
        }
        CapsuleButton {
            objectName: "microphoneButton"
            label: view.voice.isRecording ? "正在听…" : "我来跟读"
            symbol: view.voice.isRecording ? "waveform" : "mic.fill"
            tint: "white"
            fill: view.voice.isRecording ? AppTheme.coral : AppTheme.mint
            onClicked: view.game.microphone()
        }
    }
    Text {
        objectName: "coachStatus"
        Layout.alignment: Qt.AlignHCenter
        visible: view.voice.status.length > 0
        text: view.voice.status
        font: AppTheme.font(AppTheme.Subheadline)
        color: AppTheme.softInk
    }
    // The slots and the tiles of a long word shrink to the page's width.
    Item {
        Layout.fillWidth: true
        Layout.topMargin: 8
        Layout.bottomMargin: 8
        implicitHeight: slotRow.height * slotRow.scale
        Row {
            id: slotRow
            anchors.centerIn: parent
            scale: Math.min(1, parent.width / Math.max(1, implicitWidth))
            spacing: 8
            Repeater {
                // A count: a letter tapped fills its slot, the slots stay.
                model: view.game.slotLetters.length
                Item {
                    required property int index
                    readonly property string modelData: view.game.slotLetters[index] ?? ""
                    objectName: "slot" + index
                    width: 52
                    height: 58
                    PaintedBox {
                        anchors.fill: parent
                        radius: 15
                        color: "white"
                        strokeWidth: 3
                        strokeColor: AppTheme.alpha(AppTheme.sky, 0.35)
                    }
                    Text {
                        anchors.centerIn: parent
                        text: parent.modelData
                        font: AppTheme.font(AppTheme.Title, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }
        }
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: tileRow.height * tileRow.scale
        Row {
            id: tileRow
            anchors.centerIn: parent
            scale: Math.min(1, parent.width / Math.max(1, implicitWidth))
            spacing: 10
            Repeater {
                // A count, so the tiles stay while the child spells and take each new
                // word's letters.
                model: view.game.tileLetters.length
                BouncyButton {
                    id: tile
                    required property int index
                    readonly property bool placed: view.game.tilePlaced[index] ?? false
                    objectName: "tile" + index
                    width: 52
                    height: 52
                    faceRadius: 15
                    enabled: !view.game.locked && !placed
                    opacity: placed ? 0.22 : 1
                    Accessible.name: view.game.tileLetters[index] ?? ""
                    onClicked: view.game.select(index)

                    Item {
                        anchors.fill: parent
                        PaintedBox {
                            anchors.fill: parent
                            radius: 15
                            color: AppTheme.purple
                        }
                        Text {
                            anchors.centerIn: parent
                            text: view.game.tileLetters[tile.index] ?? ""
                            font: AppTheme.font(AppTheme.Title2, Font.Bold)
                            color: "white"
                        }
                    }
                }
            }
        }
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 12
        CapsuleButton {
            objectName: "backButton"
            anchors.verticalCenter: parent.verticalCenter
            label: "退一格"
            symbol: "delete.left.fill"
            tint: AppTheme.softInk
            sidePadding: 15
            capPadding: 11
            onClicked: view.game.back()
        }
        FeedbackBubble {
            anchors.verticalCenter: parent.verticalCenter
            text: view.game.feedback
            isGood: view.game.feedbackGood
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

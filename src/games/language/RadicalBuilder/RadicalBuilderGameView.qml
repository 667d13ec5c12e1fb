import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 汉字拼拼乐: the components of a character with a question-mark box, the spoken
// question, and four candidate characters.
GamePage {
    id: view
    game: RadicalBuilderGame {}
    spacing: 16

    component PartBox: Item {
        id: partBox
        property alias text: label.text
        property alias textColor: label.color
        property alias fill: box.color
        property alias stroke: box.strokeColor
        property real textSize: 48
        implicitWidth: 90
        implicitHeight: 86
        PaintedBox {
            id: box
            anchors.fill: parent
            radius: 22
            strokeWidth: 3
        }
        Text {
            id: label
            anchors.centerIn: parent
            font: AppTheme.sizedFont(partBox.textSize, Font.Bold)
        }
    }

    RoundHeader {
        Layout.fillWidth: true
        title: "汉字拼拼乐"
        counter: view.game.counter
    }
    Item { Layout.fillHeight: true }
    EmojiText {
        Layout.alignment: Qt.AlignHCenter
        emoji: view.game.emoji
        pixelSize: 78
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.meaningLine
        font: AppTheme.font(AppTheme.Title3, Font.Bold)
        color: AppTheme.softInk
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 12
        Repeater {
            // A count, so the boxes stay and take each new character's parts.
            model: view.game.parts.length
            Row {
                required property int index
                readonly property string part: view.game.parts[index] ?? ""
                spacing: 12
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: index > 0
                    name: "plus"
                    size: 22
                    color: AppTheme.purple
                }
                PartBox {
                    text: part
                    textColor: AppTheme.ink
                    fill: "white"
                    stroke: AppTheme.alpha(AppTheme.coral, 0.25)
                }
            }
        }
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "arrow.right"
            size: 28
            color: AppTheme.mint
        }
        PartBox {
            objectName: "questionBox"
            text: "？"
            textSize: 46
            textColor: AppTheme.purple
            fill: AppTheme.alpha(AppTheme.purple, 0.1)
            stroke: "transparent"
        }
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Item { Layout.fillHeight: true }
    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 13
        rowSpacing: 13
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
                accent: AppTheme.mint
                accentOpacity: 0.3
                characterSize: 40
                radius: 22
                speakerSize: 36
                speakerRadius: 11
                speakerSymbolSize: AppTheme.font(AppTheme.Subheadline).pixelSize
                speakerInset: 7
                minimumHeight: 100
                shadow: false
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

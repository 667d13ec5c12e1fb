import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 顺序记忆: the mascot, the instruction with its reader button, four lights in two rows.
GamePage {
    id: view
    game: SequenceMemoryGame {}
    maxWidth: 620
    topMargin: 10
    spacing: 22

    RoundHeader {
        id: header
        Layout.fillWidth: true
        title: "顺序记忆"
        counter: view.game.counter
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    MascotView {
        id: mascot
        Layout.alignment: Qt.AlignHCenter
        size: 90
        mood: view.game.acceptingInput ? "happy" : "thinking"
    }
    RowLayout {
        id: instruction
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: false // a row layout would take the column's width
        Layout.maximumWidth: view.column.width
        spacing: 8
        // The instruction as wide as its words (wrapped where the column is too narrow),
        // the reader button right after it.
        Text {
            objectName: "instruction"
            Layout.maximumWidth: view.column.width - reader.implicitWidth - instruction.spacing
            text: view.game.instruction
            font: AppTheme.font(AppTheme.Title3, Font.Bold)
            color: AppTheme.ink
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
        QuestionReaderButton {
            id: reader
            objectName: "reader"
            text: view.game.readerText
            language: "zh-CN"
        }
    }
    GridLayout {
        id: lights
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 16
        rowSpacing: 16
        Repeater {
            model: view.game.symbols
            BouncyButton {
                id: light
                required property string modelData
                required property int index
                readonly property bool lit: view.game.highlighted === modelData
                objectName: "light" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.minimumWidth: 10
                faceRadius: 26
                enabled: view.game.acceptingInput
                Accessible.name: modelData
                onClicked: view.game.tap(modelData)

                Item {
                    anchors.fill: parent
                    implicitWidth: 10
                    implicitHeight: 112
                    scale: light.lit ? 1.06 : 1
                    Behavior on scale { NumberAnimation { duration: 120 } }
                    PaintedBox {
                        anchors.fill: parent
                        radius: 26
                        color: light.lit ? AppTheme.alpha(AppTheme.mango, 0.55) : "white"
                        strokeWidth: 4
                        strokeCentered: true
                        strokeColor: light.lit ? AppTheme.mango : AppTheme.alpha(AppTheme.sky, 0.18)
                    }
                    EmojiText {
                        anchors.centerIn: parent
                        emoji: light.modelData
                        pixelSize: 55
                    }
                }
            }
        }
    }
    FeedbackBubble {
        id: bubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Creative
import Pipwhistle.Games.Common

// 魔法画画猜猜: the thing to draw, the board on its white card, the brush colours with
// undo and clear, and the mascot's line beside the guess button.
GameView {
    id: view

    implicitHeight: 8 + header.implicitHeight + 14 + 240 + 14 + tools.implicitHeight + 14
                    + bottom.implicitHeight + 16

    game: DrawGuessGame {}

    Component.onCompleted: game.appear()

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 8
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.bottomMargin: 16
        spacing: 14

        RowLayout {
            id: header
            Layout.fillWidth: true
            spacing: 14
            MascotView {
                size: 68
                mood: "thinking"
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4
                Text {
                    objectName: "title"
                    text: view.game.title
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: AppTheme.ink
                }
                Row {
                    spacing: 6
                    BouncyButton {
                        objectName: "speaker"
                        anchors.verticalCenter: parent.verticalCenter
                        Accessible.name: view.game.speakerLabel
                        onClicked: view.game.speakPrompt()
                        Row {
                            spacing: 5
                            SymbolIcon {
                                anchors.verticalCenter: parent.verticalCenter
                                name: "speaker.wave.2.fill"
                                size: 15
                                color: AppTheme.purple
                            }
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: view.game.speakerLabel
                                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                                color: AppTheme.purple
                            }
                        }
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "· 不要写字哦"
                        font: AppTheme.font(AppTheme.Subheadline)
                        color: AppTheme.softInk
                    }
                }
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            PaintedBox {
                anchors.fill: parent
                radius: 28
                color: "white"
                strokeWidth: 1.5
                strokeColor: AppTheme.sky
            }
            DrawingSurface {
                objectName: "surface"
                anchors.fill: parent
                strokes: view.game.strokes
                selectedColor: view.game.selectedColor
                lineWidth: view.game.lineWidth
            }
        }

        RowLayout {
            id: tools
            Layout.fillWidth: true
            spacing: 10
            Repeater {
                model: view.game.palette
                ColorSwatch {
                    required property color modelData
                    required property int index
                    objectName: "swatch" + index
                    diameter: 35
                    chosenScale: 1.15
                    swatchColor: modelData
                    chosen: Qt.colorEqual(modelData, view.game.selectedColor)
                    onClicked: view.game.selectColor(index)
                }
            }
            Item { Layout.fillWidth: true }
            CreativeButton {
                objectName: "undo"
                implicitWidth: 46
                implicitHeight: 42
                symbol: "arrow.uturn.backward"
                textColor: AppTheme.ink
                fill: "white"
                radius: 12
                labelPaddingX: 0
                labelPaddingY: 0
                Accessible.name: "撤销"
                onClicked: view.game.undo()
            }
            CreativeButton {
                objectName: "clear"
                implicitWidth: 46
                implicitHeight: 42
                symbol: "trash.fill"
                textColor: AppTheme.coral
                fill: "white"
                radius: 12
                labelPaddingX: 0
                labelPaddingY: 0
                Accessible.name: "清空"
                onClicked: view.game.clear()
            }
        }

        RowLayout {
            id: bottom
            Layout.fillWidth: true
            spacing: 12
            Item {
                Layout.fillWidth: true
                implicitHeight: bubble.implicitHeight
                FeedbackBubble {
                    id: bubble
                    objectName: "feedback"
                    width: Math.min(implicitWidth, parent.width)
                    text: view.game.line.text
                    isGood: view.game.line.good
                }
            }
            CreativeButton {
                objectName: "guess"
                title: "让小铃猜"
                symbol: "wand.and.stars"
                fill: AppTheme.purple
                enabled: !view.game.guessed
                onClicked: view.game.makeGuess()
            }
        }
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 发现图形规律: a row of pictures ending in "?", the question, and three big pictures to
// choose the next one from.
GamePage {
    id: view
    game: PatternGame {}
    topMargin: 10
    spacing: 22

    // One picture of a puzzle: an emoji in the colour-emoji font, a digit or the "?" in
    // the bold text font.
    component Picture: Item {
        id: picture
        property string text
        property real pixelSize
        property color color: AppTheme.ink
        readonly property bool emoji: view.game.isEmoji(text)
        implicitWidth: emoji ? glyph.implicitWidth : plain.implicitWidth
        implicitHeight: emoji ? glyph.implicitHeight : plain.implicitHeight
        EmojiText {
            id: glyph
            anchors.centerIn: parent
            visible: picture.emoji
            emoji: picture.emoji ? picture.text : ""
            pixelSize: picture.pixelSize
        }
        Text {
            id: plain
            anchors.centerIn: parent
            visible: !picture.emoji
            text: picture.emoji ? "" : picture.text
            font: AppTheme.sizedFont(picture.pixelSize, Font.Bold)
            color: picture.color
        }
    }

    RoundHeader {
        Layout.fillWidth: true
        title: "发现图形规律"
        counter: view.game.counter
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Row {
        id: cells
        objectName: "cells"
        Layout.alignment: Qt.AlignHCenter
        spacing: 8
        readonly property int count: view.game.sequence.length
        // Up to 72 points a cell; a narrow page draws the row smaller, down to 0.55.
        readonly property real cellWidth: count > 0
            ? Math.max(72 * 0.55, Math.min(72, (view.column.width - spacing * (count - 1)) / count)) : 72
        readonly property real scaling: cellWidth / 72
        Repeater {
            // A count, so the cells stay and take each new puzzle's pictures (the
            // generated puzzles all have seven).
            model: cells.count
            Item {
                required property int index
                readonly property string cell: view.game.sequence[index] ?? ""
                readonly property bool isQuestion: cell === "?"
                width: cells.cellWidth
                implicitHeight: 76
                PaintedBox {
                    anchors.fill: parent
                    radius: 18
                    color: isQuestion ? AppTheme.alpha(AppTheme.purple, 0.12) : "white"
                    strokeWidth: 3
                    strokeCentered: true
                    strokeColor: isQuestion ? AppTheme.purple : AppTheme.alpha(AppTheme.sky, 0.18)
                }
                Picture {
                    anchors.centerIn: parent
                    text: cell
                    pixelSize: (isQuestion ? 36 : 42) * cells.scaling
                    color: isQuestion ? AppTheme.purple : AppTheme.ink
                }
            }
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    RowLayout {
        Layout.fillWidth: true
        spacing: 14
        Repeater {
            // A count, so the buttons stay and take each new puzzle's pictures.
            model: view.game.choices.length
            BouncyButton {
                id: choiceButton
                required property int index
                readonly property string choice: view.game.choices[index] ?? ""
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 24
                enabled: !view.game.locked
                Accessible.name: choice
                onClicked: view.game.choose(choice)

                Item {
                    anchors.fill: parent
                    implicitWidth: label.implicitWidth + 24
                    implicitHeight: Math.max(112, label.implicitHeight + 24)
                    SoftShadow {
                        anchors.fill: parent
                        cornerRadius: 24
                        blur: 9
                        offsetY: 5
                        color: AppTheme.alpha(AppTheme.ink, 0.07)
                    }
                    PaintedBox {
                        anchors.fill: parent
                        radius: 24
                        color: "white"
                        strokeWidth: 3
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.mint, 0.32)
                    }
                    Picture {
                        id: label
                        anchors.centerIn: parent
                        text: choiceButton.choice
                        pixelSize: 48
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 谁消失了？: a row of five friends, one of which hides behind a question mark after two
// seconds, and three friends to pick the missing one from.
GamePage {
    id: view
    game: WhatsMissingGame {}
    maxWidth: 760
    topMargin: 10
    spacing: 22

    RoundHeader {
        Layout.fillWidth: true
        title: "谁消失了？"
        counter: view.game.counter
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    RowLayout {
        id: friends
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 5 * 92 + 4 * 10
        spacing: 10
        Repeater {
            model: view.game.cells.length
            Item {
                required property int index
                readonly property bool hidden: index === view.game.hiddenCell
                objectName: "friend" + index
                Layout.fillWidth: true
                Layout.maximumWidth: 92
                Layout.preferredWidth: 92
                implicitHeight: 90
                PaintedBox {
                    anchors.fill: parent
                    radius: 22
                    color: parent.hidden ? AppTheme.alpha(AppTheme.mango, 0.18) : "white"
                    strokeWidth: 2
                    strokeCentered: true
                    strokeColor: AppTheme.alpha(AppTheme.sky, 0.2)
                }
                EmojiText {
                    anchors.centerIn: parent
                    emoji: view.game.cells[parent.index] ?? ""
                    pixelSize: 44
                }
            }
        }
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: view.column.width
        spacing: 8
        Text {
            id: promptText
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, view.column.width - 8 - reader.width)
            text: view.game.prompt
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.softInk
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
        QuestionReaderButton {
            id: reader
            anchors.verticalCenter: parent.verticalCenter
            text: view.game.spokenQuestion
            language: "zh-CN"
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    RowLayout {
        Layout.fillWidth: true
        spacing: 14
        Repeater {
            // A count, so the buttons stay and take each new round's friends.
            model: view.game.choices.length
            BouncyButton {
                id: choiceButton
                required property int index
                readonly property string choice: view.game.choices[index] ?? ""
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 26
                enabled: !view.game.showingAll && !view.game.locked
                Accessible.name: choice
                onClicked: view.game.choose(choice)
                AnswerTile {
                    anchors.fill: parent
                    text: "选它"
                    emoji: choiceButton.choice
                    color: AppTheme.purple
                    selected: false
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

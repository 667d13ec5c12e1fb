import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// The bubble blaster, set up by its builder: a title row with one dot a round, the
// instruction with its speaker button, the field of six bubbles with the launcher below
// them, and the feedback line.
GamePage {
    id: view
    game: BubbleBlasterGame { gameID: view.gameID }
    maxWidth: 720
    sideMargin: 16
    topMargin: 8
    spacing: 14

    property string gameID: "hidden-objects"
    property string title
    property string subtitle
    property string launcher

    RowLayout {
        id: header
        Layout.fillWidth: true
        ColumnLayout {
            spacing: 2
            Text {
                text: view.title
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                text: view.subtitle
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.softInk
            }
        }
        Item { Layout.fillWidth: true }
        Row {
            spacing: 5
            Repeater {
                model: view.game.session.length
                Rectangle {
                    required property int index
                    readonly property bool now: index === view.game.round
                    anchors.verticalCenter: parent.verticalCenter
                    width: now ? 14 : 9
                    height: width
                    radius: width / 2
                    color: index < view.game.round ? AppTheme.mint
                         : now ? AppTheme.mango : AppTheme.alpha(AppTheme.sky, 0.26)
                }
            }
        }
    }

    // The instruction as wide as its words (wrapped where the column is too narrow), the
    // reader button right after it.
    RowLayout {
        id: instruction
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: false // a row layout would take the column's width
        Layout.maximumWidth: view.column.width
        spacing: 8
        Text {
            objectName: "instruction"
            Layout.maximumWidth: view.column.width - reader.implicitWidth - instruction.spacing
            Layout.alignment: Qt.AlignBaseline
            text: view.game.prompt
            font: AppTheme.font(AppTheme.Title3, Font.Bold)
            color: AppTheme.softInk
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
        }
        QuestionReaderButton {
            id: reader
            objectName: "reader"
            Layout.alignment: Qt.AlignBaseline
            text: view.game.prompt
            language: "zh-CN"
        }
    }

    Item {
        id: field
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 680
        Layout.fillHeight: true
        Layout.minimumHeight: 310

        PaintedBox {
            anchors.fill: parent
            radius: 34
            fillStops: [AppTheme.alpha(AppTheme.sky, 0.32), AppTheme.alpha(AppTheme.cream, 0.8),
                        AppTheme.alpha(AppTheme.mint, 0.28)]
            fillDirection: PaintedBox.Diagonal
            strokeWidth: 4
            strokeCentered: true
            strokeColor: AppTheme.alpha("white", 0.9)
        }

        // Two rows of three bubbles, 80 points above the field's bottom.
        Grid {
            id: bubbles
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 80
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 3
            columnSpacing: 12
            rowSpacing: 10
            readonly property real cellWidth: (field.width - 56 - 2 * columnSpacing) / 3
            Repeater {
                model: view.game.targets
                BouncyButton {
                    id: bubbleButton
                    required property string modelData
                    required property int index
                    readonly property bool popped: view.game.popped === modelData
                    readonly property bool missed: view.game.missed === modelData
                    objectName: "bubble" + index
                    width: bubbles.cellWidth
                    height: 86
                    faceRadius: 43
                    enabled: !view.game.locked && !view.game.firing && !popped
                    onClicked: view.game.fire(modelData)

                    Item {
                        anchors.fill: parent
                        opacity: bubbleButton.popped ? 0.3 : 1
                        scale: bubbleButton.missed ? 0.92 : 1
                        Item {
                            anchors.centerIn: parent
                            width: Math.min(parent.width, parent.height)
                            height: width
                            SoftShadow {
                                anchors.fill: parent
                                cornerRadius: width / 2
                                blur: 5
                                offsetY: 3
                                color: AppTheme.alpha(AppTheme.ink, 0.16)
                            }
                            PaintedBox {
                                anchors.fill: parent
                                radius: width / 2
                                color: view.game.bubbleColor(bubbleButton.modelData)
                                strokeWidth: 3
                                strokeCentered: true
                                strokeColor: AppTheme.alpha("white", 0.9)
                            }
                        }
                        EmojiText {
                            anchors.centerIn: parent
                            emoji: bubbleButton.popped ? "💥" : bubbleButton.modelData
                            pixelSize: bubbleButton.popped ? 46 : 54
                            scale: bubbleButton.popped ? 1.28 : 1
                        }
                    }
                }
            }
        }

        Text {
            id: launcherText
            objectName: "launcher"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: view.game.firing ? 105 : 7
            text: AppTheme.emojiText(view.game.firing ? "✨➶" : view.launcher)
            textFormat: Text.RichText
            font.pixelSize: view.game.firing ? 48 : 60
            color: AppTheme.purple
            Accessible.name: "星光发射器"
            Behavior on anchors.bottomMargin {
                NumberAnimation { duration: 260; easing.type: Easing.OutQuad }
            }
        }
    }

    FeedbackBubble {
        id: bubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 七巧板: an animal and the row of tangram pieces of its outline with one slot empty, and
// three pieces to pick the one that fills it.
GamePage {
    id: view
    game: TangramGame {}
    maxWidth: 720
    spacing: 16

    RoundHeader {
        Layout.fillWidth: true
        title: "七巧板"
        subtitle: view.game.name
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.clue
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: clueRow.implicitHeight + 36
        PaintedBox {
            anchors.fill: parent
            radius: 28
            color: "white"
        }
        Row {
            id: clueRow
            anchors.centerIn: parent
            spacing: 18
            EmojiText {
                anchors.verticalCenter: parent.verticalCenter
                emoji: view.game.animal
                pixelSize: 76
            }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6
                Text {
                    text: "把少掉的一块补回去"
                    font: AppTheme.font(AppTheme.Title3, Font.Bold)
                    color: AppTheme.ink
                }
                Text {
                    text: "每一块都有不一样的形状"
                    font: AppTheme.font(AppTheme.Subheadline, Font.DemiBold)
                    color: AppTheme.softInk
                }
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 10
        Repeater {
            // A count, so a placed piece changes its slot and no slot is made anew.
            model: view.game.pieceSlots.length
            Item {
                required property int index
                readonly property var modelData: view.game.pieceSlots[index]
                objectName: "slot" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                implicitHeight: Math.max(104, slotColumn.implicitHeight + 16)
                PaintedBox {
                    anchors.fill: parent
                    radius: 22
                    color: parent.modelData.fill
                    strokeWidth: 3
                    strokeCentered: true
                    strokeColor: parent.modelData.border
                }
                Column {
                    id: slotColumn
                    anchors.centerIn: parent
                    width: parent.width - 8
                    spacing: 5
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: modelData.glyph
                        font: AppTheme.sizedFont(42, Font.Black)
                        color: modelData.text
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: modelData.caption
                        font: AppTheme.sizedFont(AppTheme.fittedPixelSize(modelData.caption,
                            AppTheme.font(AppTheme.Caption).pixelSize, Font.Bold, width, 0.7), Font.Bold)
                        color: modelData.text
                        maximumLineCount: 1
                    }
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "从下面选一块来拼"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.ink
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            // A count, so the buttons stay and take each new outline's pieces.
            model: view.game.choices.length
            BouncyButton {
                id: piece
                required property int index
                readonly property int tileState: view.game.tileStates[index] ?? TileState.Plain
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 24
                enabled: !view.game.locked
                Accessible.name: view.game.choices[index] ?? ""
                onClicked: view.game.choose(index)
                Item {
                    anchors.fill: parent
                    implicitHeight: Math.max(116, pieceColumn.implicitHeight + 16)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 24
                        color: piece.tileState === TileState.Right ? AppTheme.alpha(AppTheme.mint, 0.34)
                             : piece.tileState === TileState.Picked ? AppTheme.alpha(AppTheme.mango, 0.28)
                             : "white"
                        strokeWidth: 3
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(view.game.choicePieceColors[piece.index] ?? AppTheme.sky, 0.48)
                    }
                    Column {
                        id: pieceColumn
                        anchors.centerIn: parent
                        spacing: 7
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.choiceGlyphs[piece.index] ?? ""
                            font: AppTheme.sizedFont(46, Font.Black)
                            color: AppTheme.ink
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.choices[piece.index] ?? ""
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

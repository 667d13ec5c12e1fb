import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 小小侦探: the case's clue card with the magnifier, three animals to pick from, the
// explanation once the case is solved.
GamePage {
    id: view
    game: LittleDetectiveGame {}
    maxWidth: 820
    topMargin: 8
    spacing: 15

    RoundHeader {
        Layout.fillWidth: true
        title: "小小侦探"
        subtitle: view.game.title
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    KidCard {
        Layout.fillWidth: true
        padding: 20
        RowLayout {
            spacing: 16
            EmojiText {
                emoji: "🔎"
                pixelSize: 64
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 8
                Text {
                    text: "侦探线索"
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.coral
                }
                RowLayout {
                    spacing: 7
                    Text {
                        id: clue
                        Layout.fillWidth: true
                        text: view.game.clue
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: AppTheme.ink
                        wrapMode: Text.Wrap
                    }
                    QuestionReaderButton {
                        Layout.alignment: Qt.AlignTop
                        text: view.game.clue
                        language: "zh-CN"
                    }
                }
            }
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "应该选哪一个？"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.softInk
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            model: view.game.choices.length
            BouncyButton {
                id: tile
                required property int index
                readonly property string choice: view.game.choices[index] ?? ""
                readonly property int tileState: view.game.tileStates[index] ?? TileState.Plain
                readonly property bool picked: view.game.selected === choice
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 24
                enabled: !view.game.locked
                Accessible.name: choice
                onClicked: view.game.choose(choice)

                Item {
                    anchors.fill: parent
                    implicitWidth: 10
                    implicitHeight: Math.max(118, label.implicitHeight + 24)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 24
                        color: tile.tileState === TileState.Right ? AppTheme.alpha(AppTheme.mint, 0.3)
                             : tile.tileState === TileState.Picked ? AppTheme.alpha(AppTheme.mango, 0.24)
                             : "white"
                        strokeWidth: tile.picked ? 4 : 2
                        strokeCentered: true
                        strokeColor: tile.picked ? AppTheme.coral : AppTheme.alpha(AppTheme.sky, 0.22)
                    }
                    Column {
                        id: label
                        anchors.centerIn: parent
                        spacing: 8
                        EmojiText {
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: view.game.icons[tile.index] ?? ""
                            pixelSize: 45
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: tile.choice
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: AppTheme.ink
                        }
                    }
                }
            }
        }
    }
    Item {
        visible: view.game.locked
        Layout.fillWidth: true
        implicitHeight: explanation.implicitHeight + 30
        SoftShadow {
            anchors.fill: parent
            cornerRadius: 30
            blur: 16
            offsetY: 9
            color: AppTheme.alpha(AppTheme.ink, 0.1)
        }
        PaintedBox {
            anchors.fill: parent
            radius: 30
            color: AppTheme.alpha("white", 0.9)
        }
        Text {
            id: explanation
            objectName: "explanation"
            anchors.fill: parent
            anchors.margins: 15
            text: AppTheme.emojiText("💡 " + view.game.explanation)
            textFormat: Text.RichText
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.ink
            wrapMode: Text.Wrap
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

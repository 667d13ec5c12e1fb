import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Language

// 单词射击: a mission button that says "Shoot the …" and six targets in three columns.
GamePage {
    id: view
    game: WordShooterGame {}
    spacing: 15

    RoundHeader {
        Layout.fillWidth: true
        title: "单词射击"
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    BouncyButton {
        Layout.alignment: Qt.AlignHCenter
        faceRadius: height / 2
        Accessible.name: "Shoot the …"
        onClicked: view.game.speakTarget()

        Item {
            implicitWidth: missionRow.implicitWidth + 56
            implicitHeight: missionRow.implicitHeight + 28
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.coral
            }
            Row {
                id: missionRow
                anchors.centerIn: parent
                spacing: 13
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "scope"
                    size: 34
                    color: "white"
                }
                Column {
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 2
                    Text {
                        text: "MISSION"
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: "white"
                        opacity: 0.78
                    }
                    Text {
                        text: "Shoot the …"
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: "white"
                    }
                }
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "speaker.wave.2.fill"
                    size: 22
                    color: "white"
                }
            }
        }
    }
    GridLayout {
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 760
        columns: 3
        columnSpacing: 12
        rowSpacing: 12
        Repeater {
            // A count, so the tiles stay and take each new question's texts.
            model: view.game.tiles.length
            ChoiceTile {
                id: target
                required property int index
                readonly property var choice: view.game.tiles[index] ?? {}
                readonly property bool marked: view.game.marks[index] ?? false
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                radius: 23
                minimumWidth: 120
                minimumHeight: 104
                pickedFill: AppTheme.alpha(AppTheme.mango, 0.25)
                rightFill: AppTheme.alpha(AppTheme.mint, 0.32)
                strokeWidth: marked ? 4 : 2
                strokeColor: marked ? AppTheme.coral : AppTheme.alpha(AppTheme.sky, 0.22)
                text: choice.word ?? ""
                tileState: view.game.tileStates[index] ?? TileState.Plain
                enabled: !view.game.locked
                onClicked: view.game.shoot(index)

                Column {
                    spacing: 6
                    EmojiText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        emoji: target.choice.emoji ?? ""
                        pixelSize: 43
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: target.choice.label ?? ""
                        font: AppTheme.font(AppTheme.Headline, Font.Bold)
                        color: AppTheme.ink
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 动物数独: the 4 x 4 board with its four empty cells, the four animals to place.
GamePage {
    id: view
    game: KidSudokuGame {}
    maxWidth: 600
    topMargin: 8
    spacing: 16

    RoundHeader {
        Layout.fillWidth: true
        title: "动物数独"
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: "点一个空格，再选择应该住进去的动物"
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: grid.implicitHeight + 16
        PaintedBox {
            anchors.fill: parent
            radius: 22
            color: AppTheme.alpha(AppTheme.sky, 0.1)
        }
        GridLayout {
            id: grid
            anchors.fill: parent
            anchors.margins: 8
            columns: 4
            columnSpacing: 5
            rowSpacing: 5
            Repeater {
                model: view.game.board.length
                BouncyButton {
                    id: cell
                    required property int index
                    readonly property string animal: view.game.board[index] ?? ""
                    readonly property bool empty: animal.length === 0
                    readonly property bool isSelected: view.game.selected === index
                    objectName: "cell" + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.minimumWidth: 10
                    faceRadius: 15
                    enabled: !view.game.locked
                    Accessible.name: empty ? "空格" : animal
                    onClicked: view.game.chooseCell(index)

                    Item {
                        anchors.fill: parent
                        implicitWidth: 10
                        implicitHeight: 74
                        PaintedBox {
                            anchors.fill: parent
                            radius: 15
                            color: cell.isSelected && cell.empty ? AppTheme.alpha(AppTheme.mango, 0.25) : "white"
                            strokeWidth: cell.isSelected ? 4 : 2
                            strokeCentered: true
                            strokeColor: cell.isSelected ? AppTheme.mango : AppTheme.alpha(AppTheme.sky, 0.2)
                        }
                        EmojiText {
                            visible: !cell.empty
                            anchors.centerIn: parent
                            emoji: cell.animal
                            pixelSize: 40
                        }
                        Text {
                            visible: cell.empty
                            anchors.centerIn: parent
                            text: "?"
                            font: AppTheme.sizedFont(40, Font.Bold)
                            color: AppTheme.purple
                        }
                    }
                }
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 10
        Repeater {
            model: view.game.animals
            BouncyButton {
                id: animalButton
                required property string modelData
                required property int index
                objectName: "animal" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 18
                enabled: !view.game.locked
                Accessible.name: modelData
                onClicked: view.game.place(modelData)

                Item {
                    anchors.fill: parent
                    implicitWidth: 10
                    implicitHeight: 70
                    PaintedBox {
                        anchors.fill: parent
                        radius: 18
                        color: "white"
                        strokeWidth: 2
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.mint, 0.28)
                    }
                    EmojiText {
                        anchors.centerIn: parent
                        emoji: animalButton.modelData
                        pixelSize: 40
                    }
                }
            }
        }
    }
    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.line.text
        isGood: view.game.line.good
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

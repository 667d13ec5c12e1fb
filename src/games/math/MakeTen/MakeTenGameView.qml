import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 凑十消消乐: the equation of the pick over six round number tiles in three columns.
GamePage {
    id: view
    game: MakeTenGame {}
    maxWidth: 620
    sideMargin: 16
    spacing: 18

    RoundHeader {
        Layout.fillWidth: true
        title: "凑十消消乐"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Text {
        objectName: "equation"
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 8
        Layout.bottomMargin: 8
        text: view.game.equation
        font: AppTheme.sizedFont(38, Font.Black)
        color: AppTheme.purple
    }
    GridLayout {
        Layout.fillWidth: true
        columns: 3
        columnSpacing: 8
        rowSpacing: 14
        Repeater {
            // A count, so the tiles stay and take each new row's numbers.
            model: view.game.numbers.length
            BouncyButton {
                id: tile
                required property int index
                readonly property int number: view.game.numbers[index] ?? 0
                readonly property bool picked: view.game.selected.indexOf(index) >= 0
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.minimumWidth: 10
                faceRadius: Math.min(width, height) / 2
                enabled: !view.game.locked
                Accessible.name: String(number)
                onClicked: view.game.select(index)

                Item {
                    anchors.fill: parent
                    implicitWidth: 92
                    implicitHeight: 92
                    PaintedBox {
                        anchors.centerIn: parent
                        width: Math.min(parent.width, parent.height)
                        height: width
                        radius: width / 2
                        color: tile.picked ? AppTheme.alpha(AppTheme.mango, 0.35) : "white"
                        strokeWidth: 4
                        strokeCentered: true
                        strokeColor: tile.picked ? AppTheme.mango : AppTheme.alpha(AppTheme.sky, 0.22)
                    }
                    Text {
                        anchors.centerIn: parent
                        text: String(tile.number)
                        font: AppTheme.sizedFont(38, Font.Black)
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 数字寻宝: sixteen shuffled number tiles; a found number turns into a tick on mint.
GamePage {
    id: view
    game: SchulteGridGame {}
    maxWidth: 590
    topMargin: 8
    spacing: 16

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: "数字寻宝"
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Item { Layout.fillWidth: true }
        Text {
            text: view.game.counter
            font: AppTheme.font(AppTheme.Title3, Font.Bold)
            color: AppTheme.purple
        }
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: "请按从一到十六的顺序点击数字"
        language: "zh-CN"
        speechID: ""
    }
    GridLayout {
        Layout.fillWidth: true
        columns: 4
        columnSpacing: 8
        rowSpacing: 8
        Repeater {
            model: view.game.numbers
            BouncyButton {
                id: tile
                required property int modelData
                readonly property bool found: modelData < view.game.expected
                objectName: "number" + modelData
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.minimumWidth: 10
                faceRadius: 17
                enabled: !view.game.locked && !found
                Accessible.name: String(modelData)
                onClicked: view.game.tap(modelData)

                Item {
                    anchors.fill: parent
                    implicitWidth: 10
                    implicitHeight: 68
                    PaintedBox {
                        anchors.fill: parent
                        radius: 17
                        color: tile.found ? AppTheme.mint : "white"
                        strokeWidth: 2
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.sky, 0.22)
                    }
                    Text {
                        anchors.centerIn: parent
                        text: tile.found ? "✓" : String(tile.modelData)
                        font: AppTheme.sizedFont(28, Font.Bold)
                        color: tile.found ? "white" : AppTheme.ink
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 颜色陷阱: a colour word drawn in another colour's ink, and the four colours to pick the
// ink from.
GamePage {
    id: view
    game: ColorTrapGame {}
    maxWidth: 800
    spacing: 17

    RoundHeader {
        Layout.fillWidth: true
        title: "颜色陷阱"
        subtitle: "眼睛和大脑一起挑战"
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    QuestionPrompt {
        Layout.fillWidth: true
        text: "不要念这个字，选它真正的颜色！"
        language: "zh-CN"
        speechID: ""
    }
    Item {
        Layout.alignment: Qt.AlignHCenter
        implicitWidth: word.implicitWidth + 2 * 58
        implicitHeight: word.implicitHeight + 2 * 30
        PaintedBox {
            anchors.fill: parent
            radius: 32
            color: "white"
            strokeWidth: 4
            strokeCentered: true
            strokeColor: AppTheme.alpha(view.game.ink, 0.25)
        }
        Text {
            id: word
            anchors.centerIn: parent
            text: view.game.word
            font: AppTheme.sizedFont(82, Font.ExtraBold)
            color: view.game.ink
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            model: view.game.hueNames.length
            BouncyButton {
                id: hue
                required property int index
                readonly property int tileState: view.game.tileStates[index] ?? TileState.Plain
                readonly property color ink: view.game.hueColors[index] ?? AppTheme.ink
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 23
                enabled: !view.game.locked
                Accessible.name: view.game.hueNames[index] ?? ""
                onClicked: view.game.choose(index)
                Item {
                    anchors.fill: parent
                    implicitHeight: Math.max(105, column.implicitHeight + 16)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 23
                        color: hue.tileState === TileState.Right ? AppTheme.alpha(AppTheme.mint, 0.32)
                             : hue.tileState === TileState.Picked ? AppTheme.alpha(AppTheme.mango, 0.23)
                             : "white"
                        strokeWidth: view.game.selectedIndex === hue.index ? 4 : 2
                        strokeCentered: true
                        strokeColor: view.game.selectedIndex === hue.index
                                     ? hue.ink : AppTheme.alpha(AppTheme.sky, 0.18)
                    }
                    Column {
                        id: column
                        anchors.centerIn: parent
                        spacing: 8
                        Rectangle {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: 47
                            height: 47
                            radius: 23.5
                            color: hue.ink
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: view.game.hueNames[hue.index] ?? ""
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 路线记忆: the fox's route as a row of arrows, the cross of four direction buttons that
// light up as the fox walks, and the button to see the route again.
GamePage {
    id: view
    game: RouteMemoryGame {}
    maxWidth: 680
    topMargin: 8
    spacing: 16

    RoundHeader {
        id: header
        Layout.fillWidth: true
        title: "路线记忆"
        subtitle: view.game.name
        counter: view.game.counter
        counterColor: AppTheme.purple
    }
    Row {
        id: routeRow
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 10
        Layout.bottomMargin: 10
        spacing: 8
        EmojiText { anchors.verticalCenter: parent.verticalCenter; emoji: "🦊"; pixelSize: 30 }
        Repeater {
            model: view.game.steps
            Text {
                required property int modelData
                required property int index
                anchors.verticalCenter: parent.verticalCenter
                text: view.game.arrowOf(modelData)
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: index < view.game.input.length ? AppTheme.mint : AppTheme.alpha(AppTheme.softInk, 0.25)
            }
        }
        EmojiText { anchors.verticalCenter: parent.verticalCenter; emoji: "🏡"; pixelSize: 30 }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    QuestionPrompt {
        id: prompt
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    Column {
        id: pad
        Layout.alignment: Qt.AlignHCenter
        spacing: 10
        RouteButton { direction: 0; anchors.horizontalCenter: parent.horizontalCenter }
        Row {
            spacing: 74
            RouteButton { direction: 3 }
            RouteButton { direction: 1 }
        }
        RouteButton { direction: 2; anchors.horizontalCenter: parent.horizontalCenter }
    }
    BouncyButton {
        id: replayButton
        objectName: "replay"
        Layout.alignment: Qt.AlignHCenter
        faceRadius: height / 2
        enabled: view.game.acceptingInput
        Accessible.name: "再看一次路线"
        onClicked: view.game.replay()
        Item {
            anchors.fill: parent
            implicitWidth: replayLabel.implicitWidth + 40
            implicitHeight: replayLabel.implicitHeight + 20
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.alpha(AppTheme.purple, 0.1)
            }
            Row {
                id: replayLabel
                anchors.centerIn: parent
                spacing: 6
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "arrow.clockwise"
                    size: AppTheme.font(AppTheme.Headline).pixelSize
                    color: AppTheme.purple
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "再看一次路线"
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.purple
                }
            }
        }
    }
    FeedbackBubble {
        id: bubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }

    component RouteButton: BouncyButton {
        id: button
        property int direction
        readonly property bool lit: view.game.highlighted === direction
        objectName: "direction" + direction
        width: 90
        height: 72
        faceRadius: 21
        enabled: view.game.acceptingInput
        Accessible.name: view.game.nameOf(direction)
        onClicked: view.game.tap(direction)

        Item {
            anchors.fill: parent
            scale: button.lit ? 1.08 : 1
            PaintedBox {
                anchors.fill: parent
                radius: 21
                color: AppTheme[view.game.colorOf(button.direction)]
            }
            PaintedBox {
                anchors.fill: parent
                radius: 21
                visible: button.lit
                strokeWidth: 6
                strokeCentered: true
                strokeColor: "white"
            }
            Column {
                anchors.centerIn: parent
                spacing: 1
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: view.game.arrowOf(button.direction)
                    font: AppTheme.sizedFont(37, Font.ExtraBold)
                    color: "white"
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: view.game.nameOf(button.direction)
                    font: AppTheme.font(AppTheme.Caption, Font.Bold)
                    color: "white"
                }
            }
        }
    }
}

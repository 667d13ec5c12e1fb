import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// Simon Says: the command card beside the mascot, the cross of four arrow buttons and
// the feedback line.
GamePage {
    id: view
    game: SimonDirectionsGame {}
    topMargin: 10
    spacing: 17

    RoundHeader {
        id: header
        Layout.fillWidth: true
        title: "Simon Says"
        counter: view.game.progress
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    KidCard {
        id: card
        Layout.fillWidth: true
        padding: 18
        RowLayout {
            spacing: 20
            MascotView {
                size: 100
                mood: "happy"
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 9
                Text {
                    Layout.fillWidth: true
                    text: view.game.english
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: AppTheme.ink
                    wrapMode: Text.WordWrap
                }
                Text {
                    text: view.game.chinese
                    font: AppTheme.font(AppTheme.Headline)
                    color: AppTheme.softInk
                }
                BouncyButton {
                    objectName: "replay"
                    Accessible.name: "再听一次"
                    onClicked: view.game.speak()
                    Row {
                        spacing: 6
                        SymbolIcon {
                            anchors.verticalCenter: parent.verticalCenter
                            name: "speaker.wave.2.fill"
                            size: AppTheme.font(AppTheme.Headline).pixelSize
                            color: AppTheme.purple
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: "再听一次"
                            font: AppTheme.font(AppTheme.Headline)
                            color: AppTheme.purple
                        }
                    }
                }
            }
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    Column {
        id: pad
        Layout.alignment: Qt.AlignHCenter
        spacing: 12
        DirectionButton { direction: SimonDirection.Up; anchors.horizontalCenter: parent.horizontalCenter }
        Row {
            spacing: 62
            DirectionButton { direction: SimonDirection.Left }
            DirectionButton { direction: SimonDirection.Right }
        }
        DirectionButton { direction: SimonDirection.Down; anchors.horizontalCenter: parent.horizontalCenter }
    }
    FeedbackBubble {
        id: bubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }

    component DirectionButton: BouncyButton {
        id: button
        property int direction
        readonly property bool active: view.game.activeDirection === direction
        objectName: "direction" + direction
        width: 82
        height: 66
        faceRadius: 20
        enabled: !view.game.locked
        Accessible.name: view.game.directionName(direction)
        onClicked: view.game.choose(direction)

        Item {
            anchors.fill: parent
            SoftShadow {
                anchors.fill: parent
                cornerRadius: 20
                blur: 8
                offsetY: 5
                color: AppTheme.alpha(AppTheme.mint, 0.22)
            }
            PaintedBox {
                anchors.fill: parent
                radius: 20
                color: button.active ? AppTheme.mango : AppTheme.mint
            }
            Column {
                anchors.centerIn: parent
                spacing: 5
                SymbolIcon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: view.game.directionSymbol(button.direction)
                    size: AppTheme.font(AppTheme.Title).pixelSize
                    color: "white"
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: view.game.directionName(button.direction)
                    font: AppTheme.font(AppTheme.Caption, Font.Bold)
                    color: "white"
                }
            }
        }
    }
}

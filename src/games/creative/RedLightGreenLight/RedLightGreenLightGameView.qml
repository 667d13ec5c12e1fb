import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 红灯绿灯: the big round light with its caption, then the feedback bubble during and
// after the play, or the instruction and the start button before it.
GamePage {
    id: view

    game: RedLightGreenLightGame {}
    maxWidth: 620
    spacing: 18

    readonly property color lightColor: !game.running ? AppTheme.alpha(AppTheme.softInk, 0.18)
                                                      : game.green ? AppTheme.mint : AppTheme.coral

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: "红灯绿灯"
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Item { Layout.fillWidth: true }
        Text {
            objectName: "progress"
            text: view.game.progress
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.softInk
        }
    }

    BouncyButton {
        id: light
        objectName: "light"
        Layout.alignment: Qt.AlignHCenter
        faceRadius: 85
        enabled: view.game.lightEnabled
        Accessible.name: view.game.lightCaption
        onClicked: view.game.tapSignal()

        Column {
            spacing: 14
            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 170
                height: 170
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 85
                    blur: 20
                    offsetY: 8
                    visible: view.game.running
                    color: AppTheme.alpha(view.game.green ? AppTheme.mint : AppTheme.coral, 0.35)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 85
                    color: view.lightColor
                }
                Text {
                    anchors.centerIn: parent
                    visible: view.game.running
                    text: view.game.lightSymbol
                    font: AppTheme.sizedFont(54, Font.Black)
                    color: "white"
                }
                EmojiText {
                    anchors.centerIn: parent
                    visible: !view.game.running
                    emoji: view.game.lightSymbol
                    pixelSize: 54
                }
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: view.game.lightCaption
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
        }
    }

    FeedbackBubble {
        visible: view.game.showsBubble
        Layout.alignment: Qt.AlignHCenter
        text: view.game.line.text
        isGood: view.game.line.good
    }
    Text {
        visible: !view.game.showsBubble
        Layout.alignment: Qt.AlignHCenter
        horizontalAlignment: Text.AlignHCenter
        text: "看到绿色时点大圆灯\n看到红色时什么都不要做"
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.softInk
    }
    PrimaryKidButton {
        objectName: "start"
        visible: !view.game.showsBubble
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 420
        title: "开始挑战"
        icon: "play.fill"
        colors: [AppTheme.coral, AppTheme.mango]
        onClicked: view.game.start()
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 数学大作战: the star energy, the number monster, the sum with its speaker button and
// four answer tiles.
GamePage {
    id: view
    game: MathBattleGame {}
    topMargin: 10
    spacing: 16

    KidCard {
        Layout.fillWidth: true
        padding: 14
        RowLayout {
            anchors.fill: parent
            spacing: 12
            Row {
                spacing: 6
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "bolt.fill"
                    size: AppTheme.font(AppTheme.Headline).pixelSize
                    color: AppTheme.purple
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "星光能量"
                    font: AppTheme.font(AppTheme.Headline)
                    color: AppTheme.purple
                }
            }
            Item {
                objectName: "energyBar"
                Layout.fillWidth: true
                implicitHeight: 8
                PaintedBox {
                    anchors.fill: parent
                    radius: height / 2
                    color: AppTheme.alpha(AppTheme.ink, 0.1)
                }
                PaintedBox {
                    width: parent.width * view.game.energy / 5
                    height: parent.height
                    radius: height / 2
                    color: AppTheme.mango
                    Behavior on width { NumberAnimation { duration: 250 } }
                }
            }
            Text {
                text: view.game.energyText
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.softInk
            }
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    Item {
        Layout.alignment: Qt.AlignHCenter
        implicitWidth: 175
        implicitHeight: 175
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: AppTheme.alpha(AppTheme.purple, 0.1)
        }
        EmojiText {
            objectName: "monster"
            anchors.centerIn: parent
            emoji: view.game.monster
            pixelSize: 100
            scale: view.game.isHit ? 0.78 : 1.0
            rotation: view.game.isHit ? 10 : 0
            Behavior on scale { NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring } }
            Behavior on rotation { NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring } }
        }
        EmojiText {
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: -75
            anchors.verticalCenterOffset: -45
            visible: view.game.isHit
            emoji: "✨"
            pixelSize: 65
        }
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 8
        QuestionReading {
            text: view.game.spokenQuestion
            language: "zh-CN"
        }
        Text {
            id: sum
            anchors.verticalCenter: parent.verticalCenter
            text: view.game.questionText
            font: AppTheme.sizedFont(46, Font.Black)
            color: AppTheme.ink
        }
        QuestionReaderButton {
            anchors.verticalCenter: parent.verticalCenter
            text: view.game.spokenQuestion
            language: "zh-CN"
        }
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 14
        rowSpacing: 14
        Repeater {
            // A count, so the tiles stay and take each new question's numbers.
            model: view.game.choices.length
            BouncyButton {
                required property int index
                readonly property int number: view.game.choices[index] ?? 0
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 26
                enabled: !view.game.locked
                Accessible.name: String(number)
                onClicked: view.game.choose(number)
                AnswerTile {
                    anchors.fill: parent
                    text: String(number)
                    color: AppTheme.purple
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

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Math

// 快乐小超市: a basket of two priced items and three totals to choose from.
GamePage {
    id: view
    game: SupermarketGame {}
    maxWidth: 700
    sideMargin: 16
    spacing: 18

    // One item of the basket: its emoji over its price, on a white card.
    component PriceCard: Item {
        id: card
        property string item
        property int price
        Layout.fillWidth: true
        Layout.maximumWidth: 190
        Layout.preferredWidth: 190
        implicitWidth: Math.max(cardColumn.implicitWidth + 24, 120)
        implicitHeight: Math.max(cardColumn.implicitHeight + 24, 140)
        SoftShadow {
            anchors.fill: parent
            cornerRadius: 26
            blur: 9
            offsetY: 5
            color: AppTheme.alpha(AppTheme.ink, 0.07)
        }
        PaintedBox {
            anchors.fill: parent
            radius: 26
            color: "white"
        }
        Column {
            id: cardColumn
            anchors.centerIn: parent
            spacing: 7
            EmojiText {
                anchors.horizontalCenter: parent.horizontalCenter
                emoji: card.item
                pixelSize: 58
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: card.price + " 元"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
        }
    }

    RoundHeader {
        Layout.fillWidth: true
        title: "快乐小超市"
        counter: view.game.counter
    }
    QuestionPrompt {
        Layout.fillWidth: true
        text: view.game.prompt
        language: "zh-CN"
        speechID: ""
    }
    RowLayout {
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 10
        Layout.bottomMargin: 10
        spacing: 16
        PriceCard {
            objectName: "firstItem"
            item: view.game.first
            price: view.game.firstPrice
        }
        Text {
            text: "+"
            font: AppTheme.font(AppTheme.LargeTitle, Font.Bold)
            color: AppTheme.purple
        }
        PriceCard {
            objectName: "secondItem"
            item: view.game.second
            price: view.game.secondPrice
        }
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "购物篮一共多少元？"
        font: AppTheme.font(AppTheme.Title3, Font.Bold)
        color: AppTheme.softInk
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Repeater {
            // A count, so the buttons stay and take each new basket's totals.
            model: view.game.choices.length
            BouncyButton {
                id: totalButton
                required property int index
                readonly property int value: view.game.choices[index] ?? 0
                objectName: "tile" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                faceRadius: 22
                enabled: !view.game.locked
                Accessible.name: String(value)
                onClicked: view.game.choose(value)

                Item {
                    anchors.fill: parent
                    implicitWidth: total.implicitWidth + 24
                    implicitHeight: Math.max(88, total.implicitHeight + 24)
                    PaintedBox {
                        anchors.fill: parent
                        radius: 22
                        color: "white"
                        strokeWidth: 3
                        strokeCentered: true
                        strokeColor: AppTheme.alpha(AppTheme.mint, 0.28)
                    }
                    Text {
                        id: total
                        anchors.centerIn: parent
                        text: totalButton.value + " 元"
                        font: AppTheme.font(AppTheme.Title2, Font.Bold)
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

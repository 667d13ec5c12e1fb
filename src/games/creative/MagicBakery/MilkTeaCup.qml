import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Creative

// The drink being made: a cup in the flavour's colour with its name, the pictures of
// the toppings, a row of pearls when there are pearls, and a straw. Shows only what it
// is given.
Item {
    id: cup

    property string base
    property var toppings: []

    implicitWidth: 245
    implicitHeight: 285
    width: 245
    height: 285

    PaintedBox {
        objectName: "cupBody"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        width: 170
        height: 215
        radius: 35
        color: MilkTea.drinkColor(cup.base)
        strokeWidth: 7
        strokeColor: AppTheme.alpha("white", 0.94)
    }
    Row {
        objectName: "pearls"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 19
        spacing: 12
        visible: MilkTea.hasPearls(cup.toppings)
        Repeater {
            model: 5
            PaintedBox {
                width: 17
                height: 17
                radius: 8.5
                color: Qt.rgba(0.64, 0.52, 0.37, 1)
            }
        }
    }
    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 72
        spacing: 6
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            implicitWidth: label.implicitWidth
            implicitHeight: label.implicitHeight
            Text {
                x: 0.5
                y: 0.5
                text: label.text
                font: label.font
                color: Qt.rgba(0, 0, 0, 0.33)
            }
            Text {
                id: label
                objectName: "cupLabel"
                text: MilkTea.label(cup.base)
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: "white"
            }
        }
        EmojiText {
            objectName: "cupToppings"
            anchors.horizontalCenter: parent.horizontalCenter
            emoji: MilkTea.toppingLine(cup.toppings)
            pixelSize: 25
            height: 30
        }
    }
    // The straw: 15 × 145, turned 10° about its centre, 54 right of and 120 above its
    // bottom-centre place.
    PaintedBox {
        width: 15
        height: 145
        radius: 7.5
        color: AppTheme.coral
        x: (parent.width - width) / 2 + 54
        y: parent.height - height - 120
        rotation: 10
    }
}

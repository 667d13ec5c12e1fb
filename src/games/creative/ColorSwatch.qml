import QtQuick
import Pipwhistle.Ui

// A round brush-colour swatch; the chosen one wears a white ring.
BouncyButton {
    id: swatch

    property color swatchColor
    property bool chosen: false
    property real diameter: 34
    property real chosenScale: 1

    implicitWidth: diameter
    implicitHeight: diameter
    faceRadius: diameter / 2
    Accessible.name: "选择画笔颜色"

    Item {
        anchors.fill: parent
        scale: swatch.chosen ? swatch.chosenScale : 1
        Behavior on scale { NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring } }
        PaintedBox {
            anchors.fill: parent
            radius: width / 2
            color: swatch.swatchColor
            strokeWidth: swatch.chosen ? 4 : 0
            strokeColor: "white"
        }
    }
}

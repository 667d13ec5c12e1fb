import QtQuick
import Pipwhistle.Ui

// The card style: the content inset by `padding` on a white rounded card with a
// faintly golden rim and a soft shadow. Put the content inside; it fills the inset
// area, and the card's implicit size is the content's plus the padding.
Item {
    id: card

    property real padding: 18
    default property alias content: body.data

    implicitWidth: (body.children.length > 0 ? body.children[0].implicitWidth : 0) + 2 * padding
    implicitHeight: (body.children.length > 0 ? body.children[0].implicitHeight : 0) + 2 * padding

    SoftShadow {
        anchors.fill: parent
        cornerRadius: 30
        blur: 16
        offsetY: 9
        color: AppTheme.alpha(AppTheme.ink, 0.1)
    }
    PaintedBox {
        anchors.fill: parent
        radius: 30
        color: AppTheme.alpha("white", 0.9)
    }
    Item {
        id: body
        anchors.fill: parent
        anchors.margins: card.padding
    }
    PaintedBox {
        anchors.fill: parent
        radius: 30
        strokeWidth: 2.5
        strokeCentered: true
        strokeStops: ["white", AppTheme.alpha(AppTheme.mango, 0.34), "white"]
        strokeDirection: PaintedBox.Diagonal
    }
}

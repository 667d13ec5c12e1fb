import QtQuick
import Pipwhistle.Ui

// The picture card of a storybook page: a tinted back card offset down and right, and in
// front the picture (filling, cropped), a darkening gradient and the text block at the
// bottom, clipped to rounded corners with a white rim and a shadow. The back card, the
// darkening and the rim are plain rounded rectangles, drawn from their outlines: a card
// shows without painting, holding and uploading a picture of each. The software renderer
// draws the parts at every step of a turn (a few milliseconds a frame); painting the card
// once into a layer instead cost the frame its page was built in twice its budget.
Item {
    id: card

    property string picture
    property list<string> picturesAhead // shown next in a card of this size: decoded ahead
    property color backFill
    property real rimOpacity: 0.86
    property real shadowOpacity: 0.34
    property list<color> shade // the darkening's three colours, top, middle and bottom
    property real sidePadding: 13
    property real textBottomPadding: 27
    default property alias textBlock: textHolder.data

    Rectangle {
        x: card.sidePadding + 10
        y: 10 + 8
        width: front.width
        height: front.height
        radius: 38
        color: card.backFill
    }
    SoftShadow {
        anchors.fill: front
        cornerRadius: 36
        blur: 18
        offsetY: 10
        color: AppTheme.alpha(AppTheme.ink, card.shadowOpacity)
    }
    Item {
        id: front
        x: card.sidePadding
        y: 10
        width: card.width - 2 * card.sidePadding - 10
        height: card.height - 20 - 8
        StorybookArtImage {
            anchors.fill: parent
            visible: card.picture.length > 0
            name: card.picture
            ahead: card.picturesAhead
            radius: 36
        }
        Rectangle {
            anchors.fill: parent
            radius: 36
            gradient: Gradient {
                GradientStop { position: 0; color: card.shade[0] }
                GradientStop { position: 0.5; color: card.shade[1] }
                GradientStop { position: 1; color: card.shade[2] }
            }
        }
        Item {
            id: textHolder
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: 28
            anchors.rightMargin: 28
            anchors.bottomMargin: card.textBottomPadding
            height: childrenRect.height
        }
        // The rim, centred on the card's edge.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -border.width / 2
            radius: 36 + border.width / 2
            color: "transparent"
            border.width: 5
            border.color: AppTheme.alpha("white", card.rimOpacity)
        }
    }
}

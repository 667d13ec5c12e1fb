import QtQuick

// What an overlay lays over a page from above, drawn by the page as the last layer of
// its still picture, beneath its time chip (which is darkened as much): the dimming,
// and the overlay's card while it rests. The card is then hidden where it stands and
// drawn here in its place, so each second of the chip redraws the page's one picture
// and not the card's too; where the card would cover the chip it stays where it is.
Item {
    id: veil

    property color color: "transparent"
    // The card's picture while it rests (null for none), and where it stands in the
    // window, which the page fills.
    property Item card: null
    property rect cardRect
    // The page's time chip, drawn above this; it stands beside it in the page.
    property Item chip: null

    readonly property bool cardTaken: visible && card !== null && chip !== null && cardRect.width > 0
                                      && (cardRect.x >= chip.x + chip.width || cardRect.x + cardRect.width <= chip.x
                                          || cardRect.y >= chip.y + chip.height || cardRect.y + cardRect.height <= chip.y)

    Rectangle {
        anchors.fill: parent
        visible: veil.color.a > 0
        color: veil.color
    }
    // The card's own picture goes while it is drawn here: the card is drawn from its
    // layers, as a picture within a picture loses the blending of its edges.
    Binding {
        when: veil.cardTaken
        target: veil.card
        property: "active"
        value: false
    }
    ShaderEffectSource {
        visible: veil.cardTaken
        sourceItem: visible ? veil.card : null
        hideSource: true
        x: veil.cardRect.x
        y: veil.cardRect.y
        width: veil.cardRect.width
        height: veil.cardRect.height
    }
}

import QtQuick

// What an overlay lays over a page from above, drawn by the page as the last layer of
// its still picture, beneath its time chip (which is darkened as much): the dimming,
// and the overlay's card while it rests. The card is then hidden where it stands and
// drawn here in its place, so each second of the chip redraws the page's one picture
// and not the card's too; where the card would cover the chip it stays where it is.
Item {
    id: pageVeil

    // What an overlay lays over the pages beneath it while it waits, handed down to the
    // page on top: its dimming (transparent for none), and its card's picture while the
    // card rests (null for none) with where it stands in the window, which the page fills.
    component Veil: QtObject {
        property color color: "transparent"
        property Item card: null
        property rect cardRect
    }

    property Veil veil: Veil {}
    // The page's time chip, drawn above this; it stands beside it in the page. Without
    // one, the card stays where it is.
    property Item chip: null
    // How much the page's own dimming, beneath this, darkens the page (0 to 1).
    property real pageDimming: 0
    // How much black lies over the page, the page's dimming and the veil together
    // (0 to 1): the time chip darkens itself by as much.
    readonly property real shade: 1 - (1 - pageDimming) * (1 - veil.color.a)

    readonly property Item card: veil.card
    readonly property rect cardRect: veil.cardRect
    readonly property bool cardTaken: visible && card !== null && chip !== null && cardRect.width > 0
                                      && (cardRect.x >= chip.x + chip.width || cardRect.x + cardRect.width <= chip.x
                                          || cardRect.y >= chip.y + chip.height || cardRect.y + cardRect.height <= chip.y)

    Rectangle {
        anchors.fill: parent
        visible: pageVeil.veil.color.a > 0
        color: pageVeil.veil.color
    }
    // The card's own picture goes while it is drawn here: the card is drawn from its
    // layers, as a picture within a picture loses the blending of its edges.
    Binding {
        when: pageVeil.cardTaken
        target: pageVeil.card
        property: "active"
        value: false
    }
    ShaderEffectSource {
        visible: pageVeil.cardTaken
        sourceItem: visible ? pageVeil.card : null
        hideSource: true
        x: pageVeil.cardRect.x
        y: pageVeil.cardRect.y
        width: pageVeil.cardRect.width
        height: pageVeil.cardRect.height
    }
}

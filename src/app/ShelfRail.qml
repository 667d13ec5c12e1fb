import QtQuick

// A horizontal rail of cards without scroll bars. Its side insets rest the first card
// in the middle at the start and the last one at the end; a mouse wheel turns it too.
ListView {
    id: rail

    property real inset: 14

    orientation: ListView.Horizontal
    boundsBehavior: Flickable.StopAtBounds
    header: Item { width: rail.inset; height: 1 }
    footer: Item { width: rail.inset; height: 1 }
    // Back to the start whenever the sizes change, once the header has its new width.
    function restart() { Qt.callLater(rail.positionViewAtBeginning) }
    onHeaderItemChanged: restart()
    onWidthChanged: restart()
    onInsetChanged: restart()

    WheelHandler {
        onWheel: function(event) {
            const delta = Math.abs(event.angleDelta.x) > Math.abs(event.angleDelta.y)
                    ? event.angleDelta.x : event.angleDelta.y
            const end = rail.originX + rail.contentWidth - rail.width
            rail.contentX = Math.max(rail.originX, Math.min(rail.contentX - delta, end))
        }
    }
}

import QtQuick
import Pipwhistle.Games.Common

// Feeds a DragTracker from the mouse or a finger. Positions are mapped into `frame`,
// an item that stays put while the dragged item moves (the board, the stage), so the
// translation is the finger's, not the item's. The tracker decides drag or tap.
//
//     DragArea { anchors.fill: chip; frame: board; tracker: view.game.chipDrag }
MouseArea {
    id: area

    required property DragTracker tracker
    property Item frame: parent

    function framed(mouse) {
        return area.mapToItem(area.frame, mouse.x, mouse.y)
    }

    preventStealing: tracker.dragging
    onPressed: mouse => {
        const p = framed(mouse)
        tracker.press(p.x, p.y)
    }
    onPositionChanged: mouse => {
        const p = framed(mouse)
        tracker.move(p.x, p.y)
    }
    onReleased: mouse => {
        const p = framed(mouse)
        tracker.release(p.x, p.y)
    }
    onCanceled: tracker.cancel()
}

import QtQuick
import Pipwhistle.Ui

// The part of a screen that stands still while the screen waits (its backdrop, veils,
// headings, a rail of cards at rest), drawn once into one picture the size of its
// pixels and shown from there. With OpenGL every frame paints the whole window, so a
// frame that changes only something outside it (the time chip's next second) costs
// one picture instead of every layer beneath; the picture is painted again only when
// something inside changes or its size does. Keep what ticks outside it, and set
// `active` false while the screen is covered or busy, which draws the content
// directly and lets the picture go. The software renderer repaints only what changed
// anyway, so there it draws directly.
Item {
    id: still

    property bool active: true
    // Whether an opaque backdrop fills the picture: it is then copied over the window
    // instead of blended with what lies beneath, which costs less each frame.
    property bool opaque: false

    layer.enabled: active && visible && width > 0 && height > 0
                   && GraphicsInfo.api !== GraphicsInfo.Software
    // The picture is shown pixel for pixel: sampling the nearest pixel gives the same
    // picture as filtering, for less work each frame.
    layer.smooth: false
    // Shown from a texture laid out as the window's pixels, opaque or not (see
    // LayerPicture).
    layer.effect: opaque ? copied : blended

    Component {
        id: copied
        LayerPicture {}
    }
    Component {
        id: blended
        LayerPicture { translucent: true }
    }
}

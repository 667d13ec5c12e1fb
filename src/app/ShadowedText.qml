import QtQuick
import Qt5Compat.GraphicalEffects

// A heading on storybook art: text with a soft shadow under it.
Text {
    property color shadowColor: "black"
    property real shadowBlur: 2
    property real shadowY: 1

    layer.enabled: true
    layer.effect: DropShadow {
        transparentBorder: true
        horizontalOffset: 0
        verticalOffset: shadowY
        radius: shadowBlur * 2
        samples: Math.round(shadowBlur * 4) + 1
        color: shadowColor
    }
}

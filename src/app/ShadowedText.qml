import QtQuick

// A heading on storybook art: text with a soft shadow under it. The shadow is a few
// faint copies of the text spread over the blur radius, so it draws the same with or
// without graphics hardware.
Text {
    id: label

    property color shadowColor: "black"
    property real shadowBlur: 2
    property real shadowY: 1

    Repeater {
        // x, y (in blur radii) and the share of the shadow colour of each copy.
        model: [[0, 0, 0.55], [-0.5, 0, 0.22], [0.5, 0, 0.22], [0, -0.5, 0.22], [0, 0.5, 0.22],
                [-0.5, -0.5, 0.1], [0.5, 0.5, 0.1], [-0.5, 0.5, 0.1], [0.5, -0.5, 0.1]]
        Text {
            required property var modelData
            z: -1
            x: modelData[0] * label.shadowBlur
            y: label.shadowY + modelData[1] * label.shadowBlur
            width: label.width
            height: label.height
            text: label.text
            font: label.font
            horizontalAlignment: label.horizontalAlignment
            verticalAlignment: label.verticalAlignment
            wrapMode: label.wrapMode
            elide: label.elide
            color: label.shadowColor
            opacity: modelData[2]
            Accessible.ignored: true
        }
    }
}

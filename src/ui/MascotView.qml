import QtQuick
import Pipwhistle.Ui

// The mascot: a fox face on a glowing round badge of diameter `size`; the mood
// "thinking" adds a thought bubble (the games pass "happy" for the plain mascot).
Item {
    id: mascot

    property real size: 120
    property string mood: "happy"

    implicitWidth: size
    implicitHeight: size
    Accessible.role: Accessible.Graphic
    Accessible.name: "小狐狸小铃"

    SoftShadow {
        anchors.fill: badge
        cornerRadius: mascot.size / 2
        blur: 12
        offsetY: 7
        color: AppTheme.alpha(AppTheme.mango, 0.2)
    }
    PaintedBox {
        id: badge
        anchors.centerIn: parent
        width: mascot.size
        height: mascot.size
        radius: mascot.size / 2
        fillStops: [AppTheme.alpha(AppTheme.mango, 0.48), "white"]
        fillDirection: PaintedBox.TopToBottom
    }
    EmojiText {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: mascot.size * 0.02
        emoji: "🦊"
        pixelSize: mascot.size * 0.61
    }
    EmojiText {
        visible: mascot.mood === "thinking"
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: mascot.size * 0.42
        anchors.verticalCenterOffset: -mascot.size * 0.38
        emoji: "💭"
        pixelSize: mascot.size * 0.28
    }
}

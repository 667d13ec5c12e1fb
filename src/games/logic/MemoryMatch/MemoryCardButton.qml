import QtQuick
import Pipwhistle.Ui

// One memory card: the animal on white when it is up (a found pair with a mint rim),
// the sparkles and 豆铃 on purple when it lies face down.
BouncyButton {
    id: card

    property string emoji
    property bool faceUp: false
    property bool matched: false
    readonly property bool shown: faceUp || matched

    faceRadius: 20
    Accessible.name: shown ? emoji : "豆铃"

    Item {
        anchors.fill: parent
        SoftShadow {
            anchors.fill: parent
            cornerRadius: 20
            blur: 8
            offsetY: 5
            color: AppTheme.alpha(AppTheme.ink, 0.08)
        }
        PaintedBox {
            anchors.fill: parent
            radius: 20
            color: card.shown ? "white" : AppTheme.purple
        }
        EmojiText {
            anchors.centerIn: parent
            emoji: card.emoji
            pixelSize: 46
            scale: card.shown ? 1 : 0.00001
            opacity: card.shown ? 1 : 0
            // Hidden while it is only a few pixels: a glyph drawn smaller than a pixel
            // gets an empty image in the software renderer's glyph cache.
            visible: scale > 0.05
            Behavior on scale { NumberAnimation { duration: 300; easing.type: Easing.OutBack } }
            Behavior on opacity { NumberAnimation { duration: 300 } }
        }
        Column {
            anchors.centerIn: parent
            spacing: 4
            visible: !card.shown
            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                name: "sparkles"
                size: AppTheme.font(AppTheme.Title).pixelSize
                color: AppTheme.alpha("white", 0.9)
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "豆铃"
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.alpha("white", 0.9)
            }
        }
        PaintedBox {
            anchors.fill: parent
            radius: 20
            strokeWidth: card.matched ? 4 : 2
            strokeCentered: true
            strokeColor: card.matched ? AppTheme.mint : AppTheme.alpha("white", 0.75)
        }
    }
}

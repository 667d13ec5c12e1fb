import QtQuick
import Pipwhistle.Ui

// The one-line reply under a question: green with a check mark when `isGood`, amber
// with a light bulb for a hint.
Item {
    id: bubble

    property string text
    property bool isGood: true
    readonly property color foreground: isGood ? AppTheme.goodText : AppTheme.hintText

    implicitWidth: row.implicitWidth + 32
    implicitHeight: row.implicitHeight + 22

    PaintedBox {
        anchors.fill: parent
        radius: height / 2
        color: AppTheme.alpha(bubble.isGood ? AppTheme.mint : AppTheme.mango, 0.18)
    }
    Row {
        id: row
        anchors.centerIn: parent
        spacing: 8
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: bubble.isGood ? "checkmark.circle.fill" : "lightbulb.fill"
            size: 17
            color: bubble.foreground
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: AppTheme.emojiText(bubble.text)
            textFormat: Text.RichText // rich text honours the emoji font of emojiText()
            font: AppTheme.font(AppTheme.Headline)
            color: bubble.foreground
        }
    }
}

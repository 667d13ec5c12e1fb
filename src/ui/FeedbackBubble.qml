import QtQuick
import Pipwhistle.Ui

// The one-line reply under a question: green with a check mark when `isGood`, amber
// with a light bulb for a hint. Its height is kept while there is nothing to say, so
// the page does not move when a reply appears or goes.
Item {
    id: bubble

    property string text
    property bool isGood: true
    readonly property color foreground: isGood ? AppTheme.goodText : AppTheme.hintText
    readonly property bool showing: text.length > 0

    implicitWidth: row.implicitWidth + 32
    implicitHeight: Math.max(row.implicitHeight, lineSample.implicitHeight) + 22

    // A line of Chinese text with a colour emoji: the tallest line a reply takes.
    Text {
        id: lineSample
        visible: false
        text: AppTheme.emojiText("好✅")
        textFormat: Text.RichText
        font: AppTheme.font(AppTheme.Headline)
    }

    PaintedBox {
        visible: bubble.showing
        anchors.fill: parent
        radius: height / 2
        color: AppTheme.alpha(bubble.isGood ? AppTheme.mint : AppTheme.mango, 0.18)
    }
    Row {
        id: row
        visible: bubble.showing
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

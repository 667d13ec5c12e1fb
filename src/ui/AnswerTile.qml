import QtQuick
import Pipwhistle.Ui

// The face of one answer choice: an optional emoji above the answer in bold, on a
// rounded tile at least 108 points high inside a 10-point inset. Drawn plain, or
// highlighted in `color` when `selected`. Games put it in a BouncyButton
// (faceRadius 26). An empty `emoji` means no picture line.
Item {
    id: tile

    property string text
    property string emoji
    property color color: AppTheme.sky
    property bool selected: false

    implicitWidth: Math.max(column.implicitWidth, 108) + 20
    implicitHeight: Math.max(column.implicitHeight, 108) + 20

    SoftShadow {
        anchors.fill: parent
        cornerRadius: 26
        blur: 9
        offsetY: 5
        color: AppTheme.alpha(AppTheme.ink, 0.07)
    }
    PaintedBox {
        anchors.fill: parent
        radius: 26
        color: tile.selected ? AppTheme.alpha(tile.color, 0.3) : AppTheme.alpha("white", 0.94)
        strokeWidth: tile.selected ? 4 : 2
        strokeCentered: true
        strokeColor: tile.selected ? tile.color : AppTheme.alpha(tile.color, 0.22)
    }
    Column {
        id: column
        anchors.centerIn: parent
        width: tile.width - 20
        spacing: 8
        EmojiText {
            width: parent.width
            visible: tile.emoji.length > 0
            horizontalAlignment: Text.AlignHCenter
            emoji: tile.emoji
            pixelSize: 46
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            // A word that does not fit is drawn smaller, never below 0.7 of 26 points;
            // only a word too wide even then is broken.
            wrapMode: Text.Wrap
            text: AppTheme.emojiText(tile.text)
            textFormat: Text.StyledText
            font: AppTheme.sizedFont(AppTheme.fittedPixelSize(tile.text, 26, Font.Bold, width, 0.7), Font.Bold)
            color: AppTheme.ink
        }
    }
}

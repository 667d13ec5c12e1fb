import QtQuick
import Pipwhistle.Ui

// Emoji drawn in the colour-emoji font at a pixel size: a picture on a tile, the
// mascot, a portal's badge. Give it `emoji` (the text as the tables hold it, selectors
// and joiners included) and `pixelSize`.
Text {
    property string emoji
    property real pixelSize: 40

    text: AppTheme.emojiGlyphs(emoji)
    font: AppTheme.emojiFont(pixelSize)
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
}

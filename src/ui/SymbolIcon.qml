import QtQuick
import Pipwhistle.Ui

// A system symbol by name ("star.fill", "speaker.wave.2.fill", ...), drawn from the icon
// font; `size` is the point size of the text it stands beside. Unknown names show the
// fallback glyph.
Text {
    property string name
    property real size: 17

    text: Symbols.glyph(name)
    font.family: Symbols.family
    font.pixelSize: AppTheme.symbolPixelSize(size)
    color: AppTheme.ink
    Accessible.ignored: true
}

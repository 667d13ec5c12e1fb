import QtQuick
import Pipwhistle.Ui

// A system symbol by name ("star.fill", "speaker.wave.2.fill", ...), drawn from the icon
// font; `size` is the point size of the text it stands beside. Unknown names show the
// fallback glyph. A symbol with a glyph cut into it (a filled circle with an hourglass)
// draws that inner glyph in `cutColor`, the colour of what lies behind the symbol.
Text {
    id: icon

    property string name
    property real size: 17
    property color cutColor: "white"

    text: Symbols.glyph(name)
    font.family: Symbols.family
    font.pixelSize: AppTheme.symbolPixelSize(size)
    color: AppTheme.ink
    Accessible.ignored: true

    Text {
        readonly property string glyph: Symbols.innerGlyph(icon.name)
        visible: glyph.length > 0
        anchors.centerIn: parent
        text: glyph
        font.family: Symbols.family
        font.pixelSize: icon.font.pixelSize * 0.58
        color: icon.cutColor
    }
}

import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Creative

// The drawing board with its invitation to draw, shown while the board is empty and
// nobody draws. The invitation lets touches through to the board.
Item {
    id: surface

    property alias strokes: board.strokes
    property alias selectedColor: board.selectedColor
    property alias lineWidth: board.lineWidth
    readonly property alias board: board

    DrawingBoard {
        id: board
        objectName: "drawingBoard"
        anchors.fill: parent
    }
    Column {
        objectName: "invitation"
        x: 22
        y: 22
        spacing: 4
        visible: board.invitationShown
        SymbolIcon {
            name: "scribble"
            size: AppTheme.font(AppTheme.LargeTitle).pixelSize
            color: AppTheme.alpha(AppTheme.softInk, 0.35)
        }
        Text {
            text: "在这里画画"
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.alpha(AppTheme.softInk, 0.35)
        }
    }
}

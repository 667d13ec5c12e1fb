import QtQuick
import Pipwhistle.Ui
import Pipwhistle.Games.Puzzles

// The forest board, drawn afresh from the game: the painted floor and hedges, the
// symbols lying on the board and the fox. Square cells; the board keeps the maze's shape
// inside the space it is given (less 6 points all round) and sits in its middle.
Item {
    id: board

    property MazeGame game

    readonly property real usableWidth: Math.max(0, width - 12)
    readonly property real usableHeight: Math.max(0, height - 12)
    readonly property real aspect: game.columns / game.rows
    readonly property real boardWidth: Math.min(usableHeight * aspect, usableWidth)
    readonly property real cell: boardWidth / game.columns

    Item {
        id: field
        objectName: "mazeField"
        x: 6 + (board.usableWidth - width) / 2
        y: 6 + (board.usableHeight - height) / 2
        width: board.boardWidth
        height: board.boardWidth / board.aspect

        MazeFloor {
            objectName: "mazeFloor"
            anchors.fill: parent
            rows: board.game.rows
            columns: board.game.columns
            walls: board.game.walls
            trail: board.game.trailCells
            cornerRadius: 24
        }

        Repeater {
            model: board.game.boardIcons
            EmojiText {
                required property var modelData
                x: (modelData.cell % board.game.columns) * board.cell
                y: Math.floor(modelData.cell / board.game.columns) * board.cell
                width: board.cell
                height: board.cell
                emoji: modelData.symbol
                pixelSize: Math.max(1, board.cell * modelData.scale)
            }
        }

        // The fox glides from cell to cell; its walk pose turns and scales it about its
        // own cell's centre. The software renderer would draw a turned or scaled emoji
        // afresh from the font (its picture decoded anew) for every step of the pose:
        // there the fox and its halo are drawn once into a picture that is turned instead.
        Item {
            id: fox
            objectName: "fox"
            x: board.game.playerColumn * board.cell
            y: board.game.playerRow * board.cell
            width: board.cell
            height: board.cell
            scale: board.game.foxScale
            rotation: board.game.foxTurn

            Item {
                x: -6
                y: -6
                width: fox.width + 12
                height: fox.height + 12
                layer.enabled: GraphicsInfo.api === GraphicsInfo.Software && Screen.devicePixelRatio === 1
                layer.smooth: fox.scale !== 1 || fox.rotation !== 0

                // A soft white halo rings the fox.
                EmojiHalo {
                    anchors.fill: parent
                    emoji: foxFace.emoji
                    pixelSize: foxFace.pixelSize
                    color: Qt.rgba(1, 1, 1, 0.8)
                    blur: 3
                }
                EmojiText {
                    id: foxFace
                    x: 6
                    y: 6
                    width: fox.width
                    height: fox.height
                    emoji: "🦊"
                    pixelSize: Math.max(1, board.cell * 0.68)
                    Accessible.name: "小狐狸"
                }
            }

            Behavior on x { NumberAnimation { duration: 280; easing.type: Easing.InOutQuad } }
            Behavior on y { NumberAnimation { duration: 280; easing.type: Easing.InOutQuad } }
            Behavior on scale { NumberAnimation { duration: 140; easing.type: Easing.InOutQuad } }
            Behavior on rotation { NumberAnimation { duration: 140; easing.type: Easing.InOutQuad } }
        }
    }
}

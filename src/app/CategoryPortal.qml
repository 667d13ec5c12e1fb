import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App

// One tall, book-like card of the playground: the category's cover under a shade, its
// emoji bubble, name and entry tag, on the category's gradient.
Item {
    id: portal

    property string category
    readonly property var colors: AppTheme.colors(category)

    SoftShadow {
        anchors.fill: parent
        cornerRadius: 32
        blur: 14
        offsetY: 9
        color: AppTheme.alpha(AppTheme.ink, 0.35)
    }

    Item {
        id: face
        anchors.fill: parent

        PaintedBox {
            anchors.fill: parent
            radius: 32
            fillStops: portal.colors
            fillDirection: PaintedBox.Diagonal
        }
        StorybookArtImage {
            anchors.fill: parent
            radius: 32
            name: ShellCatalog.coverName(portal.category)
        }
        // The shade and, inside its edge, the rim: one picture (nothing else reaches the
        // rim, 19 points in from the edge).
        PaintedBox {
            anchors.fill: parent
            radius: 32
            fillStops: [Qt.rgba(0, 0, 0, 0.04), "transparent", AppTheme.alpha(AppTheme.ink, 0.9)]
            fillDirection: PaintedBox.TopToBottom
            strokeWidth: 3
            strokeColor: AppTheme.alpha("white", 0.82)
        }
    }

    Item {
        anchors.fill: parent
        anchors.margins: 19

        // Badge row: emoji bubble, arrow.
        Item {
            id: bubble
            width: 62
            height: 62
            SoftShadow {
                anchors.fill: parent
                cornerRadius: 31
                blur: 5
                offsetY: 3
                color: AppTheme.alpha(AppTheme.ink, 0.2)
            }
            Rectangle {
                anchors.fill: parent
                radius: 31
                color: AppTheme.alpha("white", 0.88)
            }
            EmojiText {
                anchors.centerIn: parent
                emoji: ShellCatalog.emoji(portal.category)
                pixelSize: 37
            }
        }
        ShadowedText {
            anchors.right: parent.right
            anchors.top: parent.top
            text: Symbols.glyph("arrow.right.circle.fill")
            font.family: Symbols.family
            font.pixelSize: AppTheme.symbolPixelSize(AppTheme.font(AppTheme.Title).pixelSize)
            color: "white"
            shadowColor: AppTheme.alpha(AppTheme.ink, 0.48)
            shadowBlur: 3
            shadowY: 2
        }

        Column {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            spacing: 10

            Text {
                width: parent.width
                text: ShellCatalog.shelfName(portal.category)
                font: AppTheme.sizedFont(31, Font.Black)
                color: "white"
                elide: Text.ElideRight
            }
            Text {
                width: parent.width
                text: "点卡片，马上开始"
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.alpha("white", 0.92)
                elide: Text.ElideRight
            }
            PaintedBox {
                width: tag.implicitWidth + 24
                height: tag.implicitHeight + 16
                radius: 14
                color: AppTheme.alpha("white", 0.94)
                Row {
                    id: tag
                    anchors.centerIn: parent
                    spacing: 5
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "play.fill"
                        size: tagText.font.pixelSize
                        color: AppTheme.ink
                    }
                    Text {
                        id: tagText
                        anchors.verticalCenter: parent.verticalCenter
                        text: "进入游戏书架"
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }
        }
    }
}

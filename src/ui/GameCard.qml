import QtQuick
import Pipwhistle.Ui

// The picture card of one catalogue game on a shelf: the cover fills the card, an icon
// tile and a status badge sit at the top, and a dark panel at the bottom carries the
// title, the subtitle and, for a playable game, a "开始" chip. A game that is coming
// soon is dimmed, shows a lock and reads "正在建造中". The card only draws; the shelf
// wraps it in a BouncyButton (faceRadius 34) and gives it its size.
//
// `game` is a GameDefinition (id, title, subtitle, icon, available).
Item {
    id: card

    property var game
    property bool compact: false

    readonly property bool available: game ? game.available !== false : true
    readonly property real rowSpacing: compact ? 8 : 12
    readonly property real inset: compact ? 18 : 20
    readonly property real tileSide: compact ? 60 : 66
    readonly property real iconSize: compact ? 23 : 29
    readonly property font titleFont: AppTheme.font(AppTheme.Title2, Font.Bold)
    readonly property font subtitleFont: AppTheme.font(AppTheme.Subheadline, Font.Medium)

    implicitWidth: 260
    implicitHeight: compact ? 282 : 314
    opacity: available ? 1.0 : 0.72

    SoftShadow {
        anchors.fill: parent
        cornerRadius: 34
        blur: 13
        offsetY: 8
        color: AppTheme.alpha(AppTheme.ink, 0.25)
    }
    StorybookArtImage {
        anchors.fill: parent
        radius: 34
        name: card.game ? Storybook.coverName(card.game.id) : ""
    }
    PaintedBox {
        anchors.fill: parent
        radius: 34
        fillStops: [AppTheme.alpha(AppTheme.ink, 0), AppTheme.alpha(AppTheme.ink, 0), AppTheme.alpha(AppTheme.ink, 0.82)]
        fillDirection: PaintedBox.TopToBottom
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.margins: card.inset

        // Header row: icon tile, status badge.
        PaintedBox {
            id: iconTile
            width: card.tileSide
            height: card.tileSide
            radius: 18
            color: AppTheme.alpha("white", 0.75)
            SymbolIcon {
                anchors.centerIn: parent
                name: card.game ? card.game.icon : ""
                size: card.iconSize
                font.weight: Font.Bold
                color: AppTheme.ink
            }
        }
        PaintedBox {
            id: badge
            anchors.right: parent.right
            width: badgeSymbol.implicitHeight + 18
            height: width
            radius: width / 2
            color: card.available ? AppTheme.alpha(AppTheme.mango, 0.94) : AppTheme.alpha("white", 0.25)
            SymbolIcon {
                id: badgeSymbol
                anchors.centerIn: parent
                name: card.available ? "play.fill" : "lock.fill"
                size: 12
                color: card.available ? AppTheme.ink : "white"
            }
        }

        // Info panel, pushed to the bottom.
        PaintedBox {
            id: panel
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: texts.implicitHeight + 22
            radius: 19
            color: AppTheme.alpha(AppTheme.ink, 0.54)

            Column {
                id: texts
                anchors.left: parent.left
                anchors.leftMargin: 13
                anchors.right: parent.right
                anchors.rightMargin: 13
                anchors.verticalCenter: parent.verticalCenter
                spacing: 3
                // A title stands on one line, drawn down to 0.7 of its size where it must
                // be; only one that still does not fit takes two lines, and a smaller size
                // where two are not enough. The subtitle takes up to two lines at the card's
                // full width. The lines are broken in C++ (no line starts with a
                // punctuation mark, no character stands alone on the last line) and shown
                // as they come.
                Text {
                    id: titleText
                    objectName: "cardTitle"
                    readonly property string plain: card.game ? card.game.title : ""
                    readonly property var fitted: AppTheme.fittedLines(plain, card.titleFont.pixelSize, Font.Bold,
                                                                       width, 2, 0.7, 0.55)
                    // The "开始" chip stands beside the title; the subtitle has the full width.
                    width: parent.width - (chip.visible ? chip.width + 10 : 0)
                    text: fitted.lines.map(line => AppTheme.emojiText(line)).join("<br>")
                    textFormat: Text.StyledText
                    font: AppTheme.sizedFont(fitted.pixelSize, Font.Bold)
                    color: "white"
                }
                Text {
                    objectName: "cardSubtitle"
                    readonly property string plain: card.available ? (card.game ? card.game.subtitle : "") : "正在建造中"
                    readonly property var fitted: AppTheme.fittedLines(plain, card.subtitleFont.pixelSize, Font.Medium,
                                                                       width, 2, 1, 0.75)
                    width: parent.width
                    text: fitted.lines.map(line => AppTheme.emojiText(line)).join("<br>")
                    textFormat: Text.StyledText
                    font: AppTheme.sizedFont(fitted.pixelSize, Font.Medium)
                    color: AppTheme.alpha("white", 0.9)
                }
            }
            PaintedBox {
                id: chip
                visible: card.available
                anchors.right: parent.right
                anchors.rightMargin: 13
                anchors.verticalCenter: texts.top
                anchors.verticalCenterOffset: titleText.height / 2
                width: chipLabel.implicitWidth + 20
                height: chipLabel.implicitHeight + 16
                radius: 13
                color: AppTheme.alpha(AppTheme.mango, 0.96)
                Row {
                    id: chipLabel
                    anchors.centerIn: parent
                    spacing: 4
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "play.fill"
                        size: 12
                        color: AppTheme.ink
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "开始"
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }
        }
    }

    // Golden bookmark ribbon along the leading edge, and the golden rim.
    PaintedBox {
        x: 10
        y: 15
        width: 8
        height: Math.max(0, card.height - 30)
        radius: 4
        color: AppTheme.alpha(AppTheme.mango, 0.7)
    }
    PaintedBox {
        anchors.fill: parent
        radius: 34
        strokeWidth: 3
        strokeCentered: true
        strokeColor: AppTheme.alpha(AppTheme.mango, 0.88)
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Logic

// 帮动物找到朋友: twelve cards in three columns, the pair counter above, the turn counter
// and the reshuffle button below. The cards take what height the page leaves them,
// keeping their shape.
GamePage {
    id: view
    game: MemoryMatchGame {}
    topMargin: 9
    spacing: 16

    // The cards are never smaller than `smallestCard` points high.
    readonly property real smallestCard: 96

    RowLayout {
        id: header
        Layout.fillWidth: true
        ColumnLayout {
            spacing: 3
            Text {
                text: "帮动物找到朋友"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                text: "一次翻两张，记住它们的位置"
                font: AppTheme.font(AppTheme.Subheadline)
                color: AppTheme.softInk
            }
        }
        Item { Layout.fillWidth: true }
        Item {
            implicitWidth: pairs.implicitWidth + 26
            implicitHeight: pairs.implicitHeight + 18
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.alpha(AppTheme.purple, 0.1)
            }
            Text {
                id: pairs
                objectName: "pairCounter"
                anchors.centerIn: parent
                text: view.game.pairCounter
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.purple
            }
        }
    }

    Item {
        id: board
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 4 * view.smallestCard + 3 * grid.spacing
        // A card keeps width : height = 0.88, as wide as a column allows (the grid
        // at most 590 wide) and as high as the rows allow.
        readonly property real cardHeight: Math.max(0, Math.min((Math.min(590, width) - 2 * grid.spacing) / 3 / 0.88,
                                                                (height - 3 * grid.spacing) / 4))

        Grid {
            id: grid
            anchors.centerIn: parent
            columns: 3
            spacing: 10
            Repeater {
                model: view.game.cards.length
                MemoryCardButton {
                    required property int index
                    readonly property var card: view.game.cards[index] ?? ({})
                    objectName: "card" + index
                    width: board.cardHeight * 0.88
                    height: board.cardHeight
                    emoji: card.emoji ?? ""
                    faceUp: card.faceUp ?? false
                    matched: card.matched ?? false
                    enabled: !view.game.locked && !faceUp && !matched
                    onClicked: view.game.flip(card.id)
                }
            }
        }
    }

    KidCard {
        id: footer
        Layout.fillWidth: true
        padding: 14
        RowLayout {
            anchors.fill: parent
            spacing: 8
            SymbolIcon {
                name: "hand.tap.fill"
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: AppTheme.softInk
            }
            Text {
                objectName: "turnCounter"
                text: view.game.turnCounter
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.softInk
            }
            Item { Layout.fillWidth: true }
            // A plain button: no press bounce of its own.
            MouseArea {
                id: reshuffle
                objectName: "reshuffle"
                implicitWidth: reshuffleLabel.implicitWidth
                implicitHeight: reshuffleLabel.implicitHeight
                Accessible.role: Accessible.Button
                Accessible.name: "重新洗牌"
                onClicked: view.game.reshuffle()
                Row {
                    id: reshuffleLabel
                    spacing: 6
                    opacity: reshuffle.pressed ? 0.5 : 1
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "shuffle"
                        size: AppTheme.font(AppTheme.Headline).pixelSize
                        color: AppTheme.softInk
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "重新洗牌"
                        font: AppTheme.font(AppTheme.Headline)
                        color: AppTheme.softInk
                    }
                }
            }
        }
    }
}

import QtQuick
import Pipwhistle.Ui

// One programme card on the video shelf: the emoji, the title and the tag, white on the
// programme's gradient; the selected card wears a full white border.
BouncyButton {
    id: card

    required property var item
    property bool selected: false

    faceRadius: 24
    Accessible.name: item.title

    Item {
        anchors.fill: parent
        implicitWidth: 208
        implicitHeight: 148
        PaintedBox {
            anchors.fill: parent
            radius: 24
            fillStops: card.item.colors.map(name => AppTheme[name])
            fillDirection: PaintedBox.Diagonal
            strokeCentered: true
            strokeWidth: card.selected ? 4 : 2
            strokeColor: card.selected ? "white" : AppTheme.alpha("white", 0.34)
        }
        Column {
            x: 15
            width: 178
            anchors.verticalCenter: parent.verticalCenter
            spacing: 7
            EmojiText {
                emoji: card.item.emoji
                pixelSize: 34
            }
            Text {
                width: parent.width
                text: card.item.title
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: "white"
                maximumLineCount: 1
                elide: Text.ElideRight
            }
            Text {
                width: parent.width
                text: card.item.tag
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.alpha("white", 0.92)
                maximumLineCount: 1
                elide: Text.ElideRight
            }
        }
    }
}

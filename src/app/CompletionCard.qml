import QtQuick
import Pipwhistle.Ui

// The card over a finished play: a big emoji, the headline, the stars, the score line
// and "下一关". It springs up from nothing each time it is shown.
Item {
    id: card

    property bool shown: true
    property real maxWidth: 440
    property string emoji
    property string headline
    property int stars: 0
    property string scoreLine
    signal nextLevel()

    width: Math.max(0, Math.min(440, maxWidth))
    implicitHeight: column.implicitHeight + 52
    height: implicitHeight
    scale: 0.00001
    opacity: 0
    visible: shown

    function springUp() {
        scale = 0.00001
        opacity = 0
        appear.restart()
    }
    onShownChanged: if (shown) springUp()
    Component.onCompleted: if (shown) springUp()

    ParallelAnimation {
        id: appear
        NumberAnimation { target: card; property: "scale"; to: 1; duration: 450; easing.type: Easing.OutBack; easing.overshoot: 1.1 }
        NumberAnimation { target: card; property: "opacity"; to: 1; duration: 260; easing.type: Easing.OutCubic }
    }

    SoftShadow {
        anchors.fill: parent
        cornerRadius: 36
        blur: 28
        offsetY: 15
        color: AppTheme.alpha(AppTheme.ink, 0.18)
    }
    PaintedBox {
        anchors.fill: parent
        radius: 36
        color: AppTheme.alpha("white", 0.95)
        strokeWidth: 3
        strokeColor: AppTheme.alpha(AppTheme.mango, 0.32)
    }

    Column {
        id: column
        x: 26
        y: 26
        width: card.width - 52
        spacing: 18
        // While the card springs up, its words, emoji and stars are drawn once into a
        // picture that each step of the spring scales, instead of every glyph being drawn
        // afresh at every scale the spring passes through.
        layer.enabled: appear.running
        layer.smooth: true

        EmojiText {
            anchors.horizontalCenter: parent.horizontalCenter
            emoji: card.emoji
            pixelSize: 70
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: card.headline
            font: AppTheme.font(AppTheme.LargeTitle, Font.Bold)
            color: AppTheme.ink
        }
        StarRow {
            anchors.horizontalCenter: parent.horizontalCenter
            count: card.stars
            size: 36
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: card.scoreLine
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.softInk
        }
        BouncyButton {
            width: parent.width
            height: nextLabel.implicitHeight + 34
            faceRadius: 22
            Accessible.name: "下一关"
            onClicked: card.nextLevel()

            Item {
                anchors.fill: parent
                PaintedBox {
                    anchors.fill: parent
                    radius: 22
                    fillStops: [AppTheme.purple, AppTheme.sky]
                    fillDirection: PaintedBox.LeadingToTrailing
                    strokeWidth: 2
                    strokeColor: AppTheme.alpha("white", 0.72)
                }
                Row {
                    id: nextLabel
                    anchors.centerIn: parent
                    spacing: 8
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "arrow.right.circle.fill"
                        size: nextText.font.pixelSize
                        color: "white"
                    }
                    Text {
                        id: nextText
                        anchors.verticalCenter: parent.verticalCenter
                        text: "下一关"
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: "white"
                    }
                }
            }
        }
    }
}

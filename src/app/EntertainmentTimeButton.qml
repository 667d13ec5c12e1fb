import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App

// The time chip of the top bars: the play time left (or no limit); a tap opens the
// parent's setup with a close button.
BouncyButton {
    id: chip

    required property EntertainmentTimeController controller
    // How much of a black veil lies over the chip (0 to 1). The chip is drawn above
    // whatever dims the page beneath it, so it darkens its own colours by as much:
    // it then looks exactly as if the veil covered it too.
    property real shade: 0

    function shaded(color) {
        return Qt.rgba(color.r * (1 - shade), color.g * (1 - shade), color.b * (1 - shade), color.a)
    }

    objectName: "timeChip"
    faceRadius: 18
    Accessible.role: Accessible.Button
    Accessible.name: controller.accessibleTimeLabel
    onClicked: controller.requestCancellableSetup()

    Item {
        implicitWidth: label.implicitWidth + 32
        implicitHeight: label.implicitHeight + 24

        SoftShadow {
            anchors.fill: parent
            cornerRadius: 18
            blur: 7
            offsetY: 4
            color: chip.shaded(AppTheme.alpha(AppTheme.ink, 0.18))
        }
        PaintedBox {
            anchors.fill: parent
            radius: 18
            color: chip.shaded(AppTheme.alpha("white", 0.94))
            strokeWidth: 2.5
            strokeColor: chip.shaded(AppTheme.alpha(AppTheme.mango, 0.86))
        }
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 6

            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: chip.controller.isUnlimited ? "infinity" : "hourglass"
                size: metrics.font.pixelSize
                font.weight: Font.Bold
                color: chip.shaded(AppTheme.ink)
            }
            // Every digit takes the same width, so the chip does not jitter as the
            // seconds change. One text a character, kept while the label's length stays:
            // a new second redraws only the characters that changed.
            Row {
                anchors.verticalCenter: parent.verticalCenter
                Repeater {
                    model: chip.controller.timeLabel.length
                    Text {
                        required property int index
                        readonly property string character: chip.controller.timeLabel.charAt(index)
                        width: character >= "0" && character <= "9" ? metrics.advanceWidth : implicitWidth
                        horizontalAlignment: Text.AlignHCenter
                        text: character
                        font: metrics.font
                        color: chip.shaded(AppTheme.ink)
                    }
                }
            }
        }
        // Every digit the label will show is in the glyph cache from the start: each
        // digit met later (one a second while the first minute counts down) would grow
        // the cache's texture again, copying all of it each time (a few MiB passing
        // through the allocator, left resident after the release that follows a screen).
        // Never drawn: nothing of a text at no opacity is rendered.
        Text {
            opacity: 0
            text: "0123456789"
            font: metrics.font
        }
        TextMetrics {
            id: metrics
            font: AppTheme.font(AppTheme.Headline, Font.Bold)
            text: "0"
        }
    }
}

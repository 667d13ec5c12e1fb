import QtQuick
import Pipwhistle.Ui

// The storybook cover the child sees first: the cover picture fading to paper colour
// at the bottom, the program's name, a one-line invitation and the button that opens
// the book. Every press of the button emits open() (handle it with onOpen).
Item {
    id: view

    signal open()

    StorybookArtImage {
        anchors.fill: parent
        name: Storybook.welcomeCover
    }
    // The fading to paper colour, painted as one column of pixels and stretched across:
    // drawn the way the picture is, it adds no way of drawing of its own to the first
    // frame (which a software OpenGL driver would have to build first).
    PaintedBox {
        width: 1
        height: parent.height
        transform: Scale { xScale: view.width }
        fillStops: [AppTheme.alpha(AppTheme.cream, 0), AppTheme.alpha(AppTheme.cream, 0.22),
            AppTheme.alpha(AppTheme.cream, 0.72)]
        fillDirection: PaintedBox.TopToBottom
    }

    Column {
        id: column
        width: AppTheme.welcomeColumnWidth(view.width)
        x: (view.width - width) / 2
        y: AppTheme.welcomeColumnCenterY(view.height) - height / 2
        spacing: 14

        Text {
            id: title
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "豆铃乐园"
            font: AppTheme.sizedFont(AppTheme.welcomeTitleSize(view.width), Font.Black)
            color: AppTheme.ink
            // A soft white glow just below the letters.
            Text {
                z: -1
                y: 1
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: title.text
                font: title.font
                color: AppTheme.alpha("white", 0.88)
            }
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: "翻开魔法绘本，开始今天的小冒险"
            font: AppTheme.font(AppTheme.Title3, Font.DemiBold)
            color: AppTheme.softInk
        }
        BouncyButton {
            id: enter
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(340, column.width)
            height: 62
            faceRadius: 24
            Accessible.name: "进入豆铃乐园"
            onClicked: view.open()

            Item {
                anchors.fill: parent
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 24
                    blur: 14
                    offsetY: 8
                    color: AppTheme.alpha(AppTheme.purple, 0.34)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 24
                    fillStops: [AppTheme.purple, AppTheme.sky]
                    fillDirection: PaintedBox.LeadingToTrailing
                    strokeWidth: 3
                    strokeCentered: true
                    strokeColor: AppTheme.alpha("white", 0.72)
                }
                Row {
                    anchors.centerIn: parent
                    spacing: 8
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "sparkles"
                        size: 20
                        color: "white"
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "进入豆铃乐园"
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: "white"
                    }
                }
            }
        }
    }
}

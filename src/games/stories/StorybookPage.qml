import QtQuick
import Pipwhistle.Ui

// A story page of a book: the page text and the page badge over the page picture.
StorybookCard {
    id: page
    property string text
    property string badge
    property string label
    property int textSize: 29

    backFill: AppTheme.cream
    rimOpacity: 0.88
    shadowOpacity: 0.32
    shade: ["transparent", "transparent", Qt.rgba(0, 0, 0, 0.76)]
    sidePadding: 12
    textBottomPadding: 24
    Accessible.role: Accessible.StaticText
    Accessible.name: label

    Item {
        width: parent.width
        height: Math.max(storyText.height, badgeBox.height)
        Text {
            x: 0; y: 2 + (parent.height - height)
            width: storyText.width
            text: page.text
            font: storyText.font
            lineHeight: storyText.lineHeight
            lineHeightMode: Text.FixedHeight
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            color: Qt.rgba(0, 0, 0, 0.68)
        }
        Text {
            id: storyText
            objectName: "storyText"
            anchors.bottom: parent.bottom
            width: parent.width - badgeBox.width - 14 - 8
            text: page.text
            // A text longer than three lines is drawn smaller, down to 0.72 of its size,
            // before its end is cut.
            font: AppTheme.sizedFont(AppTheme.fittedPixelSizeInLines(page.text, page.textSize, Font.Black, width, 3, 0.72),
                                     Font.Black)
            lineHeight: font.pixelSize * 1.2 + 5
            lineHeightMode: Text.FixedHeight
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            color: "white"
        }
        Rectangle {
            id: badgeBox
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: badgeText.implicitWidth + 24
            height: badgeText.implicitHeight + 14
            radius: height / 2
            color: Qt.rgba(0, 0, 0, 0.44)
            Text {
                id: badgeText
                anchors.centerIn: parent
                text: page.badge
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: "white"
            }
        }
    }
}

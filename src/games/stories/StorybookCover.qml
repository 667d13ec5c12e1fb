import QtQuick
import Pipwhistle.Ui

// The cover of a book: the ornament, the title and the swipe hint over the cover
// picture.
StorybookCard {
    id: cover
    property string title
    property bool english
    property int titleSize: 39
    property string hint
    property string label

    backFill: AppTheme.alpha(AppTheme.mango, 0.62)
    rimOpacity: 0.86
    shadowOpacity: 0.34
    shade: ["transparent", Qt.rgba(0, 0, 0, 0.16), Qt.rgba(0, 0, 0, 0.82)]
    sidePadding: 13
    textBottomPadding: 27
    Accessible.role: Accessible.StaticText
    Accessible.name: label

    Column {
        width: parent.width
        spacing: 10
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "✦  ✦  ✦"
            color: AppTheme.mango
            font: AppTheme.font(AppTheme.Body)
        }
        ShadowedTitle {
            width: parent.width
            text: cover.title
            pixelSize: cover.titleSize
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "hand.draw.fill"
                size: AppTheme.font(AppTheme.Headline).pixelSize
                color: AppTheme.alpha("white", 0.92)
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: cover.hint
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.alpha("white", 0.92)
            }
        }
    }

    component ShadowedTitle: Item {
        id: titleItem
        property string text
        property real pixelSize
        implicitHeight: titleText.implicitHeight
        Text {
            x: 0; y: 3
            width: parent.width
            text: titleItem.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font: AppTheme.sizedFont(titleItem.pixelSize, Font.Black)
            color: Qt.rgba(0, 0, 0, 0.45)
        }
        Text {
            id: titleText
            width: parent.width
            text: titleItem.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font: AppTheme.sizedFont(titleItem.pixelSize, Font.Black)
            color: "white"
        }
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui

// The header row of a round game: the title (with the game's subtitle under it, when it
// has one) on the left, the round counter on the right.
RowLayout {
    id: header

    property string title
    property string subtitle
    property string counter
    property color counterColor: AppTheme.softInk

    ColumnLayout {
        spacing: 2
        Text {
            text: header.title
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Text {
            visible: header.subtitle.length > 0
            text: header.subtitle
            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
            color: AppTheme.softInk
        }
    }
    Item { Layout.fillWidth: true }
    Text {
        Layout.alignment: Qt.AlignVCenter
        text: header.counter
        font: AppTheme.font(AppTheme.Headline)
        color: header.counterColor
    }
}

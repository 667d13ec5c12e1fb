import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui

// The header row of a round game with a subtitle: the title over the subtitle on the
// left, the round counter on the right.
RowLayout {
    property string title
    property string subtitle
    property string counter

    Column {
        spacing: 2
        Text {
            text: parent.parent.title
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Text {
            text: parent.parent.subtitle
            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
            color: AppTheme.softInk
        }
    }
    Item { Layout.fillWidth: true }
    Text {
        Layout.alignment: Qt.AlignVCenter
        text: parent.counter
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.purple
    }
}

import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui

// The header row of a math game: the title with a line under it on the left, the
// round counter on the right.
RowLayout {
    id: header

    property string title
    property string subtitle
    property string counter

    ColumnLayout {
        spacing: 2
        Text {
            text: header.title
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Text {
            text: header.subtitle
            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
            color: AppTheme.softInk
        }
    }
    Item { Layout.fillWidth: true }
    Text {
        text: header.counter
        font: AppTheme.font(AppTheme.Headline)
        color: AppTheme.purple
    }
}

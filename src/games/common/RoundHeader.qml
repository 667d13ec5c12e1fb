import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui

// The header row of a round game: the title on the left, the round counter on the right.
RowLayout {
    property string title
    property string counter
    property color counterColor: AppTheme.softInk

    Text {
        text: parent.title
        font: AppTheme.font(AppTheme.Title2, Font.Bold)
        color: AppTheme.ink
    }
    Item { Layout.fillWidth: true }
    Text {
        text: parent.counter
        font: AppTheme.font(AppTheme.Headline)
        color: parent.counterColor
    }
}

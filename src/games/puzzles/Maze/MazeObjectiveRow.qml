import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui

// One task of the maze's task list: its icon, its name and how far it has come, on a
// mint tint once done, else a sky tint.
Item {
    id: row

    property string icon
    property string title
    property string value
    property bool done: false

    implicitHeight: content.implicitHeight + 8
    implicitWidth: content.implicitWidth + 18

    PaintedBox {
        anchors.fill: parent
        radius: 13
        color: AppTheme.alpha(row.done ? AppTheme.mint : AppTheme.sky, 0.12)
    }
    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 9
        anchors.rightMargin: 9
        spacing: 7
        EmojiText {
            emoji: row.icon
            pixelSize: AppTheme.font(AppTheme.Title3).pixelSize
        }
        Text {
            text: row.title
            font: AppTheme.font(AppTheme.Caption, Font.Bold)
            color: AppTheme.ink
        }
        Item { Layout.fillWidth: true; Layout.minimumWidth: 2 }
        Text {
            text: (row.done ? "✓ " : "") + row.value
            font: AppTheme.font(AppTheme.Caption2, Font.Bold)
            color: row.done ? AppTheme.mint : AppTheme.softInk
        }
    }
}

import QtQuick
import Pipwhistle.Ui

// What a game page shows for a game that is not built yet: a quiet, centred notice.
Item {
    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width, 420)
        spacing: 10

        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            name: "hammer.fill"
            size: 44
            color: AppTheme.softInk
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "正在建造"
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: "这个游戏很快就会加入乐园。"
            font: AppTheme.font(AppTheme.Callout)
            color: AppTheme.softInk
        }
    }
}

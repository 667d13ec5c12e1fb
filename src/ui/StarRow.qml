import QtQuick
import Pipwhistle.Ui

// Three stars, the first `count` filled in mango, the rest faint outlines.
Row {
    id: row

    property int count: 0
    property real size: 24

    spacing: 5
    Accessible.role: Accessible.StaticText
    Accessible.name: qsTr("获得 %1 颗星").arg(count)

    Repeater {
        model: 3
        SymbolIcon {
            required property int index
            readonly property bool filled: index < row.count
            anchors.verticalCenter: parent.verticalCenter
            name: filled ? "star.fill" : "star"
            size: row.size
            color: filled ? AppTheme.mango : AppTheme.alpha(AppTheme.softInk, 0.25)
        }
    }
}

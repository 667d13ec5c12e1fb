import QtQuick
import QtQuick.Window
import Pipwhistle.Ui
import Pipwhistle.App

// The program's one window, always in the light appearance.
Window {
    id: window

    width: 1180
    height: 820
    minimumWidth: 480
    minimumHeight: 360
    title: "豆铃乐园"
    color: AppTheme.cream

    RootView {
        anchors.fill: parent
    }
}

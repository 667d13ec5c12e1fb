import QtQuick
import Pipwhistle.App

// Play time is up: the lock over everything.
Item {
    RootView {
        id: root
        anchors.fill: parent
    }
    EntertainmentTimeLockOverlay {
        anchors.fill: parent
        controller: root.shell.timeController
    }
}

import QtQuick
import Pipwhistle.App

// The parent reopens the setup from the time chip: it has a close button.
RootView {
    id: root
    Component.onCompleted: {
        root.shell.openStorybook()
        root.shell.timeController.requestCancellableSetup()
    }
}

import QtQuick
import Pipwhistle.App

// The playground after the parent chose 30 minutes.
RootView {
    id: root
    TimeSetupForm {
        id: form
        controller: root.shell.timeController
    }
    Component.onCompleted: {
        root.shell.openStorybook()
        form.editPin("1234")
        form.confirm()
    }
}

import QtQuick
import Pipwhistle.App

// The book just opened: the parent's setup over the playground.
RootView {
    id: root
    Component.onCompleted: root.shell.openStorybook()
}

import QtQuick
import Pipwhistle.App

// The program as it starts: the storybook cover.
RootView {}

import QtQuick
import Pipwhistle.Ui

// The storybook cover.
FairytaleWelcomeView {}

import QtQuick
import Pipwhistle.Ui

// The backdrop of the playground and its shelves: the storybook world under a light
// veil that warms towards the bottom. Fill the window with it.
Item {
    StorybookArtImage {
        anchors.fill: parent
        name: "storybook_playground_world"
        // Drawn at its own size, moved only as the page slides: copied, not filtered.
        smooth: false
    }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: AppTheme.alpha("white", 0) }
            GradientStop { position: 0.5; color: AppTheme.alpha("white", 0.05) }
            GradientStop { position: 1.0; color: AppTheme.alpha(AppTheme.cream, 0.16) }
        }
    }
}

import QtQuick
import Pipwhistle.Ui

// The backdrop of every game page: the storybook stage. Fill the page with it.
StorybookArtImage {
    name: "storybook_game_stage"
    // Drawn at its own size, moved only as the page slides: copied, not filtered.
    smooth: false
}

import QtQuick
import Pipwhistle.Games.Common
import PipwhistleTest

// A stand-in game for the shell's tests: two buttons that end the play with a
// fixed result.
GameView {
    id: view
    game: ReportingGame {}

    Rectangle {
        anchors.fill: parent
        color: "#eef6ff"
        radius: 24
    }
    Column {
        anchors.centerIn: parent
        spacing: 20
        Rectangle {
            width: 220; height: 64; radius: 16; color: "#8a6ee6"
            Text { anchors.centerIn: parent; text: "交卷 87"; color: "white"; font.pixelSize: 24 }
            MouseArea { anchors.fill: parent; onClicked: view.game.report(87, 2) }
        }
        Rectangle {
            width: 220; height: 64; radius: 16; color: "#57b8f0"
            Text { anchors.centerIn: parent; text: "满分交卷"; color: "white"; font.pixelSize: 24 }
            MouseArea { anchors.fill: parent; onClicked: view.game.report(100, 3) }
        }
    }
}

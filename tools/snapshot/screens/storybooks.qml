import QtQuick
import Pipwhistle.App

// Both picture books at their cover, their first page and their last page, Chinese
// above, English below, each in a 1180 × 820 game page:
//   pw_snapshot --screen storybooks --size 3540x1640 --settle 1500
Grid {
    columns: 3
    Repeater {
        model: [["story-chain", 0], ["story-chain", 1], ["story-chain", 10],
                ["picture-book", 0], ["picture-book", 1], ["picture-book", 10]]
        Item {
            id: cell
            required property var modelData
            width: 1180
            height: 820
            clip: true
            RootState { id: state }
            GameHostView {
                id: host
                anchors.fill: parent
                gameId: cell.modelData[0]
                timeController: state.timeController
            }
            Timer {
                interval: 100
                running: true
                repeat: true
                onTriggered: {
                    if (host.gameView && host.gameView.game) {
                        for (let k = 1; k <= cell.modelData[1]; ++k)
                            host.gameView.game.turn(k)
                        stop()
                    }
                }
            }
        }
    }
}

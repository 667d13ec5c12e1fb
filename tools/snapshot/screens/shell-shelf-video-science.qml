import QtQuick
import Pipwhistle.App

// The video-science shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "video-science"
        timeController: state.timeController
    }
}

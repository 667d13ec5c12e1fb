import QtQuick
import Pipwhistle.App

// The coordination-memory shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "coordination-memory"
        timeController: state.timeController
    }
}

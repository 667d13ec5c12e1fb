import QtQuick
import Pipwhistle.App

// The dress-up shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "dress-up"
        timeController: state.timeController
    }
}

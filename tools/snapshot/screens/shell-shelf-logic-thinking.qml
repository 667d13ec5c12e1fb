import QtQuick
import Pipwhistle.App

// The logic-thinking shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "logic-thinking"
        timeController: state.timeController
    }
}

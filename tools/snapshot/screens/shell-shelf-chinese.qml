import QtQuick
import Pipwhistle.App

// The chinese shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "chinese"
        timeController: state.timeController
    }
}

import QtQuick
import Pipwhistle.App

// The english shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "english"
        timeController: state.timeController
    }
}

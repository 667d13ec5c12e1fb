import QtQuick
import Pipwhistle.App

// The math shelf.
Item {
    RootState { id: state }
    CategoryShelfView {
        anchors.fill: parent
        category: "math"
        timeController: state.timeController
    }
}

import QtQuick
import Pipwhistle.Ui

// A see-through dark card over a picture: black at `shade` inside a white outline.
PaintedBox {
    property real shade: 0.3
    property real outlineOpacity: 0.72
    radius: 28
    color: Qt.rgba(0, 0, 0, shade)
    strokeWidth: 3
    strokeColor: AppTheme.alpha("white", outlineOpacity)
}

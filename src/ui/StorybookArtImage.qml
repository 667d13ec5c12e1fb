import QtQuick
import Pipwhistle.Ui

// A named picture that never fails: the picture, scaled to fill its frame (cropping the
// overflow), or, when the picture is missing, a soft sky-mint-cream wash. `radius`
// rounds the wash's corners; a picture is clipped to the frame.
Item {
    id: art

    property string name
    property int fillMode: Image.PreserveAspectCrop
    property real radius: 0
    readonly property bool found: Storybook.hasImage(name)

    Image {
        id: picture
        anchors.fill: parent
        visible: art.found && status === Image.Ready
        source: art.found ? Storybook.source(art.name) : ""
        fillMode: art.fillMode
        clip: true
        smooth: true
        mipmap: true
        asynchronous: true
    }
    PaintedBox {
        anchors.fill: parent
        visible: !picture.visible
        radius: art.radius
        fillStops: AppTheme.artworkFallback
        fillDirection: PaintedBox.Diagonal
    }
}

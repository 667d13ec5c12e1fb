import QtQuick

// Where an overlay appears: built afresh each time it is shown (so it starts from its
// own initial state), fading in (and growing from `hiddenScale`), and fading out before
// it goes. It takes all input from the moment it is shown. The overlay is the file at
// `source`, made with `initialProperties`: its file is loaded when it is first shown,
// not with the view that holds the slot.
Item {
    id: slot

    property bool shown: false
    property real hiddenScale: 1
    property url source
    property var initialProperties: ({})
    readonly property Item item: loader.item
    // Shown, in place and still: neither arriving nor leaving.
    readonly property bool settled: shown && loader.status === Loader.Ready && !arrive.running && !leave.running

    function appear() {
        leave.stop();
        loader.enabled = true;
        loader.active = false;
        loader.opacity = 0;
        loader.scale = slot.hiddenScale;
        loader.setSource(slot.source, slot.initialProperties);
        loader.active = true;
        arrive.restart();
    }

    onShownChanged: {
        if (shown)
            appear();
        else if (loader.active) {
            // Gone for input at once; the picture fades after.
            loader.enabled = false;
            leave.restart();
        }
    }
    Component.onCompleted: if (shown) appear()

    Loader {
        id: loader
        anchors.fill: parent
        active: false
    }

    ParallelAnimation {
        id: arrive
        NumberAnimation { target: loader; property: "opacity"; to: 1; duration: 260; easing.type: Easing.OutCubic }
        NumberAnimation { target: loader; property: "scale"; to: 1; duration: 300; easing.type: Easing.OutBack; easing.overshoot: 0.6 }
    }
    SequentialAnimation {
        id: leave
        ParallelAnimation {
            NumberAnimation { target: loader; property: "opacity"; to: 0; duration: 200; easing.type: Easing.InCubic }
            NumberAnimation { target: loader; property: "scale"; to: slot.hiddenScale; duration: 200; easing.type: Easing.InCubic }
        }
        ScriptAction { script: loader.active = false }
    }
}

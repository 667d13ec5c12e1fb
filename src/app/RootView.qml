import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App

// The root of the window: the storybook cover until the child opens the book, then
// the playground; the parent's setup overlay above the playground and the lock overlay
// above everything. Whatever an overlay covers takes no input, and nothing plays under
// the lock.
Item {
    id: root

    readonly property RootState shell: rootState
    // While the setup waits over the playground in place, the page beneath draws the
    // setup's dimming into its own still picture, under its ticking time chip.
    readonly property bool setupDimmedBeneath: setupSlot.settled && playground.status === Loader.Ready
                                               && playground.arrival === 1 && playground.opacity === 1

    RootState {
        id: rootState
    }
    // The setup's dimming and resting card, for the playground's page on top to draw.
    PageVeil.Veil {
        id: setupVeil
        color: root.setupDimmedBeneath ? setupSlot.item.dimming : "transparent"
        card: root.setupDimmedBeneath ? setupSlot.item.restingCard : null
        cardRect: root.setupDimmedBeneath ? setupSlot.item.cardRect : Qt.rect(0, 0, 0, 0)
    }

    // The pages, and what a page fills the whole window with (a player in full-window
    // mode): all of it beneath the overlays, and taking no input while one covers it.
    FullWindowLayer {
        id: content
        anchors.fill: parent
        enabled: !rootState.setupVisible && !rootState.lockVisible
        // The lock, and the setup it leads to, stop what plays beneath them, as the game
        // host does; a setup opened from the time chip leaves it playing.
        covered: rootState.timeController.coversPlay

        // The cover fades and shrinks a little as the book opens, then goes. It fades
        // as one picture beneath a veil of the window's colour, which it lies on, drawn
        // as the cover is drawn while it waits. With OpenGL a picture drawn fading is a
        // way of drawing of its own, which a software driver such as llvmpipe compiles
        // on the render thread as the fade starts (some 10-40 ms each, a frame the
        // child sees stutter).
        Loader {
            id: cover
            anchors.fill: parent
            // 0 shown, 1 faded out.
            property real fade: rootState.hasOpenedStorybook ? 1 : 0
            active: !rootState.hasOpenedStorybook || fade < 1
            scale: rootState.hasOpenedStorybook ? 0.98 : 1
            Behavior on fade { NumberAnimation { duration: 540; easing.type: Easing.OutCubic } }
            Behavior on scale { NumberAnimation { duration: 540; easing.type: Easing.OutCubic } }
            sourceComponent: FairytaleWelcomeView {
                onOpen: rootState.openStorybook()
            }
        }
        Rectangle {
            anchors.fill: parent
            visible: cover.active && cover.fade > 0
            color: root.Window.window ? root.Window.window.color : "transparent"
            opacity: cover.fade
        }

        // The playground comes in from the trailing edge.
        Loader {
            id: playground
            width: parent.width
            height: parent.height
            active: rootState.hasOpenedStorybook
            // 0 off the trailing edge, 1 in place (whatever the window's width).
            property real arrival: 0
            opacity: 0
            x: (1 - arrival) * width
            onLoaded: enter.start()
            // Made when the book opens; its file is loaded ahead (see loadedAhead).
            Component.onCompleted: setSource("PlaygroundView.qml", { timeController: rootState.timeController,
                                                                     veil: setupVeil })
            ParallelAnimation {
                id: enter
                NumberAnimation { target: playground; property: "arrival"; to: 1; duration: 540; easing.type: Easing.OutBack; easing.overshoot: 0.5 }
                NumberAnimation { target: playground; property: "opacity"; to: 1; duration: 400; easing.type: Easing.OutCubic }
            }
        }
    }

    OverlaySlot {
        id: setupSlot
        anchors.fill: parent
        z: 10
        shown: rootState.setupVisible
        hiddenScale: 0.96
        enabled: !rootState.lockVisible
        source: "EntertainmentTimeSetupOverlay.qml"
        initialProperties: ({ controller: rootState.timeController })
        Binding {
            target: setupSlot.item
            when: setupSlot.item !== null
            property: "dimmedBeneath"
            value: root.setupDimmedBeneath
        }
    }

    OverlaySlot {
        anchors.fill: parent
        z: 20
        shown: rootState.lockVisible
        source: "EntertainmentTimeLockOverlay.qml"
        initialProperties: ({ controller: rootState.timeController })
    }

    // The files of the playground and the overlays are not needed for the cover: they
    // are loaded once its first frame is up, one an event turn, and kept, so that opening
    // the book finds them ready.
    property bool loadingAhead: false
    Connections {
        target: root.Window.window
        enabled: !root.loadingAhead
        function onFrameSwapped() {
            root.loadingAhead = true
            TypesAhead.load(root, ["PlaygroundView.qml", "EntertainmentTimeSetupOverlay.qml",
                                   "EntertainmentTimeLockOverlay.qml"].map(file => Qt.resolvedUrl(file)))
        }
    }
}

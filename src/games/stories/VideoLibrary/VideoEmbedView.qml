import QtQuick
import QtWebEngine
import Pipwhistle.Ui
import Pipwhistle.Games.Stories

// The player of the video room: a web view that shows the pages its coordinator hands
// it and asks the coordinator about every navigation. New windows are never opened, the
// context menu never shows, and a page that asks for full screen gets the window's
// full-window layer until it leaves full screen again (or Escape is pressed), or until
// something covers the window. Once the programme's service is found out of reach the
// web view hides and the room's own frame shows through.
Item {
    id: root

    required property VideoEmbedCoordinator coordinator
    readonly property WebEngineView webView: web
    readonly property FullWindowLayer fullWindowLayer: FullWindowLayer.layer

    Binding {
        target: root.coordinator
        property: "covered"
        value: root.fullWindowLayer !== null && root.fullWindowLayer.covered
    }

    WebEngineView {
        id: web
        objectName: "videoWebView"
        x: 0
        y: 0
        width: root.width
        height: root.height
        visible: !root.coordinator.offline
        backgroundColor: "transparent"
        // Silent from the moment the window is covered: the page without a programme
        // takes a moment to replace the player, which plays on meanwhile.
        audioMuted: root.coordinator.covered
        profile: WebEngineProfile {
            offTheRecord: true
        }
        settings.playbackRequiresUserGesture: false
        settings.fullScreenSupportEnabled: true
        settings.showScrollBars: false

        onNavigationRequested: function(request) {
            if (!root.coordinator.allowsNavigation(request.url, request.isMainFrame))
                request.reject()
        }
        // Refused: without a view to open it in, the new window never comes.
        onNewWindowRequested: function(request) {}
        onContextMenuRequested: function(request) { request.accepted = true }
        // What the pages write to their console is theirs, not the program's.
        onJavaScriptConsoleMessage: function(level, message, lineNumber, sourceID) {}
        onFullScreenRequested: function(request) {
            root.coordinator.fullScreenRequested(request.toggleOn)
            if (request.toggleOn && !root.coordinator.fullWindow)
                request.reject()
            else
                request.accept()
        }
        onLoadingChanged: {
            if (web.loading)
                return
            const probe = root.coordinator.pageLoaded()
            if (probe !== "")
                web.runJavaScript(probe)
        }
        onTitleChanged: root.coordinator.pageTitled(web.title)
        Keys.onEscapePressed: function(event) {
            event.accepted = root.coordinator.fullWindow
            root.coordinator.fullScreenRequested(false)
        }
    }

    Connections {
        target: root.coordinator
        function onPageDue(html, baseUrl) { web.loadHtml(html, baseUrl) }
        // The player leaves full window (also when the window is covered): the page
        // leaves full screen too.
        function onFullWindowChanged() {
            if (!root.coordinator.fullWindow && web.isFullScreen)
                web.fullScreenCancelled()
        }
    }

    states: State {
        name: "fullWindow"
        when: root.coordinator.fullWindow && root.fullWindowLayer !== null
        ParentChange {
            target: web
            parent: root.fullWindowLayer
            x: 0
            y: 0
            width: root.fullWindowLayer ? root.fullWindowLayer.width : 0
            height: root.fullWindowLayer ? root.fullWindowLayer.height : 0
        }
    }

    Component.onCompleted: coordinator.attach()
}

import QtQuick
import QtQuick.Window
import QtWebEngine
import Pipwhistle.Games.Stories

// The player of the video room: a web view that shows the pages its coordinator hands
// it and asks the coordinator about every navigation. New windows are never opened, the
// context menu never shows, and a page that asks for full screen gets the whole window
// until it leaves full screen again (or Escape is pressed).
Item {
    id: root

    required property VideoEmbedCoordinator coordinator
    readonly property WebEngineView webView: web

    WebEngineView {
        id: web
        objectName: "videoWebView"
        x: 0
        y: 0
        width: root.width
        height: root.height
        backgroundColor: "transparent"
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
            request.accept()
            root.coordinator.fullScreenRequested(request.toggleOn)
        }
        Keys.onEscapePressed: function(event) {
            if (!root.coordinator.fullWindow) {
                event.accepted = false
                return
            }
            web.fullScreenCancelled()
            root.coordinator.fullScreenRequested(false)
        }
    }

    Connections {
        target: root.coordinator
        function onLoadPage(html, baseUrl) { web.loadHtml(html, baseUrl) }
    }

    states: State {
        name: "fullWindow"
        when: root.coordinator.fullWindow && root.Window.window !== null
        ParentChange {
            target: web
            parent: root.Window.contentItem
            x: 0
            y: 0
            width: root.Window.width
            height: root.Window.height
        }
        PropertyChanges { target: web; z: 1000 }
    }

    Component.onCompleted: coordinator.attach()
}

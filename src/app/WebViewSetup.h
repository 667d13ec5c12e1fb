#pragma once

// The web view of the video room runs on Qt WebEngine, which must be set up before the
// application object is made. Nothing of the web engine starts here: its processes and
// its QML module come only when the room opens.
namespace WebViewSetup {
// Call first thing in main(). The engine's sandbox cannot run as root: it is turned off
// when (and only when) the program runs as root.
void prepare();
} // namespace WebViewSetup

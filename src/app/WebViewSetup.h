#pragma once

// The web view of the video room runs on Qt WebEngine, which needs two things settled
// before the application object is made: the windows share one OpenGL context with it,
// and Qt Quick draws through OpenGL. That is all QtWebEngineQuick::initialize() does;
// calling it would load the web engine's library (some 150 MB) at start-up and add
// about 21 MB of resident memory and tens of milliseconds before the cover's first
// frame, so the same two settings are made here and the engine itself, its library and
// its processes come only when the room opens (its QML module loads them).
namespace WebViewSetup {
// Call first thing in main(). The engine's sandbox cannot run as root: it is turned off
// when (and only when) the program runs as root.
void prepare();
} // namespace WebViewSetup

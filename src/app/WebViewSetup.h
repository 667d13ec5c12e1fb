#pragma once

// The web view of the video room runs on Qt WebEngine, which needs two things settled
// before the application object is made: the windows share one OpenGL context with it,
// and Qt Quick draws through OpenGL. That is all QtWebEngineQuick::initialize() does;
// calling it would load the web engine's library (some 150 MB) at start-up and add
// about 21 MB of resident memory and tens of milliseconds before the cover's first
// frame, so the same two settings are made here and the engine itself, its library and
// its processes come only when the room opens (its QML module loads them).
namespace WebViewSetup {
// When the shared context is made with OpenGL: by the application object as it is made,
// or ahead, on a worker, while the first scene is made (see makeSharedContextAhead()).
enum class SharedContext { WithTheApplication, Ahead };

// Call first thing in main(). The engine's sandbox cannot run as root: it is turned off
// when (and only when) the program runs as root. Also keeps the engine's own start-up
// notes off the terminal, and, without the sandbox, lets its helper processes end with
// the last page they show.
void prepare(SharedContext made = SharedContext::WithTheApplication);
// With OpenGL and SharedContext::Ahead: call right after the application object is made.
// The first OpenGL context loads the driver (Mesa's llvmpipe and LLVM, some 50-80 ms),
// which the application object or the first window would otherwise wait for; made on a
// worker, it loads while the fonts, the engine and the first scene's QML are prepared.
// Does nothing otherwise.
void makeSharedContextAhead();
// Call before the first window is made (a Qt Quick window sets up the platform's OpenGL
// support as it is made, which the worker must not be doing meanwhile): waits for the
// context made ahead and makes it the one every later context shares with. Does nothing
// when none is being made.
void takeSharedContext();
// Call before a web view is created (before its QML module is loaded). When Qt Quick
// draws with its software renderer no window uses OpenGL and neither does the engine:
// it is told here that contexts are shared, and none is made (made at start-up, the
// OpenGL driver it loads, Mesa's llvmpipe, some 50 MB resident, would sit unused for the
// whole run). With OpenGL the application made the context at start, and this does
// nothing.
void prepareSharedContext();

// Call as a page that holds a web view opens (before its view is made; this prepares
// the shared context and loads the engine's library on a worker) and as it goes. The engine cannot be shut down within a run: once
// no such page has been open for engineRestMs, the pages of the engine's code that ran
// are handed back to the system (read again from the library if the room opens again)
// and the allocator returns what the engine freed.
void webViewPageOpened();
void webViewPageClosed();
inline constexpr int engineRestMs = 3000;
} // namespace WebViewSetup

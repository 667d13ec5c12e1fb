#pragma once

class QQmlEngine;

// What every engine that shows the program's views needs (the app, the tests and the
// snapshot tool call these once).
namespace Ui {

// How the program's windows are drawn; call before the QGuiApplication exists. The
// scene graph draws without a depth buffer, in the windows and in the pictures it keeps
// of items (layers): the views are flat, so it changes nothing on the screen but spares
// every frame the depth tests and clears, which a software OpenGL driver (llvmpipe) pays
// for pixel by pixel. The windows have no stencil buffer either: llvmpipe draws a
// window with neither buffer through its quicker path for flat, unrotated rectangles
// (a still picture copied over the whole window costs about half as much). Keep
// clipped items unrotated: with no depth-stencil buffer, neither a window nor a layer
// can clip to a rotated rectangle.
void prepareGraphics();

// Installs the text, emoji and symbol fonts; call after the QGuiApplication exists.
void installFonts();
// Adds the QML import path of the program's modules and the "storybook" image provider.
void prepareEngine(QQmlEngine &engine);

} // namespace Ui

#pragma once

class QQmlEngine;

// What every engine that shows the program's views needs (the app, the tests and the
// snapshot tool call these once).
namespace Ui {

// Installs the text, emoji and symbol fonts; call after the QGuiApplication exists.
void installFonts();
// Adds the QML import path of the program's modules and the "storybook" image provider.
void prepareEngine(QQmlEngine &engine);

} // namespace Ui

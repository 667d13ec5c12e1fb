#pragma once

#include "ShellWindowTest.h"
#include "WebViewSetup.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

namespace WebViewTest {
// What reached the terminal while the test's first web view was made (the engine's start).
inline QStringList &startNotes()
{
    static QStringList notes;
    return notes;
}
inline bool &listening()
{
    static bool on = false;
    return on;
}
// Listens beneath the program's own message handling, as the terminal would.
inline void listen()
{
    static QtMessageHandler terminal = nullptr;
    listening() = true;
    terminal = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
        if (listening())
            startNotes().append(message);
        terminal(type, where, message);
    });
}
} // namespace WebViewTest

// main() of a test that shows the video room's web view. The web engine is prepared as
// the program prepares it (its sandbox off when the test runs as root), and it is told
// that no host name resolves, so the players' pages fail at once and nothing reaches
// for the network. Qt's web engine notes three of its own types when its module is
// first loaded, and the machine's graphics when it first starts (offscreen there are
// none to share with it): one web view is made here, before any test collects warnings,
// and what reaches the terminal meanwhile is kept in WebViewTest::startNotes().
#define PW_WEB_VIEW_TEST_MAIN(TestObject)                                                         \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        WebViewTest::listen();                                                                    \
        WebViewSetup::prepare();                                                                  \
        OfflineCommandLine commandLine(argc, argv);                                               \
        QGuiApplication application(commandLine.count, commandLine.arguments.data());             \
        WebViewSetup::prepareSharedContext();                                                     \
        {                                                                                         \
            QQmlEngine engine;                                                                    \
            QQmlComponent module(&engine);                                                        \
            module.setData("import QtWebEngine\nWebEngineView {}", QUrl());                       \
            delete module.create();                                                               \
        }                                                                                         \
        WebViewTest::listening() = false;                                                         \
        TestObject test;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return QTest::qExec(&test, argc, argv);                                                   \
    }

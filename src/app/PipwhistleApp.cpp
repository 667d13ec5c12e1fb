#include "PipwhistleApp.h"

#include "ProgressStore.h"
#include "SettingsStore.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>

namespace {
PipwhistleApp *g_current = nullptr;
}

PipwhistleApp::PipwhistleApp(QObject *parent)
    : QObject(parent)
{
    if (!g_current)
        g_current = this;
}

PipwhistleApp::~PipwhistleApp()
{
    delete m_window;
    m_window = nullptr;
    m_engine.reset();
    if (g_current == this)
        g_current = nullptr;
}

PipwhistleApp &PipwhistleApp::current()
{
    if (!g_current) {
        // A tool that shows a page without starting the application still gets one.
        static PipwhistleApp *standing = new PipwhistleApp;
        g_current = standing;
    }
    return *g_current;
}

ProgressStore &PipwhistleApp::progress()
{
    if (!m_progress)
        m_progress = std::make_unique<ProgressStore>(SettingsStore::standard());
    return *m_progress;
}

QQmlEngine &PipwhistleApp::engine()
{
    if (!m_engine)
        m_engine = std::make_unique<QQmlEngine>();
    return *m_engine;
}

bool PipwhistleApp::start()
{
    QQmlComponent component(&engine(), QUrl(QStringLiteral("qrc:/qt/qml/Pipwhistle/App/PipwhistleWindow.qml")));
    QObject *root = component.create();
    m_window = qobject_cast<QQuickWindow *>(root);
    if (!m_window) {
        // Only a broken build gets here; say why before giving up.
        qCritical("%s", qPrintable(component.errorString()));
        delete root;
        return false;
    }
    m_window->show();
    return true;
}

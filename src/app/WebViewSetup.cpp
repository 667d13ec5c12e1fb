#include "WebViewSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>

#include <thread>

#include <unistd.h>

// QtGui's own hook for the context every OpenGL context of the application shares with
// (the one QGuiApplication makes when asked to at start).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace WebViewSetup {

namespace {

bool softwareRenderer()
{
    const QByteArray backend = qgetenv("QT_QUICK_BACKEND");
    return backend == "software" || backend == "softwarecontext";
}

// The shared context being made ahead, and the context once made.
std::thread g_ahead;
QOpenGLContext *g_made = nullptr;

// Makes `context` the one every OpenGL context made from now on shares with, for as
// long as the application lives.
void install(QOpenGLContext *context)
{
    context->setParent(QCoreApplication::instance());
    QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
    qt_gl_set_global_share_context(context);
    // Qt warns that the attribute comes after the application object: it is what the web
    // engine looks for when it starts, later still, and nothing earlier needed it. Only
    // that warning is dropped; any other thread's messages meanwhile pass on.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
        if (previous && !message.contains(QLatin1String("AA_ShareOpenGLContexts")))
            previous(type, where, message);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
}

// Qt's web engine module, as it registers its QML types, notes three of them that are not
// meant to be made in QML (its loading information, certificate error and full-screen
// request), and the engine notes that its sandbox is off when the program runs as root.
// They are notes about Qt's own module and about a choice made above: dropped, and every
// other message passes on.
void dropEngineNotes()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
        if (message.startsWith(QLatin1String("QWebEngine")) && message.contains(QLatin1String(" is neither a QObject")))
            return;
        if (message == QLatin1String("Sandboxing disabled by user."))
            return;
        if (previous)
            previous(type, where, message);
    });
}

// Flags for the engine's core, after any the environment already gives it.
void addEngineFlags(const QByteArray &flags)
{
    QByteArray all = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", all.isEmpty() ? flags : all + ' ' + flags);
}

} // namespace

void prepare(SharedContext made)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // The engine's core logs only what ends it, and the engine keeps its start-up report
    // (graphics, switches) to itself.
    addEngineFlags("--log-level=3");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    dropEngineNotes();
    // The engine's helper processes end with the video room. Its sound runs in the
    // program, not in a helper of its own that would stay once the first video played.
    // Without the sandbox nothing needs the zygotes, the helpers every page's process is
    // forked from, which would stay for the whole run: each page's process is then
    // started on its own and ends with the last page it shows. With the sandbox the
    // zygotes are how its processes are confined, and they stay.
    addEngineFlags("--disable-features=AudioServiceOutOfProcess");
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        addEngineFlags("--no-zygote");
    // What QtWebEngineQuick::initialize() sets up, without loading the engine: the
    // application makes the shared context when it is created (made ahead, or with the
    // software renderer when the web view comes, it is installed as the application's).
    if (!softwareRenderer() && made == SharedContext::WithTheApplication)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

void makeSharedContextAhead()
{
    if (softwareRenderer() || QOpenGLContext::globalShareContext() || g_ahead.joinable() || !QCoreApplication::instance())
        return;
    g_ahead = std::thread([owner = QThread::currentThread()] {
        auto *context = new QOpenGLContext;
        context->create();
        // Handed to the interface thread, which takes it before any window is shown.
        context->moveToThread(owner);
        g_made = context;
    });
}

void takeSharedContext()
{
    if (!g_ahead.joinable())
        return;
    g_ahead.join();
    install(g_made);
    g_made = nullptr;
}

void prepareSharedContext()
{
    if (QOpenGLContext::globalShareContext() || !QCoreApplication::instance())
        return;
    auto *context = new QOpenGLContext;
    context->create();
    install(context);
}

} // namespace WebViewSetup

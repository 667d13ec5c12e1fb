#include "WebViewSetup.h"

#include <QByteArray>
#include <QCoreApplication>
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

} // namespace

void prepare(SharedContext made)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
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

#include "WebViewSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

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

} // namespace

void prepare()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // What QtWebEngineQuick::initialize() sets up, without loading the engine: the
    // application makes the shared context when it is created (with the software
    // renderer, prepareSharedContext() makes it when the web view comes).
    if (!softwareRenderer())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

void prepareSharedContext()
{
    if (QOpenGLContext::globalShareContext() || !QCoreApplication::instance())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
    qt_gl_set_global_share_context(context);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace WebViewSetup

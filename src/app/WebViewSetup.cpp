#include "WebViewSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include <unistd.h>

namespace WebViewSetup {

bool drawnBySoftware()
{
    const QByteArray backend =
        qEnvironmentVariableIsSet("QT_QUICK_BACKEND") ? qgetenv("QT_QUICK_BACKEND") : qgetenv("QMLSCENE_DEVICE");
    return backend == "software";
}

void prepare()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // Drawn by Qt Quick's software renderer, the engine composes its pages in software
    // too and shares no context: making one would load the whole OpenGL driver (some
    // 50 MB resident with Mesa) for nothing.
    if (drawnBySoftware())
        return;
    // What QtWebEngineQuick::initialize() sets up, without loading the engine: the
    // application makes the shared context when it is created.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

} // namespace WebViewSetup

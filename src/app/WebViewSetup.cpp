#include "WebViewSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include <unistd.h>

namespace WebViewSetup {

void prepare()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // What QtWebEngineQuick::initialize() sets up, without loading the engine: the
    // application makes the shared context when it is created.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

} // namespace WebViewSetup

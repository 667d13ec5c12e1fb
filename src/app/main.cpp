#include "PipwhistleApp.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QGuiApplication>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

int main(int argc, char *argv[])
{
    PipwhistleApp::prepareAllocator();
    WebViewSetup::prepare(WebViewSetup::SharedContext::Ahead);
    Ui::prepareGraphics();
    QGuiApplication application(argc, argv);
    WebViewSetup::makeSharedContextAhead();
    PipwhistleApp app;
    app.prepareCover();
    Ui::installFonts();
    Ui::prepareEngine(app.engine());
    if (!app.start())
        return 1;
    const int status = application.exec();
    app.shutDown();
    return status;
}

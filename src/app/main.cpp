#include "PipwhistleApp.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QGuiApplication>
#include <QtQml/qqmlextensionplugin.h>

#include <malloc.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

// Set before any thread starts. glibc gives every thread that allocates an arena of its
// own (up to eight per core: the render thread, Mesa's rasterisers, the picture workers)
// and keeps what each frees for that thread, so the freed pages of one cannot serve
// another; two arenas shared by all hold the same objects in some 30 MiB less. (Giving
// every picture pages of its own, handed back when it is freed, saved no more and made
// each shelf tap some 30 ms slower with the page faults.)
void prepareAllocator()
{
    ::mallopt(M_ARENA_MAX, 2);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareAllocator();
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

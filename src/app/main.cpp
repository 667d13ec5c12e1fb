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
// another; two arenas shared by all hold the same objects in less memory. Pictures
// (a decoded page, a painted card, a texture's pixels) are allocated on their own pages
// and given back the moment they are freed: left to itself, glibc raises that threshold
// to the largest block freed so far, after which every picture lands in an arena and its
// pages stay with the program once it goes.
void prepareAllocator()
{
    ::mallopt(M_ARENA_MAX, 2);
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareAllocator();
    WebViewSetup::prepare();
    Ui::prepareGraphics();
    QGuiApplication application(argc, argv);
    Ui::installFonts();
    PipwhistleApp app;
    Ui::prepareEngine(app.engine());
    if (!app.start())
        return 1;
    const int status = application.exec();
    app.shutDown();
    return status;
}

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
// another; two arenas shared by all hold the same objects in some 30 MiB less.
//
// Its thresholds are fixed too. Left to itself, glibc raises the size from which a block
// gets pages of its own to that of every such block freed (a window's worth of pixels,
// a glyph cache's texture), up to 32 MiB, and the size of free space at the end of an
// arena it keeps to twice that: the free end of the second arena, which malloc_trim()
// leaves alone, then held some 3-16 MiB after a screen had gone, and opening a shelf
// passed some 30 MiB more through the arenas. Blocks of 4 MiB and more now get pages of
// their own, and the free end of an arena goes back once it passes 4 MiB. (From 1 MiB or
// less, most pictures would get pages of their own: no less is held, and each shelf tap
// is some 20-30 ms slower with the page faults. A free end handed back from 128 KiB made
// each shelf tap in the software renderer some 15 ms slower: its pages were taken again
// at once.)
constexpr int ownPagesFrom = 4 * 1024 * 1024;
constexpr int keptFreeEnd = 4 * 1024 * 1024;

void prepareAllocator()
{
    ::mallopt(M_ARENA_MAX, 2);
    ::mallopt(M_MMAP_THRESHOLD, ownPagesFrom);
    ::mallopt(M_TRIM_THRESHOLD, keptFreeEnd);
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

#include "PipwhistleApp.h"

#include "Clock.h"
#include "Fonts.h"
#include "LoadedData.h"
#include "PictureCache.h"
#include "ProgressStore.h"
#include "SettingsStore.h"
#include "SoftShadow.h"
#include "SpeechService.h"
#include "Storybook.h"
#include "StorybookArtwork.h"
#include "StorybookPicture.h"
#include "WebViewSetup.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QStyleHints>
#include <QThreadPool>

#include <malloc.h>

namespace {
PipwhistleApp *g_current = nullptr;

// glibc gives every thread that allocates an arena of its own (up to eight per core: the
// render thread, Mesa's rasterisers, the picture workers) and keeps what each frees for
// that thread, so the freed pages of one cannot serve another; two arenas shared by all
// hold the same objects in some 30 MiB less.
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

} // namespace

void PipwhistleApp::prepareAllocator()
{
    ::mallopt(M_ARENA_MAX, 2);
    ::mallopt(M_MMAP_THRESHOLD, ownPagesFrom);
    ::mallopt(M_TRIM_THRESHOLD, keptFreeEnd);
}

PipwhistleApp::PipwhistleApp(QObject *parent)
    : QObject(parent)
{
    if (!g_current)
        g_current = this;
}

PipwhistleApp::~PipwhistleApp()
{
    close();
    if (g_current == this)
        g_current = nullptr;
}

void PipwhistleApp::shutDown()
{
    m_closing = true;
    SpeechService::shared().shutDown();
    QThreadPool::globalInstance()->clear();
    QThreadPool::globalInstance()->waitForDone();
    close();
}

void PipwhistleApp::close()
{
    m_closing = true;
    if (m_preparation.joinable())
        m_preparation.join();
    delete m_window;
    m_window = nullptr;
    m_engine.reset();
}

void PipwhistleApp::screenLeft()
{
    if (m_closing)
        return;
    // The release waits for the last of the screens that go one after the other (a game's
    // page, then its shelf's): one made for the first would come while the next was still
    // going, and what that one freed would stay with the allocator.
    Clock &clock = Clock::current();
    if (m_releaseClock == &clock) {
        clock.cancel(m_release);
        clock.cancel(m_settledTrim);
    }
    m_releaseClock = &clock;
    m_release = clock.after(releaseDelayMs, this, [this] { releaseUnused(); });
    // The first seconds after the release pass through the pages it handed back: the
    // fonts' pages are read again, the next screen's first frames and the render thread's
    // work on what was let go allocate and free again (some 4-6 MiB on the playground
    // after the setup, with OpenGL). Once they have passed, the free pages go back again.
    m_settledTrim = clock.after(releaseDelayMs + settledTrimDelayMs, this, [] { handBackFreePages(); });
}

void PipwhistleApp::handBackFreePages(Pages pages)
{
    // glibc keeps what was freed in its arenas (the render thread has one of its own)
    // and gives back only what lies at the top of each: every free page goes back, on a
    // worker, since walking the arenas takes a few milliseconds. The pages read from the
    // fonts and the loaded data go on the worker too: the system takes each of them out of
    // every processor's address cache, which kept the interface thread some 15 ms from
    // the tap that came meanwhile.
    QThreadPool::globalInstance()->start([pages] {
        if (pages == MappedPagesToo) {
            Fonts::releasePages();
            LoadedData::releasePages();
        }
        ::malloc_trim(0);
    });
}

void PipwhistleApp::releaseUnused()
{
    if (m_engine)
        m_engine->trimComponentCache();
    SoftShadow::releaseUnused();
    handBackFreePages(MappedPagesToo);
}

void PipwhistleApp::shelfOpened()
{
    // Only a started application prepares: a tool that shows a shelf alone has no use
    // for it, and its standing application never waits for the worker.
    if (m_window && !m_closing)
        prepareAhead();
}

void PipwhistleApp::prepareAhead()
{
    if (m_preparation.joinable())
        return;
    SpeechService::prepareSoundOutput();
    m_preparation = std::thread([] { SpeechService::prepareAhead(); });
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

void PipwhistleApp::prepareCover()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_coverPath = StorybookArtwork::filePath(QLatin1String(Storybook::welcomeCoverName));
    m_coverPixels = StorybookPicture::pixelsOf(initialWindowGeometry(screen->availableGeometry()).size(),
                                               screen->devicePixelRatio());
    PictureCache::shared().prepare(m_coverPath, m_coverPixels, 0, false, PictureCache::Keep::UntilShown);
}

bool PipwhistleApp::start()
{
    // A text cursor stands still: a blinking one would draw the whole window again
    // twice a second while a parent's PIN field waits for its digits.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QQmlComponent component(&engine(), QUrl(QStringLiteral("qrc:/qt/qml/Pipwhistle/App/PipwhistleWindow.qml")));
    // The context made ahead is taken before the window is made, not merely before it is
    // shown: making a Qt Quick window sets up the platform's OpenGL support, once, on first
    // use and unguarded, and tries a context of its own; the worker making the shared
    // context sets up the same, and a worker slowed by a busy machine did it at the same
    // time as the window (twice, both threads writing the platform's state). The window's
    // OpenGL context, made as it is first shown, shares with the one made ahead.
    WebViewSetup::takeSharedContext();
    QObject *root = component.create();
    m_window = qobject_cast<QQuickWindow *>(root);
    if (!m_window) {
        // Only a broken build gets here; say why before giving up.
        qCritical("%s", qPrintable(component.errorString()));
        delete root;
        return false;
    }
    if (QScreen *screen = m_window->screen()) {
        const QRect available = screen->availableGeometry();
        const QRect opened = initialWindowGeometry(available);
        m_window->setGeometry(opened);
        // Once the first frame is up, the window manager's frame is known: the whole
        // window, frame included, is kept inside the free area (unless the window was
        // moved or resized in the meantime).
        QObject::connect(
            m_window, &QQuickWindow::frameSwapped, this,
            [this, available, opened] {
                if (m_window->geometry() != opened)
                    return;
                const QRect fitted = fittedWindowGeometry(opened, m_window->frameMargins(), available);
                if (fitted != opened)
                    m_window->setGeometry(fitted);
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    if (!m_coverPath.isEmpty()) {
        QObject::connect(
            m_window, &QQuickWindow::frameSwapped, this,
            [this] {
                PictureCache::shared().forget(m_coverPath, m_coverPixels, 0, false);
                m_coverPath.clear();
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    m_window->show();
    return true;
}

QRect PipwhistleApp::initialWindowGeometry(const QRect &available)
{
    if (!available.isValid())
        return QRect(QPoint(0, 0), preferredWindowSize);
    const QSize size = preferredWindowSize.boundedTo(available.size());
    QRect geometry(QPoint(0, 0), size);
    geometry.moveCenter(available.center());
    return geometry;
}

QRect PipwhistleApp::fittedWindowGeometry(const QRect &window, const QMargins &frame, const QRect &available)
{
    const QRect framed = window.marginsAdded(frame);
    if (!available.isValid() || available.contains(framed))
        return window;
    const QSize size = framed.size().boundedTo(available.size());
    QRect fittedFrame(QPoint(0, 0), size);
    fittedFrame.moveCenter(available.center());
    return fittedFrame.marginsRemoved(frame);
}

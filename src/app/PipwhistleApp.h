#pragma once

#include "Clock.h"

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <memory>
#include <thread>
#include <utility>

class ProgressStore;
class QQmlEngine;
class QQuickWindow;

// The application: owns the one progress store (on the standard settings store, made
// on first use) and opens the one window with the root view.
class PipwhistleApp : public QObject
{
    Q_OBJECT
public:
    // The first application made becomes the current one until it is destroyed.
    explicit PipwhistleApp(QObject *parent = nullptr);
    ~PipwhistleApp() override;

    // The running application; one is made, for the rest of the run, if none exists.
    static PipwhistleApp &current();
    // Sets up the allocator as the program runs with it: two arenas shared by every
    // thread and fixed thresholds (see there). Call it first in main(), before any
    // thread starts.
    static void prepareAllocator();

    ProgressStore &progress();

    // The engine of the window (made on first use; prepare it before start()).
    QQmlEngine &engine();
    // The storybook cover's picture starts decoding on a worker, at the size the window
    // opens at on the primary screen, while the fonts, the engine and the root view are
    // made: the first frame finds it ready instead of decoding it. Call it once the
    // application object exists, before start(); what the cover did not take (the window
    // opened elsewhere or at another size) is dropped after the first frame.
    void prepareCover();
    // Shows the window with the root view.
    bool start();
    QQuickWindow *window() const { return m_window; }
    // The way out, after the event loop has ended and before the program's statics go:
    // speech is silenced for good and its worker waited for, every other worker (story
    // music, the preparations made ahead of time) is waited for, then the window and the
    // engine go.
    void shutDown();

    // A screen has gone (the cover, the parent's setup, a shelf's page, a game's page or
    // a finished play's view): a moment later, once frames have been drawn without it, what it
    // alone held is handed back (see releaseUnused). Several in a row make one release,
    // after the last of them.
    void screenLeft();
    // Whether a release is waiting to come.
    bool releasePending() const { return m_releaseClock && m_releaseClock->isPending(m_release); }
    // Hands back what no screen shows any more: QML components no page uses, the
    // shadow pictures no shadow shows (see SoftShadow::releaseUnused), the pages
    // of the mapped fonts (see Fonts::releasePages) and of the read-only data of the
    // program and its libraries (see LoadedData::releasePages), and the allocator's free
    // pages (the latter on a worker of the global thread pool).
    void releaseUnused();
    // How long after a screen has gone the release comes (its page's pop or fade has
    // ended and frames without it have been drawn by then).
    static constexpr int releaseDelayMs = 800;
    // How long after the release the allocator's free pages are handed back once more
    // (see screenLeft), and whether that is still to come.
    static constexpr int settledTrimDelayMs = 3000;
    bool settledTrimPending() const { return m_releaseClock && m_releaseClock->isPending(m_settledTrim); }

    // A shelf has opened: its games are a tap away, so what their first question needs
    // is prepared now, off the interface thread (see prepareAhead).
    void shelfOpened();
    // Whether that preparation has started.
    bool preparedAhead() const { return m_preparation.joinable(); }

    // The window opens at this size where the screen has room for it.
    static constexpr QSize preferredWindowSize{1180, 820};
    // Where the window opens on a screen whose free area (without panels and docks) is
    // `available`: the preferred size, or as much of the area as there is, centred in it.
    static QRect initialWindowGeometry(const QRect &available);
    // A frame that the window manager adds around the window must fit too: the
    // window's own area within `available` once the frame's margins are known.
    static QRect fittedWindowGeometry(const QRect &window, const QMargins &frame, const QRect &available);

private:
    // Hands the allocator's free pages back to the system, on a worker; with
    // MappedPagesToo, also the pages read from the fonts and the loaded data.
    enum Pages { FreePages, MappedPagesToo };
    static void handBackFreePages(Pages pages = FreePages);
    // Work done off the interface thread before the first game, so that nothing slow
    // happens there later (the first remote pronunciation, loading the speech engine).
    // Only games need it, and it stays in memory once done (the TLS library alone some
    // 4 MiB): the cover and the playground do without it.
    void prepareAhead();
    // Waits for that preparation, then lets the window and the engine go; no release
    // comes after it.
    void close();

    std::unique_ptr<ProgressStore> m_progress;
    std::thread m_preparation;
    QString m_coverPath;
    QSize m_coverPixels;
    std::unique_ptr<QQmlEngine> m_engine;
    QQuickWindow *m_window = nullptr;
    // The release to come, and the clock it waits on (each clock numbers its own waits).
    QPointer<Clock> m_releaseClock;
    Clock::WaitId m_release = 0;
    Clock::WaitId m_settledTrim = 0;
    bool m_closing = false;
};

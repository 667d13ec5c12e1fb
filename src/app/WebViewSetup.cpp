#include "WebViewSetup.h"

#include "Clock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>
#include <QThreadPool>

#include <mutex>
#include <thread>

#include <malloc.h>
#include <sys/mman.h>
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

// Pages that hold a web view, open now, and the wait until the engine's memory is
// handed back once none is.
int g_openPages = 0;
Clock::WaitId g_rest = 0;

// Tells the web engine, which looks for it when it starts, that the windows share their
// OpenGL context with it.
void shareContextsFromNowOn()
{
    // Qt warns that the attribute comes after the application object: nothing earlier
    // needed it. Only that warning is dropped; any other thread's messages meanwhile
    // pass on.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
        if (previous && !message.contains(QLatin1String("AA_ShareOpenGLContexts")))
            previous(type, where, message);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
}

// Makes `context` the one every OpenGL context made from now on shares with, for as
// long as the application lives.
void install(QOpenGLContext *context)
{
    context->setParent(QCoreApplication::instance());
    QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
    qt_gl_set_global_share_context(context);
    shareContextsFromNowOn();
}

// The engine cannot be shut down within a run. What it leaves in the program once its
// last page has gone is handed back: the pages of its library's code that ran (its
// executable segment is never written to, so they are read again from the file, by then
// in the system's file cache, when the room opens again) and what the allocator holds
// of the memory the engine freed.
void handBackEngineMemory()
{
#ifdef Q_OS_LINUX
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (maps.open(QIODevice::ReadOnly)) {
        // "start-end permissions offset device inode path"
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 6 || fields.at(1) != "r-xp" || !fields.at(5).contains("/libQt6WebEngineCore.so"))
                continue;
            const QList<QByteArray> range = fields.at(0).split('-');
            bool startRead = false;
            bool endRead = false;
            const quintptr start = range.value(0).toULongLong(&startRead, 16);
            const quintptr end = range.value(1).toULongLong(&endRead, 16);
            if (startRead && endRead && end > start)
                ::madvise(reinterpret_cast<void *>(start), end - start, MADV_DONTNEED);
        }
    }
    ::malloc_trim(0);
#endif
}
// Qt's web engine module, as it registers its QML types, notes three of them that are not
// meant to be made in QML (its loading information, certificate error and full-screen
// request); the engine notes that its sandbox is off when the program runs as root, and
// that the platform offers no OpenGL when the software renderer draws. They are notes
// about Qt's own module and about choices made above: dropped, and every other message
// passes on.
void dropEngineNotes()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
        if (message.startsWith(QLatin1String("QWebEngine")) && message.contains(QLatin1String(" is neither a QObject")))
            return;
        if (message == QLatin1String("Sandboxing disabled by user."))
            return;
        if (message.trimmed() == QLatin1String("No suitable graphics backend found") && softwareRenderer())
            return;
        if (previous)
            previous(type, where, message);
    });
}

// Flags for the engine's core, after any the environment already gives it.
void addEngineFlags(const QByteArray &flags)
{
    QByteArray all = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", all.isEmpty() ? flags : all + ' ' + flags);
}

} // namespace

void prepare(SharedContext made)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // The engine's core logs only what ends it, and the engine keeps its start-up report
    // (graphics, switches) to itself.
    addEngineFlags("--log-level=3");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    dropEngineNotes();
    // The engine's helper processes end with the video room. Its sound runs in the
    // program, not in a helper of its own that would stay once the first video played.
    // Without the sandbox nothing needs the zygotes, the helpers every page's process is
    // forked from, which would stay for the whole run: each page's process is then
    // started on its own and ends with the last page it shows. With the sandbox the
    // zygotes are how its processes are confined, and they stay.
    addEngineFlags("--disable-features=AudioServiceOutOfProcess");
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        addEngineFlags("--no-zygote");
    // What QtWebEngineQuick::initialize() sets up, without loading the engine: the
    // application makes the shared context when it is created (or it is made ahead and
    // installed as the application's).
    if (!softwareRenderer() && made == SharedContext::WithTheApplication)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    // Drawn by the software renderer, nothing of the program uses OpenGL, and the engine
    // then composes its pages in software too; yet it looks at the platform's OpenGL as
    // it starts, which on X11 loads Mesa's driver and its LLVM (some 47 MB, held for the
    // rest of the run). X11 is told to offer none.
    if (softwareRenderer() && !qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", QByteArray("none"));
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
    if (QOpenGLContext::globalShareContext() || !QCoreApplication::instance()
        || QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        return;
    // With the software renderer the engine draws in software and shares no context.
    if (softwareRenderer()) {
        shareContextsFromNowOn();
        return;
    }
    auto *context = new QOpenGLContext;
    context->create();
    install(context);
}

void webViewPageOpened()
{
    ++g_openPages;
    Clock::current().cancel(g_rest);
    prepareSharedContext();
    // The engine's library (some 150 MB to map and link) is loaded on a worker while the
    // page comes in: its QML module, loaded with the player's file once the page's first
    // frame is up, then finds it loaded instead of holding the interface thread for it.
    // (QML types themselves are never loaded off the interface thread; see TypesAhead.)
    static std::once_flag loading;
    std::call_once(loading, [] {
        QThreadPool::globalInstance()->start([] { QLibrary(QStringLiteral("Qt6WebEngineQuick"), 6).load(); });
    });
}

void webViewPageClosed()
{
    if (--g_openPages > 0)
        return;
    // On a worker: going through the allocator's arenas takes some milliseconds.
    g_rest = Clock::current().after(engineRestMs, QCoreApplication::instance(), [] {
        if (g_openPages == 0)
            QThreadPool::globalInstance()->start(handBackEngineMemory);
    });
}

} // namespace WebViewSetup

// Start-up of the playground, measured the way the program starts (see startup.sh):
//   bench_startup <launch time, ns since the epoch>
// prints the time from process launch to the first frame of the storybook cover, the
// resident memory once the playground is on screen, and the CPU the idle cover and the
// idle playground use; then opens the video room (offline: no host name resolves) and
// prints the time until its player's page has loaded and the memory with the room
// open, of the program alone and with the web engine's helper processes.

#include "EntertainmentTimeController.h"
#include "PipwhistleApp.h"
#include "RootState.h"
#include "SettingsStore.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {
qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

long residentKb(const QString &pid = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The resident memory of every process below `pid` (the web engine's helpers).
long descendantsKb(qint64 pid)
{
    long total = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 child = entry.toLongLong(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toLongLong() == pid)
            total += residentKb(entry) + descendantsKb(child);
    }
    return total;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `ms` milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char *argv[])
{
    const qint64 launchedNs = argc > 1 ? QByteArray(argv[1]).toLongLong() : nowNs();
    WebViewSetup::prepare(WebViewSetup::SharedContext::Ahead);
    Ui::prepareGraphics();
    // The room's player pages stay offline: no host name resolves.
    QList<char *> arguments(argv, argv + argc);
    char offline[] = "--host-resolver-rules=MAP * ~NOTFOUND";
    arguments.append(offline);
    int count = int(arguments.size());
    QGuiApplication application(count, arguments.data());
    WebViewSetup::makeSharedContextAhead();
    // The bench never touches the user's settings.
    MemorySettingsStore settings;
    SettingsStore::setStandard(&settings);

    Ui::installFonts();
    PipwhistleApp app;
    Ui::prepareEngine(app.engine());

    qint64 firstFrameNs = 0;
    bool started = false;
    QTimer::singleShot(0, [&] {
        started = app.start();
        if (!started) {
            application.exit(1);
            return;
        }
        QObject::connect(app.window(), &QQuickWindow::frameSwapped, &application, [&] {
            if (!firstFrameNs) {
                firstFrameNs = nowNs();
                application.quit();
            }
        });
    });
    if (application.exec() != 0 || !started)
        return 1;

    // Idle on the cover.
    auto idlePercent = [](int ms) {
        const double before = cpuSeconds();
        QElapsedTimer idle;
        idle.start();
        runFor(ms);
        return 100.0 * (cpuSeconds() - before) / (idle.elapsed() / 1000.0);
    };
    runFor(500);
    const double coverCpuPercent = idlePercent(2000);

    // Open the book, start a session as a parent would, let the playground settle.
    auto *shell = app.window()->contentItem()->childItems().value(0)->property("shell").value<RootState *>();
    shell->openStorybook();
    runFor(300);
    shell->timeController()->beginSession(30, QStringLiteral("1234"));
    runFor(1500);
    const long rssKb = residentKb();

    // Idle on the playground: only the once-a-second refresh should run.
    const double playgroundCpuPercent = idlePercent(3000);

    // The video room, opened over the playground as the host builds it.
    QElapsedTimer opening;
    opening.start();
    QQmlComponent roomView(&app.engine(), QUrl(QStringLiteral("qrc:/qt/qml/Pipwhistle/Games/Stories/VideoLibraryGameView.qml")));
    std::unique_ptr<QObject> room(roomView.create());
    auto *roomItem = qobject_cast<QQuickItem *>(room.get());
    if (!roomItem)
        return 1;
    roomItem->setParentItem(app.window()->contentItem());
    roomItem->setSize(app.window()->contentItem()->size());
    roomItem->setZ(100);
    QObject *web = roomItem->findChild<QObject *>(QStringLiteral("videoWebView"));
    while (web && web->property("loadProgress").toInt() < 100 && opening.elapsed() < 20000)
        runFor(5);
    const double roomOpenMs = opening.nsecsElapsed() / 1e6;
    runFor(1500);
    const long roomKb = residentKb();
    const long helpersKb = descendantsKb(QCoreApplication::applicationPid());

    std::printf("first_frame_ms=%.1f rss_playground_mb=%.1f idle_cover_cpu_percent=%.2f idle_playground_cpu_percent=%.2f "
                "room_open_ms=%.1f rss_room_mb=%.1f rss_room_with_helpers_mb=%.1f\n",
                (firstFrameNs - launchedNs) / 1e6, rssKb / 1024.0, coverCpuPercent, playgroundCpuPercent, roomOpenMs,
                roomKb / 1024.0, (roomKb + helpersKb) / 1024.0);
    room.reset();
    return 0;
}

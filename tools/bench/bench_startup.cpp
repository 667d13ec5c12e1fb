// Start-up of the playground, measured the way the program starts (see startup.sh):
//   bench_startup <launch time, ns since the epoch>
// prints the time from process launch to the first frame of the storybook cover, the
// resident memory once the playground is on screen, and the CPU the idle cover and the
// idle playground use.

#include "EntertainmentTimeController.h"
#include "PipwhistleApp.h"
#include "RootState.h"
#include "SettingsStore.h"
#include "UiSetup.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
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

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
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
    QGuiApplication application(argc, argv);
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

    std::printf("first_frame_ms=%.1f rss_playground_mb=%.1f idle_cover_cpu_percent=%.2f idle_playground_cpu_percent=%.2f\n",
                (firstFrameNs - launchedNs) / 1e6, rssKb / 1024.0, coverCpuPercent, playgroundCpuPercent);
    return 0;
}

// Figures of the action games' timing and drawing:
//  - tick lateness: how long after its deadline each tick of the fruit catcher comes,
//    while busy threads load every core of the machine (the deadline being the end of
//    the previous tick plus the tick's interval);
//  - frame time: how long one frame of the fruit catcher's page takes to synchronise
//    and render while the fruit falls, in Qt Quick's software renderer.
// Run: build/tools/bench/bench_action [--ticks N] [--load THREADS] [--frames-seconds S]
#include "Clock.h"
#include "BenchFigures.h"
#include "BenchPage.h"
#include "FruitCatcherGame.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <utility>
#include <vector>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

// Busy threads that keep every core they are given at work until stopped.
class Load
{
public:
    explicit Load(int threads)
    {
        for (int i = 0; i < threads; ++i) {
            m_threads.emplace_back([this] {
                volatile double x = 1;
                while (!m_stop.load(std::memory_order_relaxed))
                    x = x * 1.0000001 + 0.5;
            });
        }
    }
    ~Load()
    {
        m_stop = true;
        for (std::thread &t : m_threads)
            t.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

// Lateness of `ticks` ticks of a fruit-catcher play on the system clock.
std::vector<double> tickLateness(int ticks)
{
    FruitCatcherGame game;
    QElapsedTimer clock;
    std::vector<double> lateness;
    qint64 lastTickEnd = 0;
    int seen = 0;
    QEventLoop loop;
    QObject::connect(&game, &FruitCatcherGame::changed, &game, [&] {
        // Each change after the start is one tick (the basket is not moved here).
        const qint64 now = clock.nsecsElapsed();
        if (seen++ > 0)
            lateness.push_back((now - lastTickEnd) / 1e6 - FruitCatcherGame::tickMs);
        if (int(lateness.size()) >= ticks || !game.running())
            loop.quit();
        // The next deadline is taken as this tick's step returns, a moment after this.
        lastTickEnd = clock.nsecsElapsed();
    });
    clock.start();
    game.start();
    loop.exec();
    return lateness;
}

// Times frames of the fruit catcher's page while the fruit falls; the frames that draw a
// tick or a move are told apart.
FrameTimer frameTimes(double seconds)
{
    BenchPage page(QStringLiteral("fruit-catcher"), QSize(1180, 820));
    bool gameChanged = false;
    FrameTimer frames(page.window, true);
    frames.markChanges([&] { return std::exchange(gameChanged, false); });

    QEventLoop loop;
    QTimer::singleShot(400, &loop, [&] {
        auto *game = page.game<FruitCatcherGame>();
        if (!game) {
            std::fprintf(stderr, "the fruit catcher did not come\n");
            loop.quit();
            return;
        }
        QObject::connect(game, &FruitCatcherGame::changed, &loop, [&] { gameChanged = true; });
        game->start();
        frames.clear(); // from the start of the fall
        // The basket moves now and then, as a child's would.
        auto *mover = new QTimer(&loop);
        QObject::connect(mover, &QTimer::timeout, game, [game] {
            game->basketColumn() < 3 ? game->moveRight() : game->moveLeft();
        });
        mover->start(700);
        QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    });
    loop.exec();
    return frames;
}

} // namespace

int main(int argc, char **argv)
{
    useSoftwareRenderer();
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption ticksOption(QStringLiteral("ticks"), QStringLiteral("Ticks to time."), QStringLiteral("n"), QStringLiteral("40"));
    QCommandLineOption loadOption(QStringLiteral("load"), QStringLiteral("Busy threads (default: one per core)."), QStringLiteral("n"),
                                  QString::number(std::max(1u, std::thread::hardware_concurrency())));
    QCommandLineOption framesOption(QStringLiteral("frames-seconds"), QStringLiteral("Seconds of frames to time."), QStringLiteral("s"), QStringLiteral("8"));
    parser.addOptions({ticksOption, loadOption, framesOption});
    parser.process(app);
    const int ticks = parser.value(ticksOption).toInt();
    const int threads = parser.value(loadOption).toInt();

    std::printf("tick interval %d ms; %d busy threads on %u cores\n", FruitCatcherGame::tickMs, threads,
                std::thread::hardware_concurrency());
    {
        const std::vector<double> idle = tickLateness(std::min(ticks, 10));
        print("tick lateness, no extra load", summarise(idle), idle.size());
    }
    {
        Load load(threads);
        const std::vector<double> loaded = tickLateness(ticks);
        print("tick lateness, every core busy", summarise(loaded), loaded.size());
    }
    const FrameTimer frames = frameTimes(parser.value(framesOption).toDouble());
    print("frame time while the fruit falls (software)", summarise(frames.all), frames.all.size());
    print("  frames that draw a tick or a move", summarise(frames.changed), frames.changed.size());
    {
        Load load(threads);
        const FrameTimer loaded = frameTimes(parser.value(framesOption).toDouble());
        print("frame time, every core busy (software)", summarise(loaded.all), loaded.all.size());
        print("  frames that draw a tick or a move", summarise(loaded.changed), loaded.changed.size());
    }
    return 0;
}

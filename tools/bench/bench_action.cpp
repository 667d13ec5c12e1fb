// Figures of the action games' timing and drawing:
//  - tick lateness: how long after its deadline each tick of the fruit catcher comes,
//    while busy threads load every core of the machine (the deadline being the end of
//    the previous tick plus the tick's interval);
//  - frame time: how long one frame of the fruit catcher's page takes to synchronise
//    and render while the fruit falls, in Qt Quick's software renderer.
// Run: build/tools/bench/bench_action [--ticks N] [--load THREADS] [--frames-seconds S]
#include "Clock.h"
#include "BenchFigures.h"
#include "FruitCatcherGame.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
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

struct Frames
{
    std::vector<double> all;     // every frame
    std::vector<double> changed; // the frames that draw a change of the game (a tick, a move)
};

// Times frames of the fruit catcher's page while the fruit falls: from the start of a
// frame (animations advanced) to the end of its rendering (polish, sync and render).
Frames frameTimes(double seconds)
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQuick
        import Pipwhistle.App
        Item {
            property alias page: page
            RootState { id: state }
            GameHostView { id: page; anchors.fill: parent; gameId: "fruit-catcher"; timeController: state.timeController }
        })", QUrl());
    std::unique_ptr<QObject> object(component.create());
    if (!object) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return {};
    }
    Frames frames;
    bool gameChanged = false;
    auto *root = qobject_cast<QQuickItem *>(object.get());
    QQuickWindow window;
    window.resize(1180, 820);
    root->setParentItem(window.contentItem());
    root->setSize(window.size());
    window.show();

    QElapsedTimer clock;
    clock.start();
    qint64 frameStart = 0;
    bool drawsChange = false;
    QObject::connect(&window, &QQuickWindow::afterAnimating, &window, [&] {
        frameStart = clock.nsecsElapsed();
        drawsChange = std::exchange(gameChanged, false);
    }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::afterRendering, &window, [&] {
        const double ms = (clock.nsecsElapsed() - frameStart) / 1e6;
        frames.all.push_back(ms);
        if (drawsChange)
            frames.changed.push_back(ms);
    }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] { window.update(); });

    QEventLoop loop;
    QTimer::singleShot(400, &loop, [&] {
        auto *view = root->property("page").value<QQuickItem *>()->property("gameView").value<QQuickItem *>();
        auto *game = view ? view->property("game").value<FruitCatcherGame *>() : nullptr;
        if (!game) {
            std::fprintf(stderr, "the fruit catcher did not come\n");
            loop.quit();
            return;
        }
        QObject::connect(game, &FruitCatcherGame::changed, &loop, [&] { gameChanged = true; });
        game->start();
        frames = {}; // from the start of the fall
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
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
    const Frames frames = frameTimes(parser.value(framesOption).toDouble());
    print("frame time while the fruit falls (software)", summarise(frames.all), frames.all.size());
    print("  frames that draw a tick or a move", summarise(frames.changed), frames.changed.size());
    {
        Load load(threads);
        const Frames loaded = frameTimes(parser.value(framesOption).toDouble());
        print("frame time, every core busy (software)", summarise(loaded.all), loaded.all.size());
        print("  frames that draw a tick or a move", summarise(loaded.changed), loaded.changed.size());
    }
    return 0;
}

// Frame time of the forest maze's page while the fox walks, in Qt Quick's software
// renderer: how long one frame takes to synchronise and render while the fox steps
// along the shortest route to the chest and back, one step every 0.32 s (each step
// repaints the floor with a longer trail and animates the fox's glide and walk pose).
// Run: build/tools/bench/bench_maze [--seconds S] [--size WxH]
#include "BenchFigures.h"
#include "BenchPage.h"
#include "MazeGame.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

// The fewest steps to the open chest, and the same steps reversed to walk back.
const QString route = QStringLiteral("DRDDLDRDDRURDRURUULULLURURRDDRDDRUURRUURRDDLUDDRDDLDLULURUDLDRDRR");

MazeDirection directionOf(QChar c, bool back)
{
    static const QString order = QStringLiteral("URDL");
    const int d = int(order.indexOf(c));
    return MazeDirection(back ? (d + 2) % 4 : d);
}

} // namespace

int main(int argc, char **argv)
{
    useSoftwareRenderer();
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Seconds of frames to time."), QStringLiteral("s"), QStringLiteral("10"));
    const QCommandLineOption sizeOption = windowSizeOption(QStringLiteral("1180x820"));
    parser.addOptions({secondsOption, sizeOption});
    parser.process(app);

    BenchPage page(QStringLiteral("maze"), windowSize(parser, sizeOption));
    FrameTimer timer(page.window, true);
    QEventLoop loop;
    int steps = 0;
    QTimer::singleShot(400, &loop, [&] {
        auto *game = page.game<MazeGame>();
        if (!game) {
            std::fprintf(stderr, "the maze did not come\n");
            loop.quit();
            return;
        }
        timer.clear();
        // Out along the route to the cell before the chest, back to the start, again.
        auto *walker = new QTimer(&loop);
        QObject::connect(walker, &QTimer::timeout, game, [&, game] {
            const qsizetype n = route.size() - 1;
            const qsizetype i = steps % (2 * n);
            game->move(i < n ? directionOf(route[i], false) : directionOf(route[2 * n - 1 - i], true));
            ++steps;
        });
        walker->start(320);
        QTimer::singleShot(int(parser.value(secondsOption).toDouble() * 1000), &loop, &QEventLoop::quit);
    });
    loop.exec();

    if (timer.all.empty())
        return 1;
    std::printf("maze at %dx%d, %d steps\n", page.window.width(), page.window.height(), steps);
    print("frame time while the fox walks (software)", summarise(timer.all), timer.all.size());
    return 0;
}

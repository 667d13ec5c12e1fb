// Frame time of the forest maze's page while the fox walks, in Qt Quick's software
// renderer: how long one frame takes to synchronise and render while the fox steps
// along the shortest route to the chest and back, one step every 0.32 s (each step
// repaints the floor with a longer trail and animates the fox's glide and walk pose).
// Run: build/tools/bench/bench_maze [--seconds S] [--size WxH]
#include "MazeGame.h"

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
#include <cstdio>
#include <vector>

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Seconds of frames to time."), QStringLiteral("s"), QStringLiteral("10"));
    QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("WxH"), QStringLiteral("1180x820"));
    parser.addOptions({secondsOption, sizeOption});
    parser.process(app);
    const QStringList size = parser.value(sizeOption).split(QLatin1Char('x'));

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQuick
        import Pipwhistle.App
        Item {
            property alias page: page
            RootState { id: state }
            GameHostView { id: page; anchors.fill: parent; gameId: "maze"; timeController: state.timeController }
        })", QUrl());
    std::unique_ptr<QObject> object(component.create());
    if (!object) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    auto *root = qobject_cast<QQuickItem *>(object.get());
    QQuickWindow window;
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    root->setParentItem(window.contentItem());
    root->setSize(window.size());
    window.show();

    QElapsedTimer clock;
    clock.start();
    std::vector<double> frames;
    qint64 frameStart = 0;
    QObject::connect(&window, &QQuickWindow::beforeSynchronizing, &window,
                     [&] { frameStart = clock.nsecsElapsed(); }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::afterRendering, &window,
                     [&] { frames.push_back((clock.nsecsElapsed() - frameStart) / 1e6); }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] { window.update(); });
    QEventLoop loop;
    int steps = 0;
    QTimer::singleShot(400, &loop, [&] {
        auto *view = root->property("page").value<QQuickItem *>()->property("gameView").value<QQuickItem *>();
        auto *game = view ? view->property("game").value<MazeGame *>() : nullptr;
        if (!game) {
            std::fprintf(stderr, "the maze did not come\n");
            loop.quit();
            return;
        }
        frames.clear();
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

    std::sort(frames.begin(), frames.end());
    if (frames.empty())
        return 1;
    const auto at = [&](double q) { return frames[std::min(frames.size() - 1, size_t(frames.size() * q))]; };
    std::printf("maze frame time while the fox walks (software, %dx%d): n=%zu steps=%d min %.2f median %.2f p95 %.2f max %.2f ms\n",
                window.width(), window.height(), frames.size(), steps, frames.front(), at(0.5), at(0.95), frames.back());
    return 0;
}

// Figures of the picture-book reader in Qt Quick's software renderer (or, with
// --opengl under Xvfb, in OpenGL on llvmpipe):
//  - first show: from building the game page of a book over its shelf to the first
//    frame on screen with the book's cover, its picture included. The shelf has been
//    on screen for a moment before, as when a child looks at it before the tap: the
//    program's modules are loaded, the renderer has drawn a screen, and the pictures
//    the program prepares ahead (the shelf's covers, the game page's backdrop) are
//    ready. Also its stretches: the page made, laid out, synchronised, rendered;
//  - page turn: how long each frame takes to synchronise and render while the pager
//    moves, by a finger's drag and by the buttons' animated turns.
// Run: build/tools/bench/bench_storybook [--game picture-book|story-chain] [--turns N]
//      xvfb-run -a -s "-screen 0 1366x1024x24" build/tools/bench/bench_storybook --opengl
#include "BenchFigures.h"
#include "ShellCatalog.h"
#include "StorybookReader.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QThreadPool>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <utility>
#include <atomic>
#include <limits>
#include <cstdio>
#include <vector>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)


int main(int argc, char **argv)
{
    bool opengl = false;
    for (int i = 1; i < argc; ++i)
        opengl = opengl || QByteArray(argv[i]) == "--opengl";
    if (!opengl) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    const char *renderer = opengl ? "opengl" : "software";
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption gameOption(QStringLiteral("game"), QStringLiteral("The book game."), QStringLiteral("id"),
                                  QStringLiteral("picture-book"));
    QCommandLineOption turnsOption(QStringLiteral("turns"), QStringLiteral("Pages to turn."), QStringLiteral("n"),
                                   QStringLiteral("10"));
    QCommandLineOption openglOption(QStringLiteral("opengl"), QStringLiteral("OpenGL (run under Xvfb)."));
    parser.addOptions({gameOption, turnsOption, openglOption});
    parser.process(app);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQuickWindow window;
    window.resize(1180, 820);
    window.show();
    QElapsedTimer clock;
    clock.start();
    std::vector<double> frames; // filled on the render thread (with OpenGL)
    QMutex framesMutex;
    const auto takeFrames = [&] {
        QMutexLocker lock(&framesMutex);
        return std::exchange(frames, {});
    };
    std::atomic<qint64> frameStart{0}, syncEnd{0};
    std::atomic<qint64> firstFrameAt{-1}; // the end of the first frame put on the screen
    std::atomic<qint64> countFrom{std::numeric_limits<qint64>::max()}; // only frames synchronised since
    std::atomic<qint64> firstSyncAt{-1}, firstSyncEnd{-1}; // that frame's synchronisation
    QObject::connect(&window, &QQuickWindow::beforeSynchronizing, &window,
                     [&] { frameStart = clock.nsecsElapsed(); }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::afterSynchronizing, &window,
                     [&] { syncEnd = clock.nsecsElapsed(); }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::afterRendering, &window, [&] {
        QMutexLocker lock(&framesMutex);
        frames.push_back((clock.nsecsElapsed() - frameStart) / 1e6);
    }, Qt::DirectConnection);
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] {
        qint64 none = -1;
        if (frameStart >= countFrom && firstFrameAt.compare_exchange_strong(none, clock.nsecsElapsed())) {
            firstSyncAt = frameStart.load();
            firstSyncEnd = syncEnd.load();
        }
    }, Qt::DirectConnection);
    // Builds an item over the window: `content` beside the state it needs.
    const auto build = [&](const QString &content) -> std::unique_ptr<QQuickItem> {
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQuick\nimport Pipwhistle.App\nItem { RootState { id: state }\n%1\n}")
                              .arg(content)
                              .toUtf8(),
                          QUrl());
        std::unique_ptr<QQuickItem> item(qobject_cast<QQuickItem *>(component.create()));
        if (!item) {
            std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
            return item;
        }
        item->setParentItem(window.contentItem());
        item->setSize(window.size());
        return item;
    };

    // The book's shelf, shown for a moment.
    const QString category = ShellCatalog::game(parser.value(gameOption)).value(QStringLiteral("category")).toString();
    const std::unique_ptr<QQuickItem> shelf = build(
        QStringLiteral("CategoryShelfView { anchors.fill: parent; category: \"%1\"; timeController: state.timeController }")
            .arg(category));
    if (!shelf)
        return 1;
    ShellCatalog::prepareShelfPictures(category, &window);
    QThreadPool::globalInstance()->waitForDone();
    QEventLoop settle;
    QTimer::singleShot(600, &settle, &QEventLoop::quit);
    settle.exec();

    // First show.
    const qint64 buildAt = clock.nsecsElapsed();
    firstFrameAt = -1;
    countFrom = buildAt; // not a frame of the shelf still on its way to the screen
    const std::unique_ptr<QQuickItem> root = build(
        QStringLiteral("property alias page: page\n"
                       "GameHostView { id: page; anchors.fill: parent; gameId: \"%1\"; timeController: state.timeController }")
            .arg(parser.value(gameOption)));
    const qint64 createdAt = clock.nsecsElapsed();
    if (!root)
        return 1;
    window.update();
    QEventLoop shown;
    // The book is shown once a frame has been drawn with the reader's pager in it.
    const auto pagerShown = [&] {
        auto *page = root->property("page").value<QQuickItem *>();
        auto *game = page ? page->property("gameView").value<QQuickItem *>() : nullptr;
        return game && game->property("game").value<StorybookReader *>() != nullptr;
    };
    QObject::connect(&window, &QQuickWindow::frameSwapped, &shown, [&] {
        if (firstFrameAt >= 0 && pagerShown())
            shown.quit();
        else {
            firstFrameAt = -1;
            window.update();
        }
    });
    shown.exec();
    std::printf("first show of a book (build to first frame, %s) %7.2f ms\n", renderer, (firstFrameAt - buildAt) / 1e6);
    // Its stretches: the page's objects made, then laid out (and any frame drawn before),
    // the frame synchronised (the interface thread waits while the items hand over their
    // pictures), rendered and shown.
    std::printf("    created %6.2f, laid out %6.2f, synchronised %6.2f, rendered and shown %6.2f ms\n",
                (createdAt - buildAt) / 1e6, (firstSyncAt - createdAt) / 1e6, (firstSyncEnd - firstSyncAt) / 1e6,
                (firstFrameAt - firstSyncEnd) / 1e6);

    auto *view = root->property("page").value<QQuickItem *>()->property("gameView").value<QQuickItem *>();
    auto *reader = view ? view->property("game").value<StorybookReader *>() : nullptr;
    if (!reader) {
        std::fprintf(stderr, "the reader did not come\n");
        return 1;
    }
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] { window.update(); });

    // Drags: a finger pulls the page 300 points to the left over 30 frames, then lets go.
    takeFrames();
    const int turns = parser.value(turnsOption).toInt();
    QEventLoop dragging;
    int step = 0;
    QTimer dragTimer;
    QObject::connect(&dragTimer, &QTimer::timeout, &dragging, [&] {
        DragTracker *drag = reader->pageDrag();
        const int phase = step % 45;
        if (phase == 0)
            drag->press(800, 300);
        else if (phase <= 30)
            drag->move(800 - phase * 10, 300);
        else if (phase == 31)
            drag->release(500, 300);
        if (++step >= turns * 45 || reader->page() >= reader->pageCount())
            dragging.quit();
    });
    dragTimer.start(16);
    dragging.exec();
    std::vector<double> dragged = takeFrames();
    print(qPrintable(QStringLiteral("frame time, pages dragged (%1)").arg(QLatin1String(renderer))), summarise(dragged),
          dragged.size());

    // Buttons: animated turns back to the cover, one every 0.4 s.
    QEventLoop turning;
    QTimer turnTimer;
    QObject::connect(&turnTimer, &QTimer::timeout, &turning, [&] {
        if (reader->page() == 0) {
            turning.quit();
            return;
        }
        reader->turn(reader->page() - 1);
    });
    turnTimer.start(400);
    turning.exec();
    std::vector<double> turned = takeFrames();
    print(qPrintable(QStringLiteral("frame time, pages turned by button (%1)").arg(QLatin1String(renderer))),
          summarise(turned), turned.size());
    return 0;
}

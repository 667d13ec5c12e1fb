// Drawing on a board that already holds 200 strokes, in the software renderer: the
// free drawing board's page in a 1180 × 820 window, a finger drawing a long stroke,
// one frame per position. Prints the time each frame takes to handle the position and
// to render (median, 95th percentile and worst), and the same for a board with no
// strokes.
//
//   build/tools/bench/bench_drawing

#include "DrawingBoard.h"
#include "MagicBoardGame.h"
#include "SettingsStore.h"
#include "UiSetup.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QSGRendererInterface>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CommonPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CreativePlugin)

namespace {

// A child's scribble: 40 points wandering over the board.
DrawingStroke scribble(QRandomGenerator &random, QSizeF board)
{
    DrawingStroke stroke{QUuid::createUuid(), {}, QColor::fromHsv(random.bounded(360), 180, 220), 5.0 + random.bounded(3) * 5};
    QPointF p(random.bounded(board.width()), random.bounded(board.height()));
    for (int i = 0; i < 40; ++i) {
        stroke.points.append(p);
        p += QPointF(random.bounded(30.0) - 15, random.bounded(30.0) - 15);
    }
    return stroke;
}

struct Figures
{
    double median = 0, p95 = 0, worst = 0;
};

Figures summary(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(int(ms.size() * 0.95)), ms.last()};
}

// Draws one stroke of `moves` positions, rendering a frame after each, and returns the
// time of each frame: the position's handling plus the frame's synchronisation and
// rendering (the wait for the next frame slot is not counted).
QList<double> drawFrames(QQuickWindow &window, QQuickItem *board, int moves)
{
    QList<double> frames;
    QElapsedTimer render;
    double renderMs = 0;
    bool rendered = false;
    auto started = QObject::connect(&window, &QQuickWindow::beforeSynchronizing, &window,
                                    [&] { render.start(); }, Qt::DirectConnection);
    auto swapped = QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] {
        renderMs = render.nsecsElapsed() / 1e6;
        rendered = true;
    }, Qt::DirectConnection);

    const QPointF origin = board->mapToScene(QPointF(board->width() * 0.2, board->height() * 0.5));
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, origin.toPoint());
    for (int i = 1; i <= moves; ++i) {
        const QPointF p = origin + QPointF(i * 2.5, std::sin(i / 8.0) * 60);
        rendered = false;
        QElapsedTimer input;
        input.start();
        QTest::mouseMove(&window, p.toPoint());
        const double inputMs = input.nsecsElapsed() / 1e6;
        if (QTest::qWaitFor([&] { return rendered; }, 1000))
            frames.append(inputMs + renderMs);
    }
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, (origin + QPointF(moves * 2.5, 0)).toPoint());
    QTest::qWait(50);
    QObject::disconnect(started);
    QObject::disconnect(swapped);
    return frames;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    MemorySettingsStore settings;
    SettingsStore::setStandard(&settings);
    Ui::installFonts();
    QQmlEngine engine;
    Ui::prepareEngine(engine);

    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/qt/qml/Pipwhistle/Games/Creative/MagicBoardGameView.qml")));
    std::unique_ptr<QObject> root(component.create());
    auto *page = qobject_cast<QQuickItem *>(root.get());
    if (!page) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    QQuickWindow window;
    window.resize(1180, 820);
    page->setParentItem(window.contentItem());
    page->setSize(window.size());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(300);

    auto *game = page->property("game").value<MagicBoardGame *>();
    auto *board = page->findChild<QQuickItem *>(QStringLiteral("drawingBoard"));
    if (!game || !board)
        return 1;
    std::printf("renderer: %s, board %.0f x %.0f\n",
                window.rendererInterface()->graphicsApi() == QSGRendererInterface::Software ? "software" : "other",
                board->width(), board->height());

    // The time of the next frame's synchronisation and rendering.
    const auto nextFrameMs = [&] {
        QElapsedTimer render;
        double ms = -1;
        auto started = QObject::connect(&window, &QQuickWindow::beforeSynchronizing, &window,
                                        [&] { render.start(); }, Qt::DirectConnection);
        auto swapped = QObject::connect(&window, &QQuickWindow::frameSwapped, &window,
                                        [&] { ms = render.nsecsElapsed() / 1e6; }, Qt::DirectConnection);
        if (!QTest::qWaitFor([&] { return ms >= 0; }, 2000))
            ms = -1; // no frame came: the caller counts it as missing
        QObject::disconnect(started);
        QObject::disconnect(swapped);
        return ms;
    };
    const auto run = [&](const char *what) {
        drawFrames(window, board, 30); // warm up
        game->strokes()->removeLast();
        nextFrameMs(); // the undo repaints the image of finished strokes
        const Figures f = summary(drawFrames(window, board, 300));
        game->strokes()->removeLast();
        nextFrameMs();
        std::printf("%-34s median %6.2f ms  95th %6.2f ms  worst %6.2f ms\n", what, f.median, f.p95, f.worst);
    };
    run("empty board, drawing:");

    QRandomGenerator random(2024);
    for (int i = 0; i < 200; ++i)
        game->strokes()->append(scribble(random, board->size()));
    std::printf("first frame with 200 strokes (the image painted): %.2f ms\n", nextFrameMs());
    run("200 strokes on the board, drawing:");

    game->undo();
    std::printf("frame after an undo with 199 strokes left (the image painted again): %.2f ms\n", nextFrameMs());
    return 0;
}

#pragma once

// What the frame benchmarks share: a game's page as the host shows it, alone in a
// window, and the time each of the window's frames takes.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include "UiSetup.h"

// Call before the application object: the offscreen platform unless another is asked
// for, and Qt Quick's software renderer, the renderer of a machine without graphics.
inline void useSoftwareRenderer()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

// Processor time of the calling thread so far, in milliseconds.
inline double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The game page of `gameId` filling a shown window of `size`, drawn with the program's
// fonts (its emoji drawn past Qt's glyph caches, as in the program) and its engine's
// image provider.
class BenchPage
{
public:
    BenchPage(const QString &gameId, QSize size)
    {
        static const bool fontsInstalled = [] {
            Ui::installFonts();
            return true;
        }();
        Q_UNUSED(fontsInstalled);
        Ui::prepareEngine(m_engine);
        // What is built asynchronously is made between the window's frames, as under
        // the program's window.
        m_engine.setIncubationController(window.incubationController());
        QQmlComponent component(&m_engine);
        component.setData(QStringLiteral(R"(
            import QtQuick
            import Pipwhistle.App
            Item {
                property alias page: page
                RootState { id: state }
                GameHostView { id: page; anchors.fill: parent; gameId: "%1"; timeController: state.timeController }
            })").arg(gameId).toUtf8(), QUrl());
        m_object.reset(component.create());
        auto *root = qobject_cast<QQuickItem *>(m_object.get());
        if (!root) {
            std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
            return;
        }
        window.resize(size);
        root->setParentItem(window.contentItem());
        root->setSize(window.size());
        window.show();
    }

    // Lays the page out once more, a point narrower and back, as a window of the program
    // is while it is mapped and placed: Qt's layouts can keep an arrangement made while
    // the page was coming to its size (the milk-tea shop's controls then get no width).
    void layOutAgain()
    {
        root()->setWidth(window.width() - 1);
        root()->setWidth(window.width());
    }

    QQuickItem *root() const { return qobject_cast<QQuickItem *>(m_object.get()); }

    // The page's GameHostController.
    QObject *host() const
    {
        auto *page = root() ? root()->property("page").value<QQuickItem *>() : nullptr;
        return page ? page->property("host").value<QObject *>() : nullptr;
    }

    // The game on the page once its view has come, else null.
    template <typename Game>
    Game *game() const
    {
        auto *page = root() ? root()->property("page").value<QQuickItem *>() : nullptr;
        auto *view = page ? page->property("gameView").value<QQuickItem *>() : nullptr;
        return view ? view->property("game").value<Game *>() : nullptr;
    }

    QQuickWindow window;

private:
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_object;
};

// Times each frame of a window from its start (animations advanced) to the end of its
// rendering (polish, synchronisation and rendering), on the wall clock (`all`) and in
// processor time of the interface thread (`cpu`: the time other programs held the
// processor left out; whole frames only where that thread also renders, as with the
// software renderer); a frame is also counted among the `changed` ones when
// `changedSince()` was true as it started, and when each began (`at`, ms since the timer
// was made). With `keepDrawing`, a new frame is asked for
// as soon as one is on screen, so that idle frames are timed too.
class FrameTimer
{
public:
    FrameTimer(QQuickWindow &window, bool keepDrawing)
    {
        m_clock.start();
        QObject::connect(&window, &QQuickWindow::afterAnimating, &window, [this] {
            m_frameStart = m_clock.nsecsElapsed();
            m_frameCpuStart = threadCpuMs();
            m_drawsChange = m_changed && m_changed();
        }, Qt::DirectConnection);
        QObject::connect(&window, &QQuickWindow::afterRendering, &window, [this] {
            const double ms = (m_clock.nsecsElapsed() - m_frameStart) / 1e6;
            all.push_back(ms);
            at.push_back(m_frameStart / 1e6);
            cpu.push_back(threadCpuMs() - m_frameCpuStart);
            if (m_drawsChange)
                changed.push_back(ms);
        }, Qt::DirectConnection);
        if (keepDrawing)
            QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&window] { window.update(); });
    }

    // Asked at the start of each frame: whether the frame draws a change worth telling apart.
    void markChanges(std::function<bool()> changedSince) { m_changed = std::move(changedSince); }
    void clear()
    {
        all.clear();
        cpu.clear();
        at.clear();
        changed.clear();
    }

    std::vector<double> all;
    std::vector<double> cpu;
    std::vector<double> changed;
    std::vector<double> at;

private:
    QElapsedTimer m_clock;
    qint64 m_frameStart = 0;
    double m_frameCpuStart = 0;
    bool m_drawsChange = false;
    std::function<bool()> m_changed;
};

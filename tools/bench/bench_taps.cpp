// Tap to changed frame: from a child's tap to the end of the first frame that shows
// what the tap changed, at 1366×1024 unless --size says otherwise, in the renderer Qt
// picks (run under Xvfb for OpenGL on llvmpipe; QT_QUICK_BACKEND=software for the
// software renderer):
//  - opening each shelf from its portal on the playground (a click),
//  - opening each playable game from its shelf (the shelf's own openGame, as its card
//    calls it),
//  - the first answer tap in the character match and in English listening (a click).
// Each kind of tap is also split into its stretches (the tap's work, the wait for the
// frame, the frame's synchronisation, its rendering).
// Run: xvfb-run -s "-screen 0 1366x1024x24" build/tools/bench/bench_taps [--runs N] [--shelves-only]
//      [--games id,id,...]
#include "BenchFigures.h"
#include "GameHostController.h"
#include "PipwhistleApp.h"
#include "ShellCatalog.h"
#include "ShellBench.h"
#include "ShellWindowTest.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWheelEvent>

#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Watches the window's frames: the frame prepared when `shows()` (asked on the interface
// thread, just before the frame is synchronised) first turns true is the changed frame,
// and the tap's time ends when that frame has been swapped onto the screen. Each time
// is also split into its stretches: the work on the interface thread until the changed
// frame starts (the tap's events, the objects it builds, their layout, any frame drawn
// before), the frame's synchronisation (the interface thread stopped while the items
// give the renderer their pictures), and its rendering until it is on the screen.
class FrameWatch
{
public:
    struct Stretches
    {
        double interface = 0, sync = 0, render = 0;
    };

    explicit FrameWatch(QQuickWindow *window)
    {
        m_clock.start();
        QObject::connect(window, &QQuickWindow::afterAnimating, window, [this] {
            if (m_armed && !m_showingFrame && m_shows && m_shows()) {
                m_frameNs = m_clock.nsecsElapsed();
                m_showingFrame = true;
            }
        }, Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::beforeSynchronizing, window, [this] {
            if (m_showingFrame)
                m_syncNs = m_clock.nsecsElapsed();
        }, Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::afterSynchronizing, window, [this] {
            if (m_showingFrame)
                m_syncEndNs = m_clock.nsecsElapsed();
        }, Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [this] {
            if (m_showingFrame.exchange(false) && m_armed.exchange(false))
                m_doneNs = m_clock.nsecsElapsed();
        }, Qt::DirectConnection);
    }

    // Milliseconds from the tap to the changed frame on screen, or -1 when none came.
    double time(const std::function<void()> &tap, std::function<bool()> shows)
    {
        m_shows = std::move(shows);
        m_doneNs = -1;
        m_syncNs = m_syncEndNs = m_frameNs = -1;
        m_showingFrame = false;
        m_armed = true;
        const qint64 start = m_clock.nsecsElapsed();
        tap();
        const bool came = QTest::qWaitFor([&] { return m_doneNs >= 0; }, 5000);
        m_armed = false;
        if (!came)
            return -1;
        const auto ms = [](qint64 from, qint64 to) { return from >= 0 && to >= from ? (to - from) / 1e6 : 0.0; };
        last = {ms(start, m_frameNs), ms(m_syncNs, m_syncEndNs), ms(m_syncEndNs, m_doneNs)};
        return (m_doneNs - start) / 1e6;
    }

    Stretches last;

private:
    QElapsedTimer m_clock;
    std::function<bool()> m_shows;
    std::atomic<bool> m_armed{false};
    std::atomic<bool> m_showingFrame{false};
    std::atomic<qint64> m_frameNs{-1}, m_syncNs{-1}, m_syncEndNs{-1}, m_doneNs{-1};
};

// The times of one kind of tap, by what was tapped, with their stretches.
struct TapTimes
{
    std::map<QString, std::vector<double>> times;
    std::map<QString, std::vector<FrameWatch::Stretches>> stretches;

    void add(const QString &name, double ms, const FrameWatch &watch)
    {
        times[name].push_back(ms);
        if (ms >= 0)
            stretches[name].push_back(watch.last);
    }
};

// The median of one stretch over `taps`.
double medianOf(const std::vector<FrameWatch::Stretches> &taps, double FrameWatch::Stretches::*part)
{
    std::vector<double> values;
    for (const FrameWatch::Stretches &s : taps)
        values.push_back(s.*part);
    return summarise(values).median;
}

QObject *playOnTop(ShellFixture &f)
{
    GameHostController *host = f.host();
    QQuickItem *page = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->property("host").value<GameHostController *>(); });
    QQuickItem *view = page ? page->property("gameView").value<QQuickItem *>() : nullptr;
    return host && view ? view->property("game").value<QObject *>() : nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    WebViewSetup::prepare(); // the video room's player
    Ui::prepareGraphics();
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Rounds over every tap."), QStringLiteral("n"),
                                  QStringLiteral("3"));
    const QCommandLineOption sizeOption = windowSizeOption(QStringLiteral("1366x1024"));
    QCommandLineOption shelvesOption(QStringLiteral("shelves-only"), QStringLiteral("Only open the shelves."));
    QCommandLineOption gamesOption(QStringLiteral("games"), QStringLiteral("Only open these games."),
                                   QStringLiteral("id,id,..."));
    parser.addOptions({runsOption, sizeOption, shelvesOption, gamesOption});
    parser.process(application);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QSize size = windowSize(parser, sizeOption);
    const QStringList onlyGames = parser.value(gamesOption).split(QLatin1Char(','), Qt::SkipEmptyParts);

    ShellFixture f;
    GameDispatch::setExtraRows({}); // the real games
    if (!f.window())
        return 1;
    f.window()->resize(size);
    FrameWatch frames(f.window());
    TapTimes shelfTimes, gameTimes, answerTimes;

    // Into the playground, as a parent first does.
    if (!f.clickText(QStringLiteral("进入豆铃乐园")) || !f.waitShown(QStringLiteral("首次使用，请设置四位家长密码")))
        return 1;
    f.typeInto(QStringLiteral("setupPin"), QStringLiteral("2468"));
    if (!f.clickText(QStringLiteral("确定，进入乐园")) || !f.waitGone(QStringLiteral("设置娱乐时间")))
        return 1;
    QTest::qWait(500);
    QQuickItem *stack = stackOf(f);
    // What the application hands back after a page has gone (the release, then the
    // allocator's free pages once more) comes, as in play, while the child looks at the
    // screen beneath, before the next tap: the tap then pays for what has to be made or
    // allocated again.
    const auto released = [&] {
        f.clock.advance(PipwhistleApp::releaseDelayMs);
        QTest::qWait(100);
        f.clock.advance(PipwhistleApp::settledTrimDelayMs);
        QTest::qWait(200);
    };

    for (int run = 0; run < runs; ++run) {
        for (const QString &category : ShellCatalog::categories()) {
            const QString shelf = ShellCatalog::shelfName(category);
            QQuickItem *portal = portalInView(f, shelf);
            if (!portal || !settled(stack, 1))
                return std::fprintf(stderr, "no portal for %s\n", qPrintable(shelf)), 1;
            released();
            shelfTimes.add(shelf, frames.time([&] { ShellTest::click(f.window(), portal); },
                                              [&] { return depth(stack) == 2; }), frames);
            settled(stack, 2);
            QTest::qWait(200);

            const QVariantList games = parser.isSet(shelvesOption) ? QVariantList() : ShellCatalog::games(category);
            for (const QVariant &entry : games) {
                const QVariantMap game = entry.toMap();
                const QString id = game.value(QStringLiteral("id")).toString();
                if (!game.value(QStringLiteral("available")).toBool() || (!onlyGames.isEmpty() && !onlyGames.contains(id)))
                    continue;
                QQuickItem *shelfPage = stack->property("currentItem").value<QQuickItem *>();
                gameTimes.add(id, frames.time(
                    [&] { QMetaObject::invokeMethod(shelfPage, "openGame", Q_ARG(QVariant, game)); },
                    [&] { return depth(stack) == 3 && playOnTop(f); }), frames);
                settled(stack, 3);
                QTest::qWait(300);

                // The first answer of the quiz games a child meets first.
                if (id == QLatin1String("chinese-match") || id == QLatin1String("english-listen")) {
                    QObject *play = playOnTop(f);
                    QQuickItem *tile = ShellTest::findNamed(f.root(), QStringLiteral("tile0"));
                    if (play && tile)
                        answerTimes.add(id, frames.time(
                            [&] { ShellTest::click(f.window(), tile); },
                            [&] { return !play->property("feedback").toString().isEmpty(); }), frames);
                }
                f.clickText(QStringLiteral("返回书架"));
                settled(stack, 2);
                released();
            }
            f.clickText(QStringLiteral("返回类型"));
            settled(stack, 1);
        }
    }

    std::printf("tap to changed frame at %dx%d, %d rounds (ms):\n", size.width(), size.height(), runs);
    const auto report = [](const char *what, const TapTimes &taps) {
        std::vector<double> all;
        std::vector<FrameWatch::Stretches> allStretches;
        for (const auto &[name, values] : taps.times) {
            print(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(what), name)), summarise(values), values.size());
            const std::vector<FrameWatch::Stretches> &parts = taps.stretches.count(name) ? taps.stretches.at(name)
                                                                                       : std::vector<FrameWatch::Stretches>();
            if (!parts.empty())
                std::printf("    median: interface thread %6.2f, synchronised %6.2f, rendered and shown %6.2f ms\n",
                            medianOf(parts, &FrameWatch::Stretches::interface), medianOf(parts, &FrameWatch::Stretches::sync),
                            medianOf(parts, &FrameWatch::Stretches::render));
            all.insert(all.end(), values.begin(), values.end());
            allStretches.insert(allStretches.end(), parts.begin(), parts.end());
        }
        if (all.empty())
            return;
        print(qPrintable(QStringLiteral("%1, all").arg(QLatin1String(what))), summarise(all), all.size());
        const auto stretch = [&](const char *name, double FrameWatch::Stretches::*part) {
            std::vector<double> values;
            for (const FrameWatch::Stretches &s : allStretches)
                values.push_back(s.*part);
            print(qPrintable(QStringLiteral("  %1: %2").arg(QLatin1String(what), QLatin1String(name))), summarise(values),
                  values.size());
        };
        stretch("interface thread", &FrameWatch::Stretches::interface);
        stretch("frame synchronised", &FrameWatch::Stretches::sync);
        stretch("frame rendered and shown", &FrameWatch::Stretches::render);
    };
    report("open shelf", shelfTimes);
    report("open game", gameTimes);
    report("first answer", answerTimes);
    return 0;
}

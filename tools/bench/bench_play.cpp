// Frame times of the language and mathematics games while they are played, in one
// process and in Qt Quick's software renderer: each game's page alone in a window (as
// the host shows it, top bar and backdrop included) takes the same taps at the same
// places as playground_bench.py's games phase, and every frame is timed from its
// animations to the end of its rendering, on the wall clock and in the processor time
// of the interface thread (the software renderer draws on it), with the longest time
// that thread spent on one event; then the play is reported finished and the frames of
// its fade under the completion card are timed apart. Without X, xdotool or a fresh
// process per start, and with processor time beside the wall clock, its figures move
// less from run to run, which suits comparing two builds of one change. The games that
// the answer area does not play (a start button first, a book's page buttons, a shop's
// flavours and toppings) have their taps go to their controls, by name, in turn.
// Run: build/tools/bench/bench_play [--games id,id] [--taps N] [--runs N] [--size WxH]
#include "BenchFigures.h"
#include "BenchPage.h"
#include "LearningContent.h"
#include "Random.h"
#include "ShellWindowTest.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest/QTest>

#include <map>
#include <numeric>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

const QStringList allGames = {
    QStringLiteral("english-listen"), QStringLiteral("word-shooter"), QStringLiteral("phonics-train"),
    QStringLiteral("chinese-match"), QStringLiteral("idiom-pictures"), QStringLiteral("radical-builder"),
    QStringLiteral("sentence-maker"), QStringLiteral("math-battle"), QStringLiteral("make-ten"),
    QStringLiteral("supermarket"), QStringLiteral("clock-master"), QStringLiteral("little-lab"),
    QStringLiteral("number-slider"), QStringLiteral("pattern")};

// Where a child taps while playing, in a 1180×820 window: the answer area, in turn
// (the same places as the games phase of playground_bench.py).
QList<QPoint> playTaps()
{
    QList<QPoint> taps;
    for (int y : {440, 570, 380, 500, 640})
        for (int x : {325, 855, 590, 200, 980})
            taps << QPoint(x, y);
    return taps;
}

// The controls tapped in turn in the games played by their controls; a control not
// shown at the time (the start button once the play runs) gives way to the next.
const std::map<QString, QStringList> namedTaps = {
    {QStringLiteral("picture-book"), {QStringLiteral("next"), QStringLiteral("next"), QStringLiteral("previous")}},
    {QStringLiteral("story-chain"), {QStringLiteral("next"), QStringLiteral("next"), QStringLiteral("previous")}},
    {QStringLiteral("fruit-catcher"), {QStringLiteral("start"), QStringLiteral("left"), QStringLiteral("right"),
                                       QStringLiteral("right"), QStringLiteral("left")}},
    {QStringLiteral("magic-bakery"), {QStringLiteral("flavour0"), QStringLiteral("topping0"), QStringLiteral("flavour1"),
                                      QStringLiteral("topping3"), QStringLiteral("flavour2"), QStringLiteral("topping1")}},
    {QStringLiteral("word-builder"), {QStringLiteral("tile0"), QStringLiteral("tile1"), QStringLiteral("tile2"),
                                      QStringLiteral("backButton")}},
};

// Where the `tap`th tap of a play of `gameId` lands.
QPoint tapPoint(const BenchPage &page, const QString &gameId, int tap, const QList<QPoint> &answerArea)
{
    const auto named = namedTaps.find(gameId);
    if (named == namedTaps.end())
        return answerArea[tap % answerArea.size()];
    const QStringList &names = named->second;
    for (int i = 0; i < names.size(); ++i) {
        QQuickItem *control = ShellTest::findNamed(page.root(), names[(tap + i) % names.size()]);
        if (ShellTest::isShown(control) && control->isEnabled())
            return ShellTest::centre(control);
    }
    return answerArea[tap % answerArea.size()];
}

// The application, timing the interface thread's longest stall: the longest it spent
// on one event (a frame, a timer, a tap) before it could take the next one, on the wall
// clock and in its processor time. Timed around the events themselves, since with GLib's
// event dispatcher Qt signals both `aboutToBlock` and `awake` outside the dispatch of
// events: the span between them holds the wait and no work.
class BenchApplication : public QGuiApplication
{
public:
    BenchApplication(int &argc, char **argv)
        : QGuiApplication(argc, argv)
    {
        m_clock.start();
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        // Other threads deliver their own events through here too; an event sent while
        // one is handled is part of it.
        if (QThread::currentThread() != thread() || m_depth > 0)
            return QGuiApplication::notify(receiver, event);
        ++m_depth;
        const qint64 start = m_clock.nsecsElapsed();
        const double startCpu = threadCpuMs();
        const bool handled = QGuiApplication::notify(receiver, event);
        longestStall = std::max(longestStall, double(m_clock.nsecsElapsed() - start) / 1e6);
        longestStallCpu = std::max(longestStallCpu, threadCpuMs() - startCpu);
        --m_depth;
        return handled;
    }

    double longestStall = 0;    // ms, wall clock
    double longestStallCpu = 0; // ms, processor time

private:
    QElapsedTimer m_clock;
    int m_depth = 0;
};

// Runs the event loop for `ms` (QTest::qWait sleeps between its rounds of events).
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(double(values.size()) * p))];
}

struct Figures
{
    std::vector<double> p50, p99, max, cpu99, cpuSum, stall, stallCpu, frames, finishMax, finishCpuMax;
};

} // namespace

int main(int argc, char **argv)
{
    useSoftwareRenderer();
    BenchApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption gamesOption(QStringLiteral("games"), QStringLiteral("Games by identifier, comma-separated."), QStringLiteral("ids"),
                                   allGames.join(QLatin1Char(',')));
    QCommandLineOption tapsOption(QStringLiteral("taps"), QStringLiteral("Taps per play."), QStringLiteral("n"), QStringLiteral("40"));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Plays of each game."), QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption sizeOption = windowSizeOption(QStringLiteral("1180x820"));
    parser.addOptions({gamesOption, tapsOption, runsOption, sizeOption});
    parser.process(app);
    const QStringList games = parser.value(gamesOption).split(QLatin1Char(','));
    const QSize size = windowSize(parser, sizeOption);
    const QList<QPoint> taps = playTaps();
    // As the program does at start, off the timed plays.
    LearningContent::prepareTransliteration();

    std::map<QString, Figures> figures;
    for (int run = 0; run < parser.value(runsOption).toInt(); ++run) {
        for (const QString &id : games) {
            // The same questions for a game and run in every build.
            Random::shared().seed(quint64(run * 100 + games.indexOf(id)));
            BenchPage page(id, size);
            if (!QTest::qWaitForWindowExposed(&page.window))
                return 1;
            wait(600); // the page's entrance and its first question
            // The frame that draws the page laid out again (a new size for every panel
            // and card whose arrangement changes, all painted again) belongs to the
            // page's opening, as the window's placing does in the program: it is drawn
            // before the frames of the play are timed, not with the first tap's.
            QSignalSpy laidOut(&page.window, &QQuickWindow::afterRendering);
            page.layOutAgain();
            laidOut.wait(1000);
            FrameTimer timer(page.window, false);
            app.longestStall = app.longestStallCpu = 0;
            for (int i = 0; i < parser.value(tapsOption).toInt(); ++i) {
                QTest::mouseClick(&page.window, Qt::LeftButton, {}, tapPoint(page, id, i, taps));
                wait(300);
            }
            Figures &f = figures[id];
            f.p50.push_back(percentile(timer.all, 0.5));
            f.p99.push_back(percentile(timer.all, 0.99));
            f.max.push_back(percentile(timer.all, 1));
            f.cpu99.push_back(percentile(timer.cpu, 0.99));
            f.cpuSum.push_back(std::accumulate(timer.cpu.begin(), timer.cpu.end(), 0.0));
            f.stall.push_back(app.longestStall);
            f.stallCpu.push_back(app.longestStallCpu);
            f.frames.push_back(double(timer.all.size()));

            // A play reported as finished: the blurred game fades in under the card.
            QObject *host = page.host();
            if (host->property("hasResult").toBool()) {
                QMetaObject::invokeMethod(host, "nextLevel");
                wait(600);
            }
            timer.clear();
            QMetaObject::invokeMethod(host, "finish", Q_ARG(qint64, 80), Q_ARG(qint64, 3));
            wait(800);
            f.finishMax.push_back(percentile(timer.all, 1));
            f.finishCpuMax.push_back(percentile(timer.cpu, 1));
        }
    }
    const auto line = [](const std::vector<double> &v) {
        const Summary s = summarise(v);
        return QStringLiteral("%1 (%2–%3)").arg(s.median, 0, 'f', 1).arg(s.min, 0, 'f', 1).arg(s.max, 0, 'f', 1);
    };
    std::printf("software renderer, %dx%d, median (range) over the runs, ms\n", size.width(), size.height());
    for (const QString &id : games) {
        const Figures &f = figures[id];
        std::printf("%-16s p50 %s  p99 %s  max %s  cpu p99 %s  cpu sum %s  longest stall %s  cpu %s  frames %s"
                    "  finish max %s  cpu %s\n",
                    qPrintable(id), qPrintable(line(f.p50)), qPrintable(line(f.p99)), qPrintable(line(f.max)),
                    qPrintable(line(f.cpu99)), qPrintable(line(f.cpuSum)), qPrintable(line(f.stall)),
                    qPrintable(line(f.stallCpu)), qPrintable(line(f.frames)), qPrintable(line(f.finishMax)),
                    qPrintable(line(f.finishCpuMax)));
    }
    return 0;
}

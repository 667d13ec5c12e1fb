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
// Each play also counts its frames over 8 ms (wall clock and processor time), the
// pictures its frames had to wait for (PictureCache::notReadyWhenAsked), and the longest
// stall of its page's opening (its first frames and what it builds once they are shown,
// as the video room's player). With --over MS it lists, after each play, its frames and
// stalls longer than MS with what came before them: the last tap, the last feedback,
// question or speech. With --random-taps SECONDS a play is taps at points drawn over the
// game's whole area below the top bar instead, at a child's pace, from --seed (the same
// points for a game and run in every build).
// Run: build/tools/bench/bench_play [--games id,id] [--taps N] [--runs N] [--size WxH] [--over MS]
//                                   [--random-taps SECONDS --seed N]
#include "BenchFigures.h"
#include "BenchPage.h"
#include "GameHostController.h"
#include "PictureCache.h"
#include "Random.h"
#include "RoundQuizGame.h"
#include "SeededRandom.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"
#include "WebViewSetup.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaEnum>
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

using namespace Qt::StringLiterals;

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
    {QStringLiteral("pet-care"), {QStringLiteral("task0"), QStringLiteral("task1"), QStringLiteral("task2"),
                                  QStringLiteral("task3"), QStringLiteral("finish")}},
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

// A child's random tap: a point drawn uniformly over the game's area of a window of
// `size` (below the top bar, which holds the back button and the time chip; the host's
// margins left out), and the pause after it, 150-500 ms.
struct RandomTap
{
    QPoint point;
    int pauseMs;
};
RandomTap randomTap(SplitMix64 &mix, QSize size)
{
    const auto within = [&mix](int from, int to) { return from + int(mix.next() % quint64(to - from + 1)); };
    const int x = within(42, size.width() - 42), y = within(80, size.height() - 24);
    return {QPoint(x, y), within(150, 500)};
}

// What happened in a play, in ms since its start: the taps, feedback, questions and
// speech asked for (`notes`), and the events the interface thread spent longer on
// than a threshold (`stalls`).
struct PlayLog
{
    struct Entry
    {
        double at;
        QString what;
        double ms = 0, cpu = 0;
    };
    std::vector<Entry> notes, stalls;
    qint64 startNs = 0;
    double startMonotonic = 0; // s, the system's monotonic clock (perf record -k CLOCK_MONOTONIC)
};

// What an event was and whom it went to: "Timer to QTimer (RoundQuizGame)"; the
// receiver is gone (null) when the event deleted it.
QString describe(QEvent::Type type, const char *className, const QObject *receiver)
{
    const char *name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    QString text = (name ? QString::fromLatin1(name) : QString::number(int(type))) + u" to "_s
                   + QString::fromLatin1(className);
    if (receiver && !receiver->objectName().isEmpty())
        text += u" \""_s + receiver->objectName() + u'"';
    if (const QObject *parent = receiver ? receiver->parent() : nullptr)
        text += u" ("_s + QString::fromLatin1(parent->metaObject()->className()) + u')';
    return text;
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
        const QEvent::Type type = event->type();
        const char *className = receiver->metaObject()->className();
        const QPointer<QObject> guard = log && overMs > 0 ? receiver : nullptr;
        const bool handled = QGuiApplication::notify(receiver, event);
        const double ms = double(m_clock.nsecsElapsed() - start) / 1e6, cpu = threadCpuMs() - startCpu;
        longestStall = std::max(longestStall, ms);
        longestStallCpu = std::max(longestStallCpu, cpu);
        if (log && overMs > 0 && ms > overMs)
            log->stalls.push_back({double(start - log->startNs) / 1e6, describe(type, className, guard), ms, cpu});
        --m_depth;
        return handled;
    }

    double longestStall = 0;    // ms, wall clock
    double longestStallCpu = 0; // ms, processor time
    double overMs = 0;          // the stalls longer than this go into `log`
    PlayLog *log = nullptr;

    // Starts a new log of a play, now.
    void startLog(PlayLog &playLog)
    {
        log = &playLog;
        log->startNs = m_clock.nsecsElapsed();
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        log->startMonotonic = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    }
    double sinceStart() const { return log ? double(m_clock.nsecsElapsed() - log->startNs) / 1e6 : 0; }

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

// Notes in `log` what the game on `page` and the speech service do from now on.
void listen(PlayLog &log, const BenchApplication &app, const BenchPage &page, QObject *context)
{
    const auto note = [&log, &app](const QString &what) { log.notes.push_back({app.sinceStart(), what}); };
    if (auto *game = page.game<GameBase>()) {
        QObject::connect(&game->line(), &FeedbackLine::changed, context, [note, game] {
            note(u"feedback \""_s + game->line().text() + u'"');
        });
        if (auto *quiz = qobject_cast<RoundQuizGame *>(game))
            QObject::connect(quiz, &RoundQuizGame::questionChanged, context, [note, quiz] {
                note(u"question "_s + QString::number(quiz->round() + 1));
            });
    }
    if (auto *host = qobject_cast<GameHostController *>(page.host()))
        QObject::connect(host, &GameHostController::resultChanged, context, [note, host] {
            note(host->hasResult() ? u"result shown"_s : u"result gone"_s);
        });
    SpeechService &speech = SpeechService::shared();
    QObject::connect(&speech, &SpeechService::localUtterance, context,
                     [note](const QString &text) { note(u"speech \""_s + text + u'"'); });
    QObject::connect(&speech, &SpeechService::remoteRequestStarted, context,
                     [note](const QUrl &url) { note(u"pronunciation asked "_s + url.path()); });
    QObject::connect(&speech, &SpeechService::remoteClipStarted, context,
                     [note](const QString &text) { note(u"pronunciation clip \""_s + text + u'"'); });
}

// Prints the frames and stalls of a play longer than `overMs`, each after the last tap
// and the last other note before it began.
void printLong(const QString &id, int run, const PlayLog &log, const FrameTimer &timer, double overMs)
{
    std::vector<PlayLog::Entry> entries = log.stalls;
    for (size_t i = 0; i < timer.all.size(); ++i)
        if (timer.all[i] > overMs)
            entries.push_back({timer.at[i], u"frame"_s, timer.all[i], timer.cpu[i]});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) { return a.at < b.at; });
    std::printf("%s, run %d (from %.3f s on the monotonic clock): %zu frames and stalls over %.1f ms\n", qPrintable(id),
                run, log.startMonotonic, entries.size(), overMs);
    for (const PlayLog::Entry &entry : entries) {
        QString before;
        for (bool tap : {true, false}) {
            const auto last = std::find_if(log.notes.rbegin(), log.notes.rend(), [&](const PlayLog::Entry &note) {
                return note.at <= entry.at && note.what.startsWith(u"tap"_s) == tap;
            });
            if (last != log.notes.rend())
                before += QStringLiteral("; %1 ms after %2").arg(entry.at - last->at, 0, 'f', 0).arg(last->what);
        }
        std::printf("  %7.0f ms  %5.1f ms (cpu %5.1f)  %s%s\n", entry.at, entry.ms, entry.cpu, qPrintable(entry.what),
                    qPrintable(before));
    }
}

struct Figures
{
    std::vector<double> p50, p99, max, cpu99, cpuSum, over8, over8Cpu, stall, stallCpu, frames, notReady, openStall,
        openStallCpu, finishMax, finishCpuMax, finishCpuSum;
};

} // namespace

int main(int argc, char **argv)
{
    // The video room's web view needs what the program sets up before its application
    // object; its player pages stay offline (no host name resolves).
    WebViewSetup::prepare();
    useSoftwareRenderer();
    QList<char *> arguments(argv, argv + argc);
    char offline[] = "--host-resolver-rules=MAP * ~NOTFOUND";
    arguments.append(offline);
    int count = int(arguments.size());
    BenchApplication app(count, arguments.data());
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption gamesOption(QStringLiteral("games"), QStringLiteral("Games by identifier, comma-separated."), QStringLiteral("ids"),
                                   allGames.join(QLatin1Char(',')));
    QCommandLineOption tapsOption(QStringLiteral("taps"), QStringLiteral("Taps per play."), QStringLiteral("n"), QStringLiteral("40"));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Plays of each game."), QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption sizeOption = windowSizeOption(QStringLiteral("1180x820"));
    QCommandLineOption overOption(QStringLiteral("over"), QStringLiteral("List the frames and stalls longer than this."),
                                  QStringLiteral("ms"), QStringLiteral("0"));
    QCommandLineOption randomOption(QStringLiteral("random-taps"),
                                    QStringLiteral("Tap random points over the game's area for this long instead."),
                                    QStringLiteral("seconds"), QStringLiteral("0"));
    QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the random taps."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    parser.addOptions({gamesOption, tapsOption, runsOption, sizeOption, overOption, randomOption, seedOption});
    QStringList given = QCoreApplication::arguments();
    given.removeAll(QString::fromLatin1(offline));
    parser.process(given);
    const QStringList games = parser.value(gamesOption).split(QLatin1Char(','));
    const QSize size = windowSize(parser, sizeOption);
    const QList<QPoint> taps = playTaps();
    app.overMs = parser.value(overOption).toDouble();

    std::map<QString, Figures> figures;
    for (int run = 0; run < parser.value(runsOption).toInt(); ++run) {
        for (const QString &id : games) {
            // The same questions for a game and run in every build.
            Random::shared().seed(quint64(run * 100 + games.indexOf(id)));
            app.longestStall = app.longestStallCpu = 0;
            BenchPage page(id, size);
            if (!QTest::qWaitForWindowExposed(&page.window))
                return 1;
            wait(600); // the page's entrance and its first question
            // The page's opening: what its first frames and what it builds after them
            // (the video room's player) held the interface thread up.
            const double openStall = app.longestStall, openStallCpu = app.longestStallCpu;
            // The frame that draws the page laid out again (a new size for every panel
            // and card whose arrangement changes, all painted again) belongs to the
            // page's opening, as the window's placing does in the program: it is drawn
            // before the frames of the play are timed, not with the first tap's.
            QSignalSpy laidOut(&page.window, &QQuickWindow::afterRendering);
            page.layOutAgain();
            laidOut.wait(1000);
            PlayLog log;
            QObject listener;
            if (app.overMs > 0)
                listen(log, app, page, &listener);
            FrameTimer timer(page.window, false);
            app.startLog(log);
            app.longestStall = app.longestStallCpu = 0;
            const int notReady = PictureCache::shared().notReadyWhenAsked();
            const double randomMs = parser.value(randomOption).toDouble() * 1000;
            if (randomMs > 0) {
                SplitMix64 mix(parser.value(seedOption).toULongLong() * 1000003 + qHash(id) + quint64(run));
                QElapsedTimer played;
                played.start();
                for (int i = 0; played.elapsed() < randomMs; ++i) {
                    const RandomTap tap = randomTap(mix, size);
                    log.notes.push_back({app.sinceStart(), QStringLiteral("tap %1 (%2, %3)").arg(i).arg(tap.point.x()).arg(tap.point.y())});
                    QTest::mouseClick(&page.window, Qt::LeftButton, {}, tap.point);
                    wait(tap.pauseMs);
                }
            }
            for (int i = 0; randomMs <= 0 && i < parser.value(tapsOption).toInt(); ++i) {
                const QPoint point = tapPoint(page, id, i, taps);
                log.notes.push_back({app.sinceStart(), QStringLiteral("tap %1 (%2, %3)").arg(i).arg(point.x()).arg(point.y())});
                QTest::mouseClick(&page.window, Qt::LeftButton, {}, point);
                wait(300);
            }
            app.log = nullptr;
            if (app.overMs > 0)
                printLong(id, run, log, timer, app.overMs);
            Figures &f = figures[id];
            f.p50.push_back(percentile(timer.all, 0.5));
            f.p99.push_back(percentile(timer.all, 0.99));
            f.max.push_back(percentile(timer.all, 1));
            f.cpu99.push_back(percentile(timer.cpu, 0.99));
            f.cpuSum.push_back(std::accumulate(timer.cpu.begin(), timer.cpu.end(), 0.0));
            const auto over = [](const std::vector<double> &v) {
                return double(std::count_if(v.begin(), v.end(), [](double ms) { return ms > 8; }));
            };
            f.over8.push_back(over(timer.all));
            f.over8Cpu.push_back(over(timer.cpu));
            f.notReady.push_back(PictureCache::shared().notReadyWhenAsked() - notReady);
            f.openStall.push_back(openStall);
            f.openStallCpu.push_back(openStallCpu);
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
            f.finishCpuSum.push_back(std::accumulate(timer.cpu.begin(), timer.cpu.end(), 0.0));
        }
    }
    const auto line = [](const std::vector<double> &v) {
        const Summary s = summarise(v);
        return QStringLiteral("%1 (%2–%3)").arg(s.median, 0, 'f', 1).arg(s.min, 0, 'f', 1).arg(s.max, 0, 'f', 1);
    };
    std::printf("software renderer, %dx%d, median (range) over the runs, ms\n", size.width(), size.height());
    for (const QString &id : games) {
        const Figures &f = figures[id];
        std::printf("%-16s p50 %s  p99 %s  max %s  cpu p99 %s  cpu sum %s  over 8 ms %s  cpu %s  longest stall %s  cpu %s"
                    "  frames %s  pictures awaited %s  opening stall %s  cpu %s  finish max %s  cpu %s  cpu sum %s\n",
                    qPrintable(id), qPrintable(line(f.p50)), qPrintable(line(f.p99)), qPrintable(line(f.max)),
                    qPrintable(line(f.cpu99)), qPrintable(line(f.cpuSum)), qPrintable(line(f.over8)),
                    qPrintable(line(f.over8Cpu)), qPrintable(line(f.stall)), qPrintable(line(f.stallCpu)),
                    qPrintable(line(f.frames)), qPrintable(line(f.notReady)), qPrintable(line(f.openStall)), qPrintable(line(f.openStallCpu)),
                    qPrintable(line(f.finishMax)),
                    qPrintable(line(f.finishCpuMax)), qPrintable(line(f.finishCpuSum)));
    }
    return 0;
}

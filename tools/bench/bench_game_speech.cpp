// How long a game's first spoken prompt takes from the moment the game opens (the
// shelf's openGame, as its card calls it: the host page is pushed) to the prompt's first
// audible sample, heard on a private PulseAudio server with a null sink and recorded
// from its monitor. The real shell drives the real games, on the system clock, with the
// remote pronunciation service answering from a loopback server, or out of reach: a
// host name that never resolves, a loopback port that refuses, a loopback server that
// takes the connection and never answers.
//
// Each opening is split into its stretches, in ms from the open: the push's own call
// (the page and the game's view built), the first frame of the page on screen, the end
// of the push's slide, the speech request (the local utterance begins, or the remote
// request goes out), the samples handed to the output (a local utterance synthesised,
// or a remote clip fetched and decoded) and the first audible sample. The game's own
// wait before its prompt, and the utterance's leading silence, are part of the figures.
//
// --games id,id,... picks the games (default: chinese-match, radical-builder,
// math-battle, english-listen, phonics-train); --rounds N opens each game N times per
// network case (default 3); --networks answering,unresolvable,refusing,never picks the
// cases (the never-answering case waits up to --never-answering-ms, default 3000).
// Run: build/tools/bench/bench_game_speech [--rounds 3]
#include "GameDispatch.h"
#include "GameHostController.h"
#include "PipwhistleApp.h"
#include "ShellCatalog.h"
#include "ShellBench.h"
#include "SoundChannel.h"
#include "SoundMonitor.h"
#include "SpeechEngine.h"
#include "SpeechService.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QGuiApplication>

#include <cstdio>
#include <map>

using namespace SoundBench;

namespace {

struct Opening
{
    QString game, network;
    double pushed = -1, shown = -1, settled = -1, request = -1, sounded = -1, heard = -1;
    bool later = false;      // not the first opening of the process
    double at = 0;           // the open, on now()
    double sinkLatency = -1; // the prompt's stream's: a sound card's first sample comes that much later
    PcmClip clip;            // the prompt as handed to the output (a local utterance), and from where it was heard
    double volume = 1;
    bool remoteFirst = false;
    double next = -1; // the channel went on to another clip, or stopped (ms from the open)
    qsizetype onset = -1;
    Gaps gaps;
};

// The largest sink latency of the server's playback streams now, in ms (-1 when none
// plays): what a sound card's first sample waits out and a null sink's monitor does not.
double sinkLatencyMs()
{
    QProcess pactl;
    pactl.start(u"pactl"_s, {u"list"_s, u"sink-inputs"_s});
    if (!pactl.waitForFinished(3000))
        return -1;
    double most = -1;
    for (const QString &line : QString::fromUtf8(pactl.readAllStandardOutput()).split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(u"Sink Latency:"_s))
            most = std::max(most, t.section(u' ', 2, 2).toDouble() / 1000.0);
    }
    return most;
}

QVariantMap catalogueEntry(const QString &gameId, QString *category)
{
    for (const QString &c : ShellCatalog::categories()) {
        for (const QVariant &entry : ShellCatalog::games(c)) {
            if (entry.toMap().value(u"id"_s).toString() == gameId) {
                *category = c;
                return entry.toMap();
            }
        }
    }
    return {};
}

double medianOf(const std::vector<Opening> &all, double Opening::*part)
{
    std::vector<double> values;
    for (const Opening &o : all) {
        if (o.*part >= 0)
            values.push_back(o.*part);
    }
    return median(values);
}

} // namespace

int main(int argc, char **argv)
{
    PrivateSoundServer server;
    if (!startServer(server))
        return 1;
    WebViewSetup::prepare();
    Ui::prepareGraphics();
    QGuiApplication application(argc, argv);
    now(); // starts the clock
    const QStringList args = application.arguments();
    const auto option = [&](const QString &name, const QString &fallback) { return optionValue(args, name, fallback); };
    const QStringList games =
        option(u"--games"_s, u"chinese-match,radical-builder,math-battle,english-listen,phonics-train"_s).split(u',');
    const QStringList networkNames = option(u"--networks"_s, u"answering,unresolvable,refusing,never"_s).split(u',');
    const int rounds = option(u"--rounds"_s, u"3"_s).toInt();
    const int neverAnsweringMs = option(u"--never-answering-ms"_s, u"3000"_s).toInt();
    std::printf("load average at the start: %s\n", qPrintable(loadAverage()));

    SystemClock clock; // the games wait as in play; outlives the shell, which uses it to the end
    ShellFixture f;
    GameDispatch::setExtraRows({}); // the real games
    Clock::setCurrent(&clock);
    if (!f.window())
        return 1;
    f.window()->resize(1366, 1024);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Monitor monitor(server);
    if (!waitUntil([&] { return monitor.running(); }, 5000)) {
        std::fprintf(stderr, "the monitor is not recorded\n");
        return 1;
    }
    if (!f.clickText(u"进入豆铃乐园"_s) || !f.waitShown(u"首次使用，请设置四位家长密码"_s))
        return 1;
    f.typeInto(u"setupPin"_s, u"2468"_s);
    if (!f.clickText(u"确定，进入乐园"_s) || !f.waitGone(u"设置娱乐时间"_s))
        return 1;
    QTest::qWait(500);
    QQuickItem *stack = stackOf(f);

    NeverAnswering neverAnswering;
    ClipService answering(wavDocument(SpeechEngine::synthesize(u"sou1 guo3"_s, {}, SpeechStyle{})));
    const std::map<QString, QUrl> networks{
        {u"answering"_s, QUrl(u"http://127.0.0.1:%1"_s.arg(answering.serverPort()))},
        {u"unresolvable"_s, QUrl(u"https://pronunciation.invalid"_s)},
        {u"refusing"_s, QUrl(u"https://127.0.0.1:%1"_s.arg(refusingPort()))},
        {u"never"_s, QUrl(u"https://127.0.0.1:%1"_s.arg(neverAnswering.serverPort()))},
    };

    std::vector<Opening> done;
    bool firstOfProcess = true;
    // The last opening's prompt, once it has been played to its end.
    const auto countGaps = [&] {
        if (done.empty() || done.back().clip.isEmpty() || done.back().remoteFirst || done.back().onset < 0)
            return;
        Opening &o = done.back();
        o.gaps = gapsIn(monitor, o.onset, o.clip, o.volume, o.next < 0 ? monitor.size() : monitor.indexAt(o.at + o.next));
        if (o.gaps.count > 0)
            std::printf("gaps in the prompt of %s (%s): %d, %.0f ms in all, the longest %.0f ms (load %s)\n",
                        qPrintable(o.game), qPrintable(o.network), o.gaps.count, o.gaps.totalMs, o.gaps.longestMs,
                        qPrintable(loadAverage()));
    };
    for (int round = 0; round < rounds; ++round) {
        for (const QString &network : networkNames) {
            if (!networks.count(network))
                return std::fprintf(stderr, "no network case %s\n", qPrintable(network)), 1;
            SpeechService::setRemoteEndpoint(networks.at(network));
            for (const QString &gameId : games) {
                QString category;
                const QVariantMap entry = catalogueEntry(gameId, &category);
                if (entry.isEmpty())
                    return std::fprintf(stderr, "no game %s\n", qPrintable(gameId)), 1;
                QQuickItem *portal = portalInView(f, ShellCatalog::shelfName(category));
                if (!portal || !settled(stack, 1))
                    return std::fprintf(stderr, "no portal for %s (%s)\n", qPrintable(category), portal ? "busy" : "none"), 1;
                ShellTest::click(f.window(), portal);
                settled(stack, 2);
                QTest::qWait(300);
                // The last game's prompt may still be spoken (leaving a game does not
                // silence it): a pause within an utterance is shorter than this.
                waitUntil([&] { return monitor.quietFor(800); }, 20000);
                countGaps();

                Opening o;
                o.game = gameId;
                o.network = network;
                QObject stages;
                double at = 0;
                QObject::connect(f.window(), &QQuickWindow::frameSwapped, &stages, [&] {
                    if (o.pushed >= 0 && o.shown < 0)
                        o.shown = now() - at;
                }, Qt::DirectConnection);
                QObject::connect(&SpeechService::shared(), &SpeechService::localUtterance, &stages, [&] {
                    if (o.request < 0)
                        o.request = now() - at;
                });
                QObject::connect(&SpeechService::shared(), &SpeechService::remoteRequestStarted, &stages, [&] {
                    if (o.request < 0)
                        o.request = now() - at;
                });
                QObject::connect(&SpeechService::shared().channel(), &SoundChannel::started, &stages,
                                 [&](const PcmClip &clip, double volume) {
                    if (o.sounded < 0)
                        o.sounded = now() - at;
                    if (o.clip.isEmpty()) {
                        o.clip = clip;
                        o.volume = volume;
                    } else if (o.next < 0) {
                        o.next = now() - at;
                    }
                });
                QObject::connect(&SpeechService::shared().channel(), &SoundChannel::stopped, &stages, [&] {
                    if (!o.clip.isEmpty() && o.next < 0)
                        o.next = now() - at;
                });
                QObject::connect(&SpeechService::shared(), &SpeechService::remoteClipStarted, &stages, [&] {
                    if (o.sounded < 0)
                        o.sounded = now() - at;
                    o.remoteFirst = o.remoteFirst || o.clip.isEmpty(); // its samples are not at hand
                });
                QQuickItem *shelfPage = stack->property("currentItem").value<QQuickItem *>();
                at = now();
                o.at = at;
                const qsizetype from = monitor.indexAt(at);
                QMetaObject::invokeMethod(shelfPage, "openGame", Q_ARG(QVariant, entry));
                o.pushed = now() - at;
                waitUntil([&] {
                    if (o.settled < 0 && !stack->property("busy").toBool())
                        o.settled = now() - at;
                    return monitor.onset(from) >= 0 && o.settled >= 0;
                }, network == u"never"_s ? neverAnsweringMs : 5000);
                const qsizetype onset = monitor.onset(from);
                o.onset = onset;
                o.heard = onset < 0 ? -1 : monitor.timeOf(onset) - at;
                o.sinkLatency = onset < 0 ? -1 : sinkLatencyMs();
                if (firstOfProcess)
                    std::printf("first opening of the process (%s, %s): pushed %.0f, shown %.0f, settled %.0f, "
                                "request %.0f, samples out %.0f, heard %.0f ms, sink latency %.0f ms\n",
                                qPrintable(gameId), qPrintable(network), o.pushed, o.shown, o.settled, o.request,
                                o.sounded, o.heard, o.sinkLatency);
                done.push_back(o);
                done.back().later = !firstOfProcess;
                firstOfProcess = false;
                SpeechService::shared().stopRemotePronunciation();
                f.clickText(u"返回书架"_s);
                settled(stack, 2);
                f.clickText(u"返回类型"_s);
                settled(stack, 1);
            }
        }
    }

    waitUntil([&] { return monitor.quietFor(800); }, 20000);
    countGaps();
    std::printf("medians over the later openings, ms from the open: the push's call, the page's first frame, the "
                "push settled, the speech request, its samples handed to the output, its first audible sample "
                "(min-max), and its stream's sink latency\n");
    std::printf("%-13s %-16s %7s %7s %8s %8s %8s %7s %11s %5s %7s\n", "network", "game", "pushed", "shown", "settled",
                "request", "samples", "heard", "heard range", "heard", "sink");
    for (const QString &network : networkNames) {
        for (const QString &gameId : games) {
            std::vector<Opening> these;
            for (const Opening &o : done) {
                if (o.later && o.network == network && o.game == gameId)
                    these.push_back(o);
            }
            std::vector<double> heard;
            for (const Opening &o : these) {
                if (o.heard >= 0)
                    heard.push_back(o.heard);
            }
            const auto [lo, hi] = std::minmax_element(heard.begin(), heard.end());
            std::printf("%-13s %-16s %7.0f %7.0f %8.0f %8.0f %8.0f %7.0f %5.0f-%-5.0f %2zu/%zu %7.0f\n", qPrintable(network),
                        qPrintable(gameId), medianOf(these, &Opening::pushed), medianOf(these, &Opening::shown),
                        medianOf(these, &Opening::settled), medianOf(these, &Opening::request),
                        medianOf(these, &Opening::sounded), median(heard), heard.empty() ? -1.0 : *lo,
                        heard.empty() ? -1.0 : *hi, heard.size(), these.size(), medianOf(these, &Opening::sinkLatency));
        }
    }
    int checked = 0, withGaps = 0;
    for (const Opening &o : done) {
        checked += o.clip.isEmpty() || o.remoteFirst || o.onset < 0 ? 0 : 1;
        withGaps += o.gaps.count > 0 ? 1 : 0;
    }
    std::printf("prompts with a gap (a local utterance's silence the clip does not hold, over 5 ms): %d of %d\n",
                withGaps, checked);
    std::printf("load average at the end: %s\n", qPrintable(loadAverage()));
    SpeechService::shared().shutDown();
    return 0;
}

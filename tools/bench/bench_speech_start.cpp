// How long a spoken prompt takes from the request to its first audible sample, heard on
// a private PulseAudio server with a null sink and recorded from its monitor: an English
// and a Chinese question read-out, short and long, and a Chinese pronunciation from a
// loopback server that answers with a clip, or whose remote service cannot be had (a
// host name that never resolves, a loopback port that refuses, a loopback server that
// takes the connection and never answers). The prompts speak
// `preUtteranceDelay` of silence first, which the figures include.
//
// The first request of the process (the engine's start, the first sound stream) is
// reported apart: --first en|zh|en-long|zh-long|word picks its kind. --rounds N repeats every request
// N times (default 5). --never-answering-ms M waits up to M ms for the fallback of a
// pronunciation whose server never answers (default 3000).
// Run: build/tools/bench/bench_speech_start [--first zh] [--rounds 5]
#include "GameAudio.h"
#include "PrivateSoundServer.h"
#include "SoundMonitor.h"
#include "SoundChannel.h"
#include "SpeechEngine.h"
#include "SpeechService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;
using namespace PrivateSound;

namespace {

using namespace SoundBench;

struct Request
{
    QString kind;    // en, zh, en-long, zh-long, word
    QString network; // the remote service's case
    double at = 0;
    double callMs = 0;   // the request's call on the interface thread
    double spoken = -1;  // the local utterance begins (for a pronunciation: its fallback)
    double sounded = -1; // its samples (or the remote clip) are handed to the output
    qsizetype onset = -1;
};

} // namespace

int main(int argc, char **argv)
{
    PrivateSoundServer server;
    if (!startServer(server))
        return 1;
    QCoreApplication app(argc, argv);
    now(); // starts the clock
    const QStringList args = app.arguments();
    const auto option = [&](const QString &name, const QString &fallback) { return optionValue(args, name, fallback); };
    const QString first = option(u"--first"_s, u"zh"_s);
    const int rounds = option(u"--rounds"_s, u"5"_s).toInt();
    const int neverAnsweringMs = option(u"--never-answering-ms"_s, u"3000"_s).toInt();
    std::printf("load average at the start: %s\n", qPrintable(loadAverage()));

    // What the program prepares when a shelf opens, before any game can speak.
    SpeechService::prepareSoundOutput();
    QThread *ahead = QThread::create([] { SpeechService::prepareAhead(); });
    ahead->start();
    ahead->wait();
    delete ahead;

    Monitor monitor(server);
    if (!waitUntil([&] { return monitor.running(); }, 5000)) {
        std::fprintf(stderr, "the monitor is not recorded\n");
        return 1;
    }

    NeverAnswering neverAnswering;
    ClipService answering(wavDocument(SpeechEngine::synthesize(u"sou1 guo3"_s, {}, SpeechStyle{})));
    const std::vector<std::pair<QString, QUrl>> networks{
        {u"answering"_s, QUrl(u"http://127.0.0.1:%1"_s.arg(answering.serverPort()))},
        {u"unresolvable"_s, QUrl(u"https://pronunciation.invalid"_s)},
        {u"refusing"_s, QUrl(u"https://127.0.0.1:%1"_s.arg(refusingPort()))},
        {u"never answering"_s, QUrl(u"https://127.0.0.1:%1"_s.arg(neverAnswering.serverPort()))},
    };
    const QStringList english{u"red"_s, u"blue"_s, u"green"_s, u"yellow"_s, u"pink"_s};
    const QStringList chinese{u"红色"_s, u"蓝色"_s, u"绿色"_s, u"黄色"_s, u"粉色"_s};
    const QStringList words{u"苹果"_s, u"香蕉"_s, u"西瓜"_s, u"葡萄"_s, u"橙子"_s};

    const QStringList kinds{u"en"_s, u"zh"_s, u"en-long"_s, u"zh-long"_s, u"word"_s};
    std::vector<Request> done;
    int serial = 0;
    const auto request = [&](const QString &kind, const QString &network, int waitMs) {
        waitUntil([&] { return monitor.quietFor(150); }, 10000);
        Request r{kind, network, now()};
        QObject stages;
        QObject::connect(&SpeechService::shared(), &SpeechService::localUtterance, &stages, [&] {
            if (r.spoken < 0)
                r.spoken = now() - r.at;
        });
        QObject::connect(&SpeechService::shared().channel(), &SoundChannel::started, &stages, [&] {
            if (r.sounded < 0)
                r.sounded = now() - r.at;
        });
        QObject::connect(&SpeechService::shared(), &SpeechService::remoteClipStarted, &stages, [&] {
            if (r.sounded < 0)
                r.sounded = now() - r.at;
        });
        const int i = serial++ % int(words.size());
        if (kind == u"en"_s)
            GameAudio::readQuestion(u"Which one is %1?"_s.arg(english[i]), u"en-US"_s);
        else if (kind == u"zh"_s)
            GameAudio::readQuestion(u"哪一个是%1？"_s.arg(chinese[i]), u"zh-CN"_s);
        else if (kind == u"en-long"_s)
            GameAudio::readQuestion(u"Find the %1 balloon, then tap every star that shines the same colour, and count them."_s.arg(english[i]), u"en-US"_s);
        else if (kind == u"zh-long"_s)
            GameAudio::readQuestion(u"带小狐狸穿过森林，找齐三把%1钥匙和魔法泡泡，躲开或击退捣蛋怪，最后到达宝箱。"_s.arg(chinese[i]), u"zh-CN"_s);
        else
            SpeechService::shared().speakChinesePronunciation(words[i] + QString::number(serial)); // never cached
        r.callMs = now() - r.at;
        const qsizetype from = monitor.indexAt(r.at);
        waitUntil([&] { return monitor.onset(from) >= 0; }, waitMs);
        r.onset = monitor.onset(from);
        done.push_back(r);
        SpeechService::shared().stopRemotePronunciation();
    };

    SpeechService::setRemoteEndpoint(networks[1].second); // unresolvable
    request(first, networks[1].first, 10000);
    for (int round = 0; round < rounds; ++round) {
        for (const auto &[network, url] : networks) {
            SpeechService::setRemoteEndpoint(url);
            for (const QString &kind : kinds)
                request(kind, network, kind == u"word"_s && url.port() == neverAnswering.serverPort() ? neverAnsweringMs : 3000);
        }
    }

    const auto latency = [&](const Request &r) { return r.onset < 0 ? -1.0 : monitor.timeOf(r.onset) - r.at; };
    const Request &head = done.front();
    std::printf("first request of the process (%s, %s): heard after %.0f ms (call %.1f, utterance %.0f, "
                "samples out %.0f)\n",
                qPrintable(head.kind), qPrintable(head.network), latency(head), head.callMs, head.spoken, head.sounded);
    std::printf("medians over the later requests, ms from the request: the call's own time on the interface "
                "thread (max), the local utterance's start, its samples handed to the output, its first audible "
                "sample (min-max)\n");
    std::printf("%-16s %-8s %9s %9s %9s %9s %11s %6s\n", "network", "prompt", "call max", "utterance", "samples",
                "heard", "heard range", "heard");
    for (const auto &[network, url] : networks) {
        for (const QString &kind : kinds) {
            std::vector<double> heard, spoken, sounded;
            double callMax = 0;
            int count = 0;
            for (size_t i = 1; i < done.size(); ++i) {
                const Request &r = done[i];
                if (r.network != network || r.kind != kind)
                    continue;
                ++count;
                callMax = std::max(callMax, r.callMs);
                if (r.spoken >= 0)
                    spoken.push_back(r.spoken);
                if (r.sounded >= 0)
                    sounded.push_back(r.sounded);
                if (latency(r) >= 0)
                    heard.push_back(latency(r));
            }
            const auto [lo, hi] = heard.empty() ? std::pair(-1.0, -1.0)
                                                : std::pair(*std::min_element(heard.begin(), heard.end()),
                                                            *std::max_element(heard.begin(), heard.end()));
            std::printf("%-16s %-8s %9.1f %9.0f %9.0f %9.0f %5.0f-%-5.0f %3zu/%d\n", qPrintable(network),
                        qPrintable(kind), callMax, median(spoken), median(sounded), median(heard), lo, hi,
                        heard.size(), count);
        }
    }
    std::printf("load average at the end: %s\n", qPrintable(loadAverage()));
    SpeechService::shared().shutDown();
    return 0;
}

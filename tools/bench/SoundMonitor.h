#pragma once

// What the sound benchmarks share: the private sound server's monitor heard sample by
// sample with the time each sample was played, waits on the event loop, the remote
// service's unreachable cases, and the figures' helpers.

#include "PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace SoundBench {
using namespace PrivateSound;

// The benchmark's clock, started on first use.
inline double now()
{
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return double(since.nsecsElapsed()) / 1e6;
}

// The monitor's samples as they come, with the best estimate of when each was played:
// a read at time t that brings the total to n samples says sample n was played at
// t - n / rate at the latest; the smallest such estimate over all reads is the closest.
class Monitor : public QObject
{
public:
    explicit Monitor(const PrivateSoundServer &server)
        : m_recorder(server.record(3000))
    {
        connect(m_recorder.get(), &QProcess::readyReadStandardOutput, this, [this] {
            m_bytes += m_recorder->readAllStandardOutput();
            const double origin = now() - double(m_bytes.size() / 2) * 1000.0 / recordRate;
            m_origin = std::min(m_origin, origin);
        });
    }
    ~Monitor() override { PrivateSoundServer::end(*m_recorder); }

    bool running() const { return !m_bytes.isEmpty(); }
    qsizetype size() const { return m_bytes.size() / 2; }
    qint16 sample(qsizetype i) const { return reinterpret_cast<const qint16 *>(m_bytes.constData())[i]; }
    // The sample played at `ms`, and the time sample `i` was played.
    qsizetype indexAt(double ms) const { return std::max<qsizetype>(0, qsizetype((ms - m_origin) * recordRate / 1000.0)); }
    double timeOf(qsizetype i) const { return m_origin + double(i) * 1000.0 / recordRate; }

    // The first audible sample from `from` on, or -1.
    qsizetype onset(qsizetype from) const
    {
        for (qsizetype i = from; i < size(); ++i) {
            if (std::abs(int(sample(i))) > 160) // -46 dBFS; a null sink's silence is exact zeros
                return i;
        }
        return -1;
    }
    // Whether the last `ms` were silent.
    bool quietFor(double ms) const
    {
        const qsizetype from = std::max<qsizetype>(0, size() - qsizetype(ms * recordRate / 1000.0));
        return size() > qsizetype(ms * recordRate / 1000.0) && onset(from) < 0;
    }

private:
    std::unique_ptr<QProcess> m_recorder;
    QByteArray m_bytes;
    double m_origin = 1e300;
};

// The silences the recording holds from its `onset` on where `clip`, handed to the
// output at `volume` and heard from `onset`, sounds: a stream the output let run dry
// (its silence is exact zeros, as a null sink mixes nothing for it). On 5 ms windows:
// where the clip sounds (above -34 dBFS) and the recording is silent (below -54 dBFS),
// the recording is followed until it sounds again, which is the gap; the clip's own
// pauses between words are no gaps. Gaps of a window (edges of a word) are not counted.
struct Gaps
{
    int count = 0;
    double totalMs = 0;
    double longestMs = 0;
};

// Up to the recording's sample `end` (where the channel went on to something else).
inline Gaps gapsIn(const Monitor &monitor, qsizetype onset, const PcmClip &clip, double volume, qsizetype end)
{
    end = std::min(end, monitor.size());
    constexpr double windowMs = 5;
    const auto rms = [](auto &&at, qsizetype from, qsizetype to) {
        double sum = 0;
        for (qsizetype i = from; i < to; ++i)
            sum += double(at(i)) * at(i);
        return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
    };
    const auto clipAt = [&](qsizetype i) { return clip.samples[i] * volume; };
    const auto heardAt = [&](qsizetype i) { return monitor.sample(i) / 32768.0; };
    const auto clipStart = std::find_if(clip.samples.begin(), clip.samples.end(),
                                        [&](float v) { return std::abs(v * volume) > 160.0 / 32768; });
    const qsizetype first = clipStart - clip.samples.begin();
    const auto clipIndex = [&](qsizetype w) { return first + qsizetype(double(w) * windowMs * clip.sampleRate / 1000); };
    const auto heardIndex = [&](qsizetype w) { return onset + qsizetype(double(w) * windowMs * recordRate / 1000); };
    Gaps gaps;
    qsizetype shift = 0; // windows of silence the recording has added so far
    for (qsizetype w = 0; clipIndex(w + 1) <= clip.samples.size(); ++w) {
        if (rms(clipAt, clipIndex(w), clipIndex(w + 1)) < 0.02)
            continue;
        qsizetype extra = 0;
        if (heardIndex(w + shift + 1) > end)
            break;
        while (heardIndex(w + shift + extra + 1) <= end && extra < 1000
               && rms(heardAt, heardIndex(w + shift + extra), heardIndex(w + shift + extra + 1)) < 0.002)
            ++extra;
        if (extra > 1) {
            ++gaps.count;
            gaps.totalMs += double(extra) * windowMs;
            gaps.longestMs = std::max(gaps.longestMs, double(extra) * windowMs);
        }
        shift += extra;
    }
    return gaps;
}

inline bool waitUntil(const std::function<bool()> &done, int ms)
{
    const double end = now() + ms;
    while (!done() && now() < end) {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}


// A loopback server that takes every connection and never says a word.
class NeverAnswering : public QTcpServer
{
public:
    NeverAnswering()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                socket->setParent(this);
        });
    }
};

inline quint16 refusingPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close(); // nothing listens there any more: a connection is refused
    return port;
}

inline QString loadAverage()
{
    QFile file(u"/proc/loadavg"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(u' ', 0, 2) : u"?"_s;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Starts `server` for a benchmark (before the application object: the environment then
// points the program's sound at it); false, said on the error output, when it cannot run.
inline bool startServer(PrivateSoundServer &server)
{
    QString why;
    if (server.start(&why, 3000))
        return true;
    std::fprintf(stderr, "no private sound server: %s\n", qPrintable(why));
    return false;
}

// The value given after `name` on the command line, else `fallback`.
inline QString optionValue(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

} // namespace SoundBench

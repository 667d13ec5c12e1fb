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

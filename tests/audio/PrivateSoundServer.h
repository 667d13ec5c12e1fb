#pragma once

// A PulseAudio server of this process alone, with one null sink, on a private runtime
// folder, and a recorder of the sink's monitor: how the sound tests and the sound
// benchmarks hear what the program plays. Also a loopback stand-in for the remote
// pronunciation service. The server and the recorder run under
// `timeout`, so nothing outlives a crashed process.

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "SoundChannel.h"

#include <algorithm>

#include <memory>

namespace PrivateSound {
using namespace Qt::StringLiterals;

constexpr int recordRate = 16000;
constexpr const char *sinkName = "pw_test_sink";

// The environment points the program's sound output at the server once started.
class PrivateSoundServer
{
public:
    // The server ends by itself after `lifetime` seconds at the latest.
    bool start(QString *why, int lifetime = 280)
    {
        const QString pulseaudio = QStandardPaths::findExecutable(u"pulseaudio"_s);
        const QString parec = QStandardPaths::findExecutable(u"parec"_s);
        const QString timeout = QStandardPaths::findExecutable(u"timeout"_s);
        if (pulseaudio.isEmpty() || parec.isEmpty() || timeout.isEmpty()) {
            *why = u"pulseaudio, parec or timeout is not installed"_s;
            return false;
        }
        if (!m_dir.isValid()) {
            *why = u"no temporary folder"_s;
            return false;
        }
        m_parec = parec;
        m_timeout = timeout;
        m_socket = m_dir.filePath(u"pulse/native"_s);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_socket));
        qputenv("PULSE_CLIENTCONFIG", "/dev/null");
        m_server.setProgram(timeout);
        m_server.setArguments({u"-s"_s, u"KILL"_s, QString::number(lifetime), pulseaudio, u"-n"_s, u"--daemonize=no"_s,
                               u"--use-pid-file=no"_s, u"--exit-idle-time=-1"_s, u"--disable-shm=yes"_s,
                               u"--log-target=stderr"_s,
                               u"--load=module-native-protocol-unix auth-anonymous=1"_s,
                               u"--load=module-null-sink sink_name=%1 rate=44100 channels=2"_s.arg(
                                   QLatin1String(sinkName)),
                               u"--load=module-always-sink"_s});
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start();
        if (!m_server.waitForStarted(3000)) {
            *why = u"pulseaudio did not start"_s;
            return false;
        }
        const QDeadlineTimer deadline(5000);
        while (!QFileInfo::exists(m_socket)) {
            if (deadline.hasExpired() || m_server.waitForFinished(50)) {
                *why = u"pulseaudio did not come up: "_s + QString::fromLocal8Bit(m_server.readAll()).trimmed();
                stop();
                return false;
            }
        }
        return true;
    }

    void stop() { end(m_server); }

    // Ends a process started under `timeout`: the terminate signal is passed on to
    // the program it runs; killing `timeout` itself would leave the program behind.
    static void end(QProcess &process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    ~PrivateSoundServer() { stop(); }

    // Starts recording the sink's monitor as 16 kHz mono 16-bit samples, for `lifetime`
    // seconds at the most.
    std::unique_ptr<QProcess> record(int lifetime = 240) const
    {
        auto recorder = std::make_unique<QProcess>();
        recorder->setProgram(m_timeout);
        recorder->setArguments({u"-s"_s, u"KILL"_s, QString::number(lifetime), m_parec, u"--server=unix:"_s + m_socket,
                                u"--device=%1.monitor"_s.arg(QLatin1String(sinkName)), u"--raw"_s,
                                u"--format=s16le"_s, u"--channels=1"_s, u"--rate=%1"_s.arg(recordRate),
                                u"--latency-msec=20"_s});
        recorder->start();
        return recorder;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_parec;
    QString m_timeout;
    QString m_socket;
};

// A loopback HTTP server that answers every request with `clip` (a WAV document), as
// the remote pronunciation service would.
class ClipService : public QTcpServer
{
public:
    explicit ClipService(QByteArray clip)
        : m_clip(std::move(clip))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/wav\r\nContent-Length: "
                                  + QByteArray::number(m_clip.size()) + "\r\nConnection: close\r\n\r\n" + m_clip);
                    socket->disconnectFromHost();
                });
            }
        });
    }

private:
    QByteArray m_clip;
};

} // namespace PrivateSound

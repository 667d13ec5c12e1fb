#include "SoundChannel.h"

#include "Clock.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QHash>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

// Feeds a clip's samples to the audio sink, from the start and, for a loop, around
// again without end.
class ClipSource final : public QIODevice
{
public:
    using QIODevice::QIODevice;

    void load(const PcmClip &clip, bool loop)
    {
        m_bytes = QByteArray(reinterpret_cast<const char *>(clip.samples.constData()),
                             clip.samples.size() * qsizetype(sizeof(float)));
        m_position = 0;
        m_loop = loop && !m_bytes.isEmpty();
        if (!isOpen())
            open(QIODevice::ReadOnly);
    }

    bool finished() const { return !m_loop && m_position >= m_bytes.size(); }
    // Never at its end, as Qt's PulseAudio sink sees it: when a stream whose source is at
    // its end runs dry, the sink asks the server, from PulseAudio's thread, to drain the
    // stream with a callback to itself, which stopping the sink does not call off, so a
    // sink destroyed before the answer came was called after its end (a crash). The
    // channel knows the clip's end by finished() and lets the stream go once the server
    // has played it.
    bool atEnd() const override { return false; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        const qint64 left = m_loop ? qint64(1) << 30 : m_bytes.size() - m_position;
        return left + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 written = 0;
        while (written < maxSize) {
            if (m_position >= m_bytes.size()) {
                if (!m_loop)
                    break;
                m_position = 0;
            }
            const qint64 n = std::min(maxSize - written, qint64(m_bytes.size()) - m_position);
            std::memcpy(data + written, m_bytes.constData() + m_position, size_t(n));
            written += n;
            m_position += n;
        }
        return written;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
    bool m_loop = false;
};

QByteArray wavDocument(const PcmClip &clip)
{
    QByteArray data;
    for (const float sample : clip.samples) {
        const auto value = qint16(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        data.append(reinterpret_cast<const char *>(&value), 2);
    }
    const auto number = [](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out.append(char((value >> (8 * i)) & 0xff));
        return out;
    };
    const quint32 rate = quint32(clip.sampleRate);
    return "RIFF" + number(quint32(36 + data.size()), 4) + "WAVEfmt " + number(16, 4) + number(1, 2) + number(1, 2)
           + number(rate, 4) + number(rate * 2, 4) + number(2, 2) + number(16, 2) + "data"
           + number(quint32(data.size()), 4) + data;
}

namespace {

// The sound output's own thread and what lives on it: every channel's output stream,
// made there, fed there by Qt's sink (a period of samples at a time, from timers of the
// thread the sink lives on) and let go there. A channel names its stream by its id, and
// each clip by its number.
class OutputHost final : public QObject
{
    Q_OBJECT
public:
    // The host, its thread started with the first clip that can sound; nullptr once the
    // application has gone. Interface thread only.
    static OutputHost *instance()
    {
        if (!host && !ended) {
            auto *thread = new QThread;
            thread->setObjectName(QStringLiteral("sound output"));
            host = new OutputHost;
            host->moveToThread(thread);
            thread->start();
            // The streams go with the application, while the server connection still
            // stands, and the thread ends before the statics go.
            qAddPostRoutine(&OutputHost::end);
        }
        return host;
    }
    // The host if its thread runs, without starting it.
    static OutputHost *running() { return host; }

    // Runs `work` on the output's thread.
    void hand(std::function<void()> work) { QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection); }

    // On the output's thread: cuts off the channel's clip and starts the next.
    void play(quint64 channel, quint64 number, const QAudioDevice &device, const QAudioFormat &format,
              const PcmClip &clip, double volume, bool loop)
    {
        release(channel);
        auto *sink = new QAudioSink(device, format, this);
        auto *source = new ClipSource(sink); // goes with the stream
        source->load(clip, loop);
        m_streams.insert(channel, Stream{sink, number});
        // A clip that has run out is reported once the server holds the last of it; its
        // stream goes once the server has played that (stopping at once would cut off
        // the clip's last tenth of a second).
        connect(sink, &QAudioSink::stateChanged, this, [=, this](QAudio::State state) {
            if (state != QAudio::IdleState || !source->finished() || m_streams.value(channel).sink != sink)
                return;
            emit ranOut(channel, number, int(format.durationForBytes(sink->bufferSize()) / 1000) + 400);
        });
        sink->setVolume(volume);
        sink->start(source);
    }

    // On the output's thread: cuts off the channel's stream (only if it still plays
    // clip `number`, unless that is 0) and lets it go after the current event.
    void release(quint64 channel, quint64 number = 0)
    {
        const auto it = m_streams.constFind(channel);
        if (it == m_streams.cend() || (number != 0 && it->number != number))
            return;
        QAudioSink *sink = it->sink;
        m_streams.erase(it);
        sink->disconnect(this);
        sink->stop(); // the server lets the stream go at once
        // Destroyed after the current event: Qt's sink handles the events waiting as it
        // goes, which must not run inside a step of the host.
        sink->deleteLater();
    }

signals:
    // The channel's clip `number` has been handed to the server to its end; its stream
    // can go after `heldMs`.
    void ranOut(quint64 channel, quint64 number, int heldMs);

private:
    struct Stream
    {
        QAudioSink *sink = nullptr;
        quint64 number = 0;
    };

    // Interface thread, as the application goes: every stream is cut off and destroyed
    // on the output's thread, and the thread ends.
    static void end()
    {
        ended = true;
        OutputHost *const output = std::exchange(host, nullptr);
        QThread *const thread = output->thread();
        output->hand([output] {
            const QList<Stream> streams = std::exchange(output->m_streams, {}).values();
            for (const Stream &stream : streams) {
                stream.sink->disconnect(output);
                stream.sink->stop();
                delete stream.sink;
            }
            QThread::currentThread()->quit();
        });
        thread->wait();
    }

    static inline OutputHost *host = nullptr;
    static inline bool ended = false;
    QHash<quint64, Stream> m_streams;
};

quint64 nextChannelId = 1;

} // namespace

SoundChannel::SoundChannel(QObject *parent)
    : QObject(parent)
    , m_id(nextChannelId++)
{
}

SoundChannel::~SoundChannel()
{
    if (OutputHost *host = m_listening ? OutputHost::running() : nullptr)
        host->hand([host, id = m_id] { host->release(id); });
}

bool SoundChannel::hasOutputDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// Every clip gets an output stream of its own. A stream that is stopped and started
// again comes back with a smaller buffer each time on PulseAudio, until after about
// ten clips nothing is heard; a fresh one always has the server's full buffer.
void SoundChannel::play(const PcmClip &clip, double volume, bool loop)
{
    const quint64 number = ++m_clipNumber;
    emit started(clip, volume, loop);
    if (number != m_clipNumber)
        return; // a listener played another clip meanwhile
    OutputHost *host = m_listening ? OutputHost::running() : nullptr;
    const QAudioDevice device = clip.isEmpty() ? QAudioDevice() : QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    if (device.isNull() || !device.isFormatSupported(format)) {
        if (host) // the last clip is cut off all the same
            host->hand([host, id = m_id] { host->release(id); });
        return;
    }
    host = OutputHost::instance();
    if (!host)
        return; // the application has gone
    if (!m_listening) {
        m_listening = true;
        connect(host, &OutputHost::ranOut, this, [this](quint64 channel, quint64 ranOut, int heldMs) {
            if (channel != m_id || ranOut != m_clipNumber)
                return;
            Clock::current().after(heldMs, this, [this, ranOut] {
                if (OutputHost *host = OutputHost::running())
                    host->hand([host, id = m_id, ranOut] { host->release(id, ranOut); });
            });
        });
    }
    host->hand([=, id = m_id] { host->play(id, number, device, format, clip, volume, loop); });
}

void SoundChannel::stop()
{
    ++m_clipNumber;
    if (OutputHost *host = m_listening ? OutputHost::running() : nullptr)
        host->hand([host, id = m_id] { host->release(id); });
    emit stopped();
}

#include "SoundChannel.moc"

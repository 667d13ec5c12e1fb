#include "SoundChannel.h"

#include "Clock.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>
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

SoundChannel::SoundChannel(QObject *parent)
    : QObject(parent)
{
}

SoundChannel::~SoundChannel()
{
    release();
}

bool SoundChannel::hasOutputDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// Every clip gets an output stream of its own. A stream that is stopped and started
// again comes back with a smaller buffer each time on PulseAudio, until after about
// ten clips nothing is heard; a fresh one always has the server's full buffer.
//
// A clip of up to oneWriteSeconds goes to the server in one write as its stream starts:
// fed a period at a time from the interface thread's timers, as a looping or longer
// clip is, a stream starts only once some 145 ms of samples have reached the server,
// each period after one more turn of that thread, which a page being built or drawn
// held up for a tenth of a second and more before a game's first prompt was heard.
void SoundChannel::play(const PcmClip &clip, double volume, bool loop)
{
    release();
    emit started(clip, volume, loop);
    if (clip.isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format))
        return;
    m_sink = new QAudioSink(device, format, this);
    m_source = new ClipSource(this);
    m_source->load(clip, loop);
    m_sink->setVolume(volume);
    if (!loop && clip.seconds() <= oneWriteSeconds) {
        if (QIODevice *stream = m_sink->start()) {
            // The server starts playing once its buffer is full: a shorter clip is
            // followed by silence up to that length.
            QByteArray bytes = m_source->readAll();
            if (bytes.size() < m_sink->bufferSize())
                bytes.append(QByteArray(m_sink->bufferSize() - bytes.size(), '\0'));
            stream->write(bytes);
        }
    } else {
        m_sink->start(m_source);
    }
    // A clip that has run out releases its stream once the server has played what it
    // still holds (stopping at once would cut off the clip's last tenth of a second).
    connect(m_sink, &QAudioSink::stateChanged, this, [this, sink = m_sink, format](QAudio::State state) {
        if (state != QAudio::IdleState || sink != m_sink || !m_source->finished())
            return;
        const int heldMs = int(format.durationForBytes(sink->bufferSize()) / 1000) + 400;
        Clock::current().after(heldMs, sink, [this, sink] {
            if (sink == m_sink)
                release();
        });
    });
}

void SoundChannel::stop()
{
    release();
    emit stopped();
}

void SoundChannel::release()
{
    if (!m_sink)
        return;
    QAudioSink *sink = std::exchange(m_sink, nullptr);
    ClipSource *source = std::exchange(m_source, nullptr);
    sink->disconnect(this);
    sink->stop();
    // Deleted after the current signal, the stream first, then what fed it.
    sink->deleteLater();
    source->deleteLater();
}

#include "SoundChannel.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>

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

SoundChannel::SoundChannel(QObject *parent)
    : QObject(parent)
{
}

SoundChannel::~SoundChannel()
{
    if (m_sink)
        m_sink->stop();
}

bool SoundChannel::hasOutputDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool SoundChannel::ensureSink(int sampleRate)
{
    if (m_sink && m_sinkRate == sampleRate)
        return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format))
        return false;
    if (m_sink) {
        m_sink->stop();
        delete m_sink;
    }
    m_sink = new QAudioSink(device, format, this);
    m_sinkRate = sampleRate;
    if (!m_source)
        m_source = new ClipSource(this);
    // A clip that has run out releases the output until the next one.
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState && m_source && m_source->finished())
            m_sink->stop();
    });
    return true;
}

void SoundChannel::play(const PcmClip &clip, double volume, bool loop)
{
    if (m_sink)
        m_sink->stop();
    emit started(clip, volume, loop);
    if (clip.isEmpty() || !ensureSink(clip.sampleRate))
        return;
    m_source->load(clip, loop);
    m_sink->setVolume(volume);
    m_sink->start(m_source);
}

void SoundChannel::stop()
{
    if (m_sink)
        m_sink->stop();
    emit stopped();
}

#include "SpeechRecognition.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

namespace SpeechAudio {

bool usable(const QAudioFormat &format)
{
    return format.isValid() && format.channelCount() >= 1 && format.sampleRate() >= 4000
           && format.sampleFormat() != QAudioFormat::Unknown;
}

QByteArray toSpeechFormat(const QByteArray &data, const QAudioFormat &format, double &position, float &last)
{
    if (!usable(format))
        return {};
    const int channels = format.channelCount();
    const int frameBytes = format.bytesPerFrame();
    if (format.sampleRate() == sampleRate && channels == 1 && format.sampleFormat() == QAudioFormat::Int16)
        return data.left(data.size() - data.size() % frameBytes);

    const qsizetype frames = data.size() / frameBytes;
    std::vector<float> mono(size_t(frames), 0.0f);
    const char *bytes = data.constData();
    for (qsizetype f = 0; f < frames; ++f) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c)
            sum += format.normalizedSampleValue(bytes + f * frameBytes + c * format.bytesPerSample());
        mono[size_t(f)] = sum / float(channels);
    }

    const double step = double(format.sampleRate()) / sampleRate;
    QByteArray out;
    out.reserve(qsizetype(double(frames) / step + 2) * 2);
    double t = position;
    while (frames > 0 && std::floor(t) + 1 < double(frames)) {
        const auto i = qsizetype(std::floor(t));
        const float s0 = i < 0 ? last : mono[size_t(i)];
        const float s1 = mono[size_t(i + 1)];
        const float value = s0 + float(t - double(i)) * (s1 - s0);
        const auto sample = qint16(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
        out.append(reinterpret_cast<const char *>(&sample), 2);
        t += step;
    }
    if (frames > 0) {
        position = t - double(frames);
        last = mono.back();
    }
    return out;
}

} // namespace SpeechAudio

MicrophoneCapture::MicrophoneCapture(QObject *parent)
    : SpeechCapture(parent)
{
}

MicrophoneCapture::~MicrophoneCapture()
{
    stop();
}

bool MicrophoneCapture::start()
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return false;
    QAudioFormat wanted;
    wanted.setSampleRate(SpeechAudio::sampleRate);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Int16);
    m_format = device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
    if (!SpeechAudio::usable(m_format))
        return false;

    m_source = new QAudioSource(device, m_format, this);
    // About 1024 frames of the speech format per delivery.
    m_source->setBufferSize(qsizetype(m_format.bytesForFrames(SpeechAudio::blockFrames)
                                      * std::max(1, m_format.sampleRate() / SpeechAudio::sampleRate)));
    m_device = m_source->start();
    if (!m_device || m_source->error() != QAudio::NoError) {
        stop();
        return false;
    }
    m_position = 0.0;
    m_last = 0.0f;
    connect(m_device, &QIODevice::readyRead, this, &MicrophoneCapture::read);
    return true;
}

void MicrophoneCapture::read()
{
    if (!m_device)
        return;
    m_pending += SpeechAudio::toSpeechFormat(m_device->readAll(), m_format, m_position, m_last);
    qsizetype offset = 0;
    while (m_pending.size() - offset >= SpeechAudio::blockBytes) {
        emit block(m_pending.mid(offset, SpeechAudio::blockBytes));
        offset += SpeechAudio::blockBytes;
    }
    m_pending.remove(0, offset);
}

void MicrophoneCapture::stop()
{
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
    m_device = nullptr;
    m_pending.clear();
    if (QAudioSource *source = std::exchange(m_source, nullptr)) {
        source->stop();
        source->deleteLater();
    }
}

SpeechPermissions::~SpeechPermissions() = default;

void GrantedSpeechPermissions::askSpeech(QObject *context, std::function<void(bool)> answer)
{
    QMetaObject::invokeMethod(context, [answer = std::move(answer)] { answer(true); }, Qt::QueuedConnection);
}

void GrantedSpeechPermissions::askMicrophone(QObject *context, std::function<void(bool)> answer)
{
    QMetaObject::invokeMethod(context, [answer = std::move(answer)] { answer(true); }, Qt::QueuedConnection);
}

quint64 WordRecognizer::begin(const QString &target)
{
    static std::atomic<quint64> last{0};
    const quint64 listening = ++last;
    startListening(listening, target);
    return listening;
}

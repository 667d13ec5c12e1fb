#include "TonePlayer.h"

#include "Clock.h"
#include "GameAudio.h"
#include "SettingsStore.h"

#include <cmath>
#include <numbers>

TonePlayer &TonePlayer::shared()
{
    static TonePlayer *player = new TonePlayer; // lives for the whole run
    return *player;
}

TonePlayer::TonePlayer() = default;

PcmClip TonePlayer::render(double frequency, double duration)
{
    PcmClip clip;
    clip.sampleRate = sampleRate;
    const double frames = duration * sampleRate;
    if (!(frames >= 1.0) || frames > double(std::numeric_limits<quint32>::max()))
        return clip;
    const qsizetype n = qsizetype(quint32(frames));
    const double d = n == 1 ? 1.0 : double(n - 1);
    clip.samples.resize(n);
    float *out = clip.samples.data();
    for (qsizetype i = 0; i < n; ++i) {
        const double tone = std::sin(2.0 * std::numbers::pi * frequency * double(i) / sampleRate);
        const double envelope = std::sin(std::numbers::pi * double(i) / d);
        out[i] = float(tone * envelope * peak);
    }
    return clip;
}

int TonePlayer::stepMilliseconds(double duration)
{
    return int((duration + 0.08) * 1000.0);
}

void TonePlayer::play(double frequency, double duration)
{
    SettingsStore &settings = SettingsStore::standard();
    if (settings.contains(QLatin1String(GameAudio::soundSettingKey))
        && !settings.boolean(QLatin1String(GameAudio::soundSettingKey)))
        return;
    const PcmClip clip = render(frequency, duration);
    if (clip.isEmpty())
        return;
    m_channel.play(clip);
}

void TonePlayer::playPattern(const QList<double> &frequencies, double duration)
{
    if (frequencies.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this, [this, frequencies, duration] { playStep(frequencies, 0, duration); }, Qt::QueuedConnection);
}

void TonePlayer::playStep(QList<double> frequencies, int index, double duration)
{
    if (index >= frequencies.size())
        return;
    play(frequencies.at(index), duration);
    Clock::current().after(stepMilliseconds(duration), this, [this, frequencies, index, duration] {
        playStep(frequencies, index + 1, duration);
    });
}

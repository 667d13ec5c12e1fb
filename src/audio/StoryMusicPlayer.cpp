#include "StoryMusicPlayer.h"

#include <QPointer>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <numbers>

StoryMusicPlayer &StoryMusicPlayer::shared()
{
    static StoryMusicPlayer *player = new StoryMusicPlayer; // lives for the whole run
    return *player;
}

StoryMusicPlayer::StoryMusicPlayer() = default;

std::array<double, 8> StoryMusicPlayer::notes(StoryMusicMood mood)
{
    switch (mood) {
    case StoryMusicMood::home: return {523.25, 659.25, 783.99, 659.25, 587.33, 698.46, 880.0, 698.46};
    case StoryMusicMood::language: return {659.25, 698.46, 783.99, 880.0, 783.99, 698.46, 659.25, 587.33};
    case StoryMusicMood::numbers: return {523.25, 659.25, 587.33, 783.99, 659.25, 880.0, 783.99, 698.46};
    case StoryMusicMood::discovery: return {587.33, 698.46, 783.99, 932.33, 783.99, 698.46, 587.33, 523.25};
    case StoryMusicMood::creativity: return {698.46, 880.0, 783.99, 1046.5, 880.0, 783.99, 698.46, 932.33};
    case StoryMusicMood::science: return {523.25, 622.25, 739.99, 880.0, 739.99, 622.25, 783.99, 987.77};
    case StoryMusicMood::rhythm: return {659.25, 659.25, 783.99, 659.25, 880.0, 783.99, 698.46, 523.25};
    case StoryMusicMood::action: return {523.25, 783.99, 659.25, 880.0, 698.46, 932.33, 783.99, 1046.5};
    }
    return notes(StoryMusicMood::home);
}

std::array<double, 16> StoryMusicPlayer::sequence(StoryMusicMood mood)
{
    const std::array<double, 8> tune = notes(mood);
    std::array<double, 16> steps{};
    std::copy(tune.begin(), tune.end(), steps.begin());
    std::copy(tune.rbegin(), tune.rend(), steps.begin() + 8);
    return steps;
}

double StoryMusicPlayer::transposition(int variation)
{
    static constexpr double factors[4] = {1.0, 1.0293, 0.9715, 1.0595};
    return factors[((variation % 4) + 4) % 4];
}

PcmClip StoryMusicPlayer::makeLoop(StoryMusicMood mood, int variation)
{
    constexpr double twoPi = 2.0 * std::numbers::pi;
    const std::array<double, 16> steps = sequence(mood);
    const int shift = ((variation % 16) + 16) % 16;
    const double k = transposition(variation);
    const qsizetype frames = loopFrames;
    const qsizetype perStep = std::max<qsizetype>(frames / qsizetype(steps.size()), 1);

    PcmClip clip;
    clip.sampleRate = sampleRate;
    clip.samples.resize(frames);
    float *out = clip.samples.data();
    for (qsizetype i = 0; i < frames; ++i) {
        const double t = double(i) / sampleRate;
        const qsizetype n = i / perStep;
        const int s = int(std::min<qsizetype>(n, 15));
        const double p = double(i - n * perStep) / double(perStep);

        const double w = twoPi * k * steps[size_t((s + shift) % 16)];
        const double melody = std::sin(w * t) + 0.22 * std::sin(2 * w * t) + 0.08 * std::sin(3.01 * w * t);
        const double melodyEnvelope = std::min(18 * p, 1.0) * std::min(4 * (1 - p), 1.0);

        const double c = twoPi * k * steps[size_t(s / 4 * 4)] * 0.5;
        const double chord = std::sin(c * t) + 0.42 * std::sin(1.2599 * c * t) + 0.26 * std::sin(1.4983 * c * t);
        const double chordEnvelope = std::min(7 * p, 1.0) * std::min(1.7 * (1 - p), 1.0);

        double tick = 0, bell = 0;
        if (s % 4 == 0) {
            tick = std::sin(twoPi * 105 * t) * std::exp(-13 * p);
            bell = 0.01 * std::exp(-15 * p) * std::sin(4 * w * t);
        } else {
            tick = std::sin(twoPi * 175 * t) * std::exp(-20 * p);
        }
        out[i] = float(bell + 0.05 * melodyEnvelope * melody + 0.018 * chordEnvelope * chord + 0.02 * tick);
    }
    return clip;
}

void StoryMusicPlayer::disable()
{
    m_enabled = false;
    ++m_generation;
    m_channel.stop();
}

void StoryMusicPlayer::pause()
{
    ++m_generation;
    m_channel.stop();
}

void StoryMusicPlayer::resume()
{
    if (m_enabled)
        begin(m_currentMood, m_currentVariation);
}

void StoryMusicPlayer::begin(StoryMusicMood mood, int variation)
{
    if (!m_enabled)
        return;
    // The loop takes a noticeable moment to synthesise: it is made on a worker thread
    // and starts when ready, unless a pause, a stop or a newer start came in between.
    const quint64 generation = ++m_generation;
    QPointer<StoryMusicPlayer> self(this);
    QThreadPool::globalInstance()->start([self, generation, mood, variation] {
        PcmClip loop = makeLoop(mood, variation);
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, loop = std::move(loop)] {
                if (self && self->m_enabled && self->m_generation == generation)
                    self->m_channel.play(loop, volume, true);
            },
            Qt::QueuedConnection);
    });
}

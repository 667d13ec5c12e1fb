#pragma once

#include "SoundChannel.h"

#include <QList>
#include <QObject>

// A tiny sine-wave synthesiser: each tone is rendered on the fly and played at once,
// cutting off the tone before it. Tones stay silent when the sound setting is off.
class TonePlayer : public QObject
{
    Q_OBJECT
public:
    static TonePlayer &shared();

    static constexpr int sampleRate = 44100;
    static constexpr float peak = 0.22f;

    // One tone: `frequency` in hertz for `duration` seconds.
    void play(double frequency, double duration);
    // The frequencies one after another, each for `duration` seconds and 80 ms apart
    // from the start of the next; returns at once.
    void playPattern(const QList<double> &frequencies, double duration);

    // The samples of one tone: a sine under a half-sine envelope peaking at `peak`.
    static PcmClip render(double frequency, double duration);
    // The wait between two notes of a pattern, in milliseconds.
    static int stepMilliseconds(double duration);

    SoundChannel &channel() { return m_channel; }

private:
    TonePlayer();
    void playStep(QList<double> frequencies, int index, double duration);

    SoundChannel m_channel;
};

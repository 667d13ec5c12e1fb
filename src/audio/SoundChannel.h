#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

#include <memory>

class QAudioSink;
class ClipSource;

// A block of mono 32-bit float samples.
struct PcmClip
{
    QVector<float> samples;
    int sampleRate = 44100;

    bool isEmpty() const { return samples.isEmpty(); }
    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// `clip` as a WAV document (16-bit mono), as the platform's decoder reads it.
QByteArray wavDocument(const PcmClip &clip);

// One voice of the sound output: it plays one clip at a time through the default
// audio output, and a new clip (or stop()) cuts off the one that sounds.
//
// Without an audio output (no sound server, as on a build machine) a channel stays
// silent: play() and stop() return at once and report nothing. Either way the
// `started` and `stopped` signals tell what the channel was asked to sound, which
// is how the rest of the program and its tests observe the sound.
class SoundChannel : public QObject
{
    Q_OBJECT
public:
    explicit SoundChannel(QObject *parent = nullptr);
    ~SoundChannel() override;

    // Cuts off whatever sounds and starts `clip` at `volume` (0 to 1); a looping clip
    // repeats without end until the next play() or stop().
    void play(const PcmClip &clip, double volume = 1.0, bool loop = false);
    void stop();

    // The longest clip handed to the sound server whole as it starts (a longer or looping
    // one is fed as it plays).
    static constexpr double oneWriteSeconds = 8.0;

    // Whether the machine offers an audio output at all.
    static bool hasOutputDevice();

signals:
    void started(const PcmClip &clip, double volume, bool loop);
    void stopped();

private:
    void release();

    QAudioSink *m_sink = nullptr;
    ClipSource *m_source = nullptr;
};

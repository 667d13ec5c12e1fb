#pragma once

#include <QObject>
#include <QVector>

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
// The output streams are made, fed and let go on a thread of the sound output's own,
// so a busy interface thread (a page being built) never leaves a stream without
// samples; play() and stop() only hand the clip or the cut over to it.
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

    // Whether the machine offers an audio output at all.
    static bool hasOutputDevice();

signals:
    void started(const PcmClip &clip, double volume, bool loop);
    void stopped();

private:
    const quint64 m_id;       // names the channel on the output's thread
    quint64 m_clipNumber = 0; // the clip handed over last
    bool m_listening = false; // to the output's thread, which reports a clip run out
};

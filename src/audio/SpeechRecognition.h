#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAudioSource;
class QIODevice;

// What listening to a spoken word is made of: sound from a capture, the two
// permissions, and a recogniser that turns the sound into text. Each part is an
// interface so that a test can replace it (recorded samples for the microphone, refusals
// for the permissions, a scripted recogniser).
//
// Every block of sound is 16 kHz mono signed 16-bit samples in the machine's byte order,
// 1024 frames long (the last block of a capture may be shorter).
namespace SpeechAudio {
constexpr int sampleRate = 16000;
constexpr int blockFrames = 1024;
constexpr int blockBytes = blockFrames * 2;

// `data` in `format` (any channel count, 8/16/32-bit integer or float samples, any
// rate) as 16 kHz mono 16-bit samples: channels are averaged, the rate converted by
// linear interpolation. `position` carries the resampler's fractional read position from
// one call to the next; `last` the previous call's last mono sample. Empty when the
// format is unusable.
QByteArray toSpeechFormat(const QByteArray &data, const QAudioFormat &format, double &position, float &last);
// True when toSpeechFormat can read this format.
bool usable(const QAudioFormat &format);
} // namespace SpeechAudio

// A source of spoken sound. start() opens it and returns false when it cannot (no input
// device, no usable format, the capture refused to open); afterwards `block` delivers the
// sound on the thread the capture lives on, until stop().
class SpeechCapture : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool start() = 0;
    virtual void stop() = 0;

signals:
    void block(const QByteArray &pcm);
};

// The default input device through QAudioSource: 16 kHz mono 16-bit when the device
// takes it, else the device's preferred format converted to it.
class MicrophoneCapture : public SpeechCapture
{
    Q_OBJECT
public:
    explicit MicrophoneCapture(QObject *parent = nullptr);
    ~MicrophoneCapture() override;

    bool start() override;
    void stop() override;

private:
    void read();

    QAudioSource *m_source = nullptr;
    QIODevice *m_device = nullptr;
    QAudioFormat m_format;
    QByteArray m_pending;
    double m_position = 0.0;
    float m_last = 0.0f;
};

// The two permissions listening needs. Each ask answers once, later (never inside the
// call), on the thread of `context`, and not at all once `context` is gone.
class SpeechPermissions
{
public:
    virtual ~SpeechPermissions();
    virtual void askSpeech(QObject *context, std::function<void(bool granted)> answer) = 0;
    virtual void askMicrophone(QObject *context, std::function<void(bool granted)> answer) = 0;
};

// This platform asks the user nothing: both permissions are granted.
class GrantedSpeechPermissions : public SpeechPermissions
{
public:
    void askSpeech(QObject *context, std::function<void(bool granted)> answer) override;
    void askMicrophone(QObject *context, std::function<void(bool granted)> answer) override;
};

// Turns spoken sound into English words. begin() hands out the listening's number, taken
// from one sequence for the whole process: no two listenings share one, whichever owner
// (or page) started them, so what the recogniser reports for a listening can never be
// taken for another's. Signals arrive on the recogniser's own (the owner's) thread, never
// from inside begin().
class WordRecognizer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False when no recogniser can run here (no model installed); cheap to ask.
    virtual bool isAvailable() const = 0;
    // Starts a new listening for `target` and returns its number (never 0); sound follows
    // through feed() with that number.
    quint64 begin(const QString &target);
    virtual void feed(quint64 listening, const QByteArray &pcm) = 0;
    // Ends the listening without a result.
    virtual void cancel(quint64 listening) = 0;

signals:
    // The best words so far (`final` false) or the result once speech has fallen silent
    // after speech (`final` true; nothing more follows for that listening).
    void heard(quint64 listening, const QString &text, bool final);
    // The listening ended without a result: the target cannot be listened for, or the
    // decoder failed.
    void failed(quint64 listening, bool unavailable);

protected:
    // Starts listening number `listening` (fresh from the process's sequence) for `target`.
    virtual void startListening(quint64 listening, const QString &target) = 0;
};

// The microphone's sound converted to the recogniser's 16 kHz mono 16-bit samples, from
// whatever format the input device offers.

#include "SpeechRecognition.h"

#include <QtTest>

#include <cmath>

namespace {

// `seconds` of a sine of `hertz` at half scale, in `channels` float channels.
QByteArray sine(int rate, int channels, double hertz, double seconds)
{
    QByteArray out;
    const int frames = int(rate * seconds);
    for (int f = 0; f < frames; ++f) {
        const float v = float(0.5 * std::sin(2 * M_PI * hertz * f / rate));
        for (int c = 0; c < channels; ++c)
            out.append(reinterpret_cast<const char *>(&v), sizeof v);
    }
    return out;
}

QList<qint16> samplesOf(const QByteArray &pcm)
{
    QList<qint16> out(pcm.size() / 2);
    std::memcpy(out.data(), pcm.constData(), size_t(out.size()) * 2);
    return out;
}

} // namespace

class TestSpeechCapture : public QObject
{
    Q_OBJECT
private slots:
    void convertsToSpeechFormat();
};

void TestSpeechCapture::convertsToSpeechFormat()
{
    QAudioFormat stereo48k;
    stereo48k.setSampleRate(48000);
    stereo48k.setChannelCount(2);
    stereo48k.setSampleFormat(QAudioFormat::Float);
    const QByteArray input = sine(48000, 2, 440, 1.0);

    // Whole, and in uneven pieces carrying the resampler's position: the same samples.
    double position = 0;
    float last = 0;
    const QList<qint16> whole = samplesOf(SpeechAudio::toSpeechFormat(input, stereo48k, position, last));
    QVERIFY(std::abs(whole.size() - 16000) <= 1);
    position = 0;
    last = 0;
    QByteArray pieces;
    const qsizetype frameBytes = stereo48k.bytesPerFrame();
    for (qsizetype at = 0, n = 1; at < input.size(); at += n * frameBytes, n = n % 997 + 331)
        pieces += SpeechAudio::toSpeechFormat(input.mid(at, n * frameBytes), stereo48k, position, last);
    QCOMPARE(samplesOf(pieces), whole);

    // Still a 440 Hz sine at half scale: 880 zero crossings a second, peaks near 16384.
    int crossings = 0;
    qint16 peak = 0;
    for (qsizetype i = 1; i < whole.size(); ++i) {
        crossings += (whole[i - 1] < 0) != (whole[i] < 0) ? 1 : 0;
        peak = std::max(peak, whole[i]);
    }
    QVERIFY(std::abs(crossings - 880) <= 2);
    QVERIFY(peak > 16000 && peak <= 16384);

    // The recogniser's own format passes unchanged; an unusable one gives nothing.
    QAudioFormat speech;
    speech.setSampleRate(16000);
    speech.setChannelCount(1);
    speech.setSampleFormat(QAudioFormat::Int16);
    const QByteArray raw = QByteArray::fromHex("0100ff7f0080");
    QCOMPARE(SpeechAudio::toSpeechFormat(raw, speech, position, last), raw);
    QVERIFY(SpeechAudio::toSpeechFormat(raw, QAudioFormat(), position, last).isEmpty());
}

QTEST_GUILESS_MAIN(TestSpeechCapture)
#include "tst_speech_capture.moc"

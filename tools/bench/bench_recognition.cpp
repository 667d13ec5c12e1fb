// Figures of the word recogniser: the model's load (once, on the recogniser's thread),
// the real-time factor of decoding spoken words, the memory the loaded model takes, and
// the longest the interface thread goes without turning its event loop while a
// listening loads the model and decodes (it should never exceed a frame, 16 ms).
// Run: build/tools/bench/bench_recognition
//
// With --microphone the coach listens through the real default input device instead,
// while paplay plays "cat" spoken by espeak-ng to the default output: on a sound server
// whose default source is the monitor of its default sink (a private PulseAudio with a
// null sink will do), this checks the capture, its format conversion and the recogniser
// together. It prints what was heard.
#include "BenchFigures.h"
#include "LearningContent.h"
#include "PocketSphinxRecognizer.h"
#include "PronunciationCoach.h"
#include "SpokenWords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Turns the event loop until `done` or 20 s have passed; false on time-out.
bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Listens through the default microphone while "cat" is played to the default output.
int listenThroughMicrophone(const QStringList &vocabulary)
{
    QTemporaryDir folder;
    const QString wav = folder.filePath(QStringLiteral("cat.wav"));
    if (QProcess::execute(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("-w"), wav,
                                                        QStringLiteral("cat")})
        != 0)
        return 1;
    PocketSphinxRecognizer recognizer(vocabulary);
    GrantedSpeechPermissions permissions;
    PronunciationCoach coach;
    coach.setServices(&recognizer, nullptr, &permissions); // the default microphone
    QProcess player;
    QObject::connect(&coach, &PronunciationCoach::isRecordingChanged, [&] {
        if (coach.isRecording())
            player.start(QStringLiteral("paplay"), {wav});
    });
    QObject::connect(&coach, &PronunciationCoach::transcriptChanged,
                     [&] { std::printf("transcript: %s\n", qPrintable(coach.transcript())); });
    QElapsedTimer timer;
    timer.start();
    coach.start(QStringLiteral("cat"));
    waitFor([&] { return timer.elapsed() > 300 && !coach.isRecording(); });
    player.waitForFinished(5000);
    std::printf("status: %s\nheard: %s after %lld ms\n", qPrintable(coach.status()), qPrintable(coach.transcript()),
                timer.elapsed());
    return coach.transcript() == QStringLiteral("cat") ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList vocabulary;
    for (const BasicEnglishWord &entry : LearningContent::basicEnglish())
        vocabulary.append(entry.word);
    if (app.arguments().contains(QStringLiteral("--microphone")))
        return listenThroughMicrophone(vocabulary);

    SpokenWords spoken;
    QList<QPair<QString, QByteArray>> samples;
    for (const QStringList &list : {SpokenWords::targets(), SpokenWords::others()}) {
        for (const QString &word : list) {
            const QByteArray pcm = spoken.pcm(word);
            if (pcm.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(spoken.error()));
                return 1;
            }
            samples.append({word, pcm});
        }
    }

    // The interface thread's heartbeat: the longest gap between two turns of its loop.
    QElapsedTimer beat;
    beat.start();
    qint64 last = 0;
    double longestGapMs = 0;
    QTimer heartbeat;
    heartbeat.setInterval(2);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = beat.nsecsElapsed();
        longestGapMs = std::max(longestGapMs, double(now - last) / 1e6);
        last = now;
    });

    const long before = residentKilobytes();
    PocketSphinxRecognizer recognizer(vocabulary);
    double loadMs = -1;
    QObject::connect(&recognizer, &PocketSphinxRecognizer::modelLoaded, [&](bool ok, double ms) { loadMs = ok ? ms : -1; });
    RecordedCapture capture;
    GrantedSpeechPermissions permissions;
    PronunciationCoach coach;
    coach.setServices(&recognizer, &capture, &permissions);

    double audioSeconds = 0;
    double decodeSeconds = 0;
    int heard = 0;
    long afterLoad = 0;
    std::vector<double> resultLatencies;
    heartbeat.start();
    last = beat.nsecsElapsed();
    for (const auto &[word, pcm] : samples) {
        capture.samples = pcm;
        bool started = false;
        bool ended = false;
        QElapsedTimer listening;
        QMetaObject::Connection c = QObject::connect(&coach, &PronunciationCoach::isRecordingChanged, [&] {
            if (coach.isRecording()) {
                started = true;
                listening.start();
            } else if (started) {
                ended = true;
            }
        });
        coach.start(word);
        if (!waitFor([&] { return ended; })) {
            std::fprintf(stderr, "no result for %s\n", qPrintable(word));
            return 1;
        }
        QObject::disconnect(c);
        if (afterLoad == 0)
            afterLoad = residentKilobytes();
        const double seconds = double(pcm.size() / 2) / SpeechAudio::sampleRate;
        // The first listening includes the model's load.
        if (word != samples.first().first) {
            audioSeconds += seconds;
            decodeSeconds += double(listening.nsecsElapsed()) / 1e9;
        }
        heard += coach.transcript() == word ? 1 : 0;
    }
    heartbeat.stop();

    std::printf("%-58s %9.2f ms\n", "model load (recogniser's thread, first listening)", loadMs);
    std::printf("%-58s %9ld kB\n", "resident memory before the recogniser", before);
    std::printf("%-58s %9ld kB\n", "resident memory added by the loaded model", afterLoad - before);
    std::printf("%-58s %9.2f s\n", "audio decoded (39 words after the first)", audioSeconds);
    std::printf("%-58s %9.4f\n", "real-time factor (whole listening, sound sent at once)", decodeSeconds / audioSeconds);
    std::printf("%-58s %9d / 40\n", "words heard as themselves", heard);
    std::printf("%-58s %9.2f ms\n", "longest interface-thread gap during all of it", longestGapMs);
    return 0;
}

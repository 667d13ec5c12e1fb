// The sound output heard on a real sound server: a private PulseAudio with a null
// sink is started for this test alone, the program's own channels (tones, speech, the
// feedback sounds) play through it, and the sink's monitor is recorded with parec.
// Every clip must be heard at its time and in full however many came before it, and a
// new clip still cuts off the last one of its channel.
//
// When PulseAudio or parec is missing or the server does not come up within a few
// seconds, every case is skipped at once; every wait below has a deadline, and the
// server and the recorder run under `timeout`, so nothing outlives a crashed test.
#include "Clock.h"
#include "GameAudio.h"
#include "Patience.h"
#include "SettingsStore.h"
#include "SoundChannel.h"
#include "SpeechEngine.h"
#include "SpeechService.h"
#include "TonePlayer.h"
#include "PrivateSoundServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>
#include <numbers>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

using namespace PrivateSound;

PrivateSoundServer *server = nullptr;
QString serverProblem;

constexpr double toneLevel = 0.3; // the loudness (RMS) of steadyTone()

// The loudness of each 20 ms window of a recording or of a clip, a window every
// 1/`perSecond` s.
QVector<double> windowLevels(const QVector<float> &samples, int rate, int perSecond = 50)
{
    const int frames = std::max(1, rate / 50);
    const int step = std::max(1, rate / perSecond);
    QVector<double> levels;
    for (qsizetype start = 0; start + frames <= samples.size(); start += step) {
        double sum = 0;
        for (qsizetype i = start; i < start + frames; ++i)
            sum += double(samples[i]) * samples[i];
        levels << std::sqrt(sum / frames);
    }
    return levels;
}

// A tone of one loudness from its first 20 ms to its last (5 ms fades), so that every
// 20 ms window of it is loud; `silence` seconds of silence go before it.
PcmClip steadyTone(double frequency, double seconds, double silence = 0)
{
    PcmClip clip;
    clip.sampleRate = 44100;
    const qsizetype quiet = qsizetype(silence * clip.sampleRate);
    const qsizetype frames = qsizetype(seconds * clip.sampleRate);
    const double fade = 0.005 * clip.sampleRate;
    clip.samples.resize(quiet + frames);
    for (qsizetype i = 0; i < frames; ++i) {
        const double edge = std::min({1.0, double(i) / fade, double(frames - 1 - i) / fade});
        clip.samples[quiet + i] = float(toneLevel * std::sqrt(2.0) * edge * std::sin(2 * std::numbers::pi * frequency * double(i) / clip.sampleRate));
    }
    return clip;
}

// One clip as the program handed it to a channel, and when.
struct Sounded
{
    QString what;
    PcmClip clip;
    double volume = 1;
    double at = 0; // seconds since the recording began
};

} // namespace

class SoundOutputTest : public QObject
{
    Q_OBJECT

private:
    MemorySettingsStore m_settings;
    std::unique_ptr<QProcess> m_recorder;
    QElapsedTimer m_since;
    QByteArray m_recorded;
    QList<Sounded> m_sounded;
    int m_outstanding = 0;
    QString m_label;

    void listenTo(SoundChannel &channel)
    {
        connect(&channel, &SoundChannel::started, this, [this](const PcmClip &clip, double volume, bool) {
            m_sounded << Sounded{m_label, clip, volume, m_since.nsecsElapsed() / 1e9};
            --m_outstanding;
        });
    }

    void startRecording()
    {
        m_recorded.clear();
        m_sounded.clear();
        m_recorder = server->record();
        QVERIFY(m_recorder->waitForStarted(3000));
        m_since.start();
        // The monitor delivers samples once the recording stream runs.
        PW_TRY_VERIFY((m_recorded += m_recorder->readAllStandardOutput()).size() > 0);
        m_since.restart();
        m_recorded.clear();
        m_recorder->readAllStandardOutput();
    }

    void readRecording() { m_recorded += m_recorder->readAllStandardOutput(); }

    // Lets the event loop run for `seconds`, recording.
    void keepRecording(double seconds)
    {
        const QDeadlineTimer done(qint64(seconds * 1000));
        while (!done.hasExpired()) {
            QTest::qWait(5);
            readRecording();
        }
    }

    QVector<float> stopRecording()
    {
        QTest::qWait(400); // the tail of the last clip
        m_recorded += m_recorder->readAllStandardOutput();
        PrivateSoundServer::end(*m_recorder);
        m_recorded += m_recorder->readAllStandardOutput();
        QVector<float> samples(m_recorded.size() / 2);
        const auto *raw = reinterpret_cast<const qint16 *>(m_recorded.constData());
        for (qsizetype i = 0; i < samples.size(); ++i)
            samples[i] = raw[i] / 32768.0f;
        return samples;
    }

    // Runs `sound`, which starts `channels` clips, and waits for them to be handed to
    // their channels and to finish, plus a short silence.
    bool sound(const QString &label, int channels, const std::function<void()> &sound)
    {
        m_label = label;
        m_outstanding = channels;
        const qsizetype before = m_sounded.size();
        sound();
        QDeadlineTimer deadline(5000);
        while (m_outstanding > 0 && !deadline.hasExpired()) {
            QTest::qWait(5);
            readRecording();
        }
        if (m_outstanding > 0)
            return false;
        double longest = 0;
        for (qsizetype i = before; i < m_sounded.size(); ++i)
            longest = std::max(longest, m_sounded[i].clip.seconds());
        keepRecording(longest + 0.12);
        return true;
    }

    // The recording's window levels shifted by the output latency: the first loud
    // window marks the start of the first clip.
    static double outputDelay(const QVector<double> &heard, const Sounded &first, double threshold)
    {
        const auto onset = std::find_if(heard.begin(), heard.end(), [&](double l) { return l > threshold; });
        if (onset == heard.end())
            return -1;
        // The first clip's own first loud window.
        const QVector<double> own = windowLevels(first.clip.samples, first.clip.sampleRate);
        const auto ownOnset = std::find_if(own.begin(), own.end(), [&](double l) { return l * first.volume > threshold; });
        const double ownStart = (ownOnset - own.begin()) * 0.02;
        return (onset - heard.begin()) * 0.02 - first.at - ownStart;
    }

    // The share of a clip's loud stretches that the recording holds near their time.
    static double heardShare(const QVector<double> &heard, const Sounded &s, double delay)
    {
        const QVector<double> own = windowLevels(s.clip.samples, s.clip.sampleRate);
        int loud = 0;
        int found = 0;
        for (qsizetype w = 0; w < own.size(); ++w) {
            const double level = own[w] * s.volume;
            if (level < 0.03)
                continue;
            ++loud;
            const qsizetype at = qsizetype(std::lround((s.at + delay) / 0.02)) + w;
            double best = 0;
            for (qsizetype k = at - 4; k <= at + 4; ++k) { // ±80 ms
                if (k >= 0 && k < heard.size())
                    best = std::max(best, heard[k]);
            }
            if (best > level * 0.3)
                ++found;
        }
        return loud == 0 ? 1.0 : double(found) / loud;
    }

private slots:
    void initTestCase()
    {
        if (!server)
            QSKIP(qPrintable(u"no private sound server: "_s + serverProblem));
        SettingsStore::setStandard(&m_settings);
        const QDeadlineTimer deadline(5000);
        while (!SoundChannel::hasOutputDevice() && !deadline.hasExpired())
            QTest::qWait(50);
        QVERIFY2(SoundChannel::hasOutputDevice(), "the program sees no audio output on the private server");
        listenTo(TonePlayer::shared().channel());
        listenTo(SpeechService::shared().channel());
    }

    void cleanupTestCase()
    {
        if (m_recorder)
            PrivateSoundServer::end(*m_recorder);
        if (server)
            server->stop();
    }

    // The first remote clip of the process, prepared ahead as a shelf opens, starts
    // without holding up the interface thread: its decoder's parts, loaded there, took
    // some 20 ms of its processor time (some 100 ms on the clock in the program: a
    // stall in the page's slide and a late first question). Runs before any other clip
    // of the process.
    void theFirstRemoteClipIsPreparedAhead()
    {
        SpeechService::prepareSoundOutput();
        std::thread ahead([] { SpeechService::prepareAhead(); });
        ahead.join();
        const PcmClip word = SpeechEngine::synthesize(u"苹果"_s, {}, SpeechStyle{});
        ClipService service(wavDocument(word));
        SpeechService::setRemoteEndpoint(QUrl(u"http://127.0.0.1:%1"_s.arg(service.serverPort())));
        const auto threadCpuMs = [] {
            timespec t{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
            return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
        };
        double startCpuMs = -1;
        QObject guard;
        // The clip is handed to its player right after this signal, in the same call.
        connect(&SpeechService::shared(), &SpeechService::remoteClipStarted, &guard, [&] {
            const double from = threadCpuMs();
            QTimer::singleShot(0, &guard, [&, from] { startCpuMs = threadCpuMs() - from; });
        });
        SpeechService::shared().speakChinesePronunciation(u"苹果"_s);
        PW_TRY_VERIFY(startCpuMs >= 0);
        SpeechService::shared().stopRemotePronunciation();
        QVERIFY2(startCpuMs < 8, qPrintable(u"the first clip took %1 ms of the interface thread"_s.arg(startCpuMs)));
    }

    // A hundred clips in a row through the tone, speech and feedback channels.
    void everyClipIsHeardInFull()
    {
        startRecording();
        const QStringList words{u"cat"_s, u"sun"_s, u"red"_s, u"dog"_s, u"one"_s};
        const QStringList characters{u"山"_s, u"水"_s, u"火"_s};
        struct Kind
        {
            QString name;
            int clips; // how many channels it sounds on
            std::function<void(int)> sound;
        };
        const QList<Kind> kinds{
            {u"tone"_s, 1, [](int i) { TonePlayer::shared().play(440 + 20 * (i % 7), 0.2); }},
            {u"English speech"_s, 1,
             [&](int i) { SpeechService::shared().speak(words.at(i % words.size()), u"en-US"_s, 0.5f); }},
            {u"right answer"_s, 2, [](int) { GameAudio::correct(); }},
            {u"Chinese speech"_s, 1,
             [&](int i) { SpeechService::shared().speak(characters.at(i % characters.size()), u"zh-CN"_s, 0.5f); }},
            {u"wrong answer"_s, 2, [](int) { GameAudio::wrong(); }},
        };
        int clips = 0;
        for (int i = 0; clips < 100; ++i) {
            const Kind &kind = kinds.at(i % kinds.size());
            QVERIFY2(sound(u"%1 %2"_s.arg(kind.name).arg(i), kind.clips, [&] { kind.sound(i); }),
                     qPrintable(u"clip %1 never reached its channel"_s.arg(i)));
            clips += kind.clips;
        }
        const QVector<double> heard = windowLevels(stopRecording(), recordRate);
        QVERIFY(m_sounded.size() >= 100);

        const double delay = outputDelay(heard, m_sounded.first(), 0.02);
        QVERIFY2(delay >= 0 && delay < 1.0, qPrintable(u"first clip heard with a delay of %1 s"_s.arg(delay)));
        QStringList missing;
        for (qsizetype i = 0; i < m_sounded.size(); ++i) {
            // A busy machine can start a stream a little late: each clip may be heard up
            // to 0.3 s after the first clip's latency puts it (0.1 s before), but in full.
            double share = 0;
            for (int shift = -5; shift <= 15 && share < 0.75; ++shift)
                share = std::max(share, heardShare(heard, m_sounded[i], delay + shift * 0.02));
            if (share < 0.75)
                missing << u"#%1 %2 (%3% heard)"_s.arg(i).arg(m_sounded[i].what).arg(qRound(share * 100));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(u"%1 of %2 clips not heard in full: "_s.arg(missing.size())
                                                   .arg(m_sounded.size())
                                               + missing.join(u", ")));
    }

    // A new tone cuts off a long one: after the short second tone, silence.
    void aNewClipCutsOffTheLast()
    {
        startRecording();
        QVERIFY(sound(u"first clip of many"_s, 1, [] { TonePlayer::shared().play(330, 0.2); }));
        m_label = u"long"_s;
        m_outstanding = 1;
        TonePlayer::shared().play(500, 3.0);
        PW_TRY_COMPARE(m_outstanding, 0);
        QTest::qWait(600);
        QVERIFY(sound(u"short"_s, 1, [] { TonePlayer::shared().play(700, 0.2); }));
        QTest::qWait(800);
        const QVector<double> heard = windowLevels(stopRecording(), recordRate);
        const double delay = outputDelay(heard, m_sounded.first(), 0.02);
        QVERIFY(delay >= 0 && delay < 1.0);
        const Sounded &shortTone = m_sounded.last();
        QVERIFY(heardShare(heard, m_sounded[1], delay) > 0.1); // the long tone began
        QVERIFY(heardShare(heard, shortTone, delay) >= 0.75);
        // From 0.3 s after the short tone's end until the long one would have ended, silence.
        const qsizetype from = qsizetype((shortTone.at + delay + shortTone.clip.seconds() + 0.3) / 0.02);
        const qsizetype to = std::min(heard.size(), qsizetype((m_sounded[1].at + delay + 3.0) / 0.02));
        QVERIFY(to - from > 20);
        for (qsizetype w = from; w < to; ++w)
            QVERIFY2(heard[w] < 0.01, qPrintable(u"sound at %1 s after the short tone"_s.arg((w - from) * 0.02)));
    }

    // A clip sounds without a break while the interface thread stalls (a game's page
    // built under its first prompt): held twice for 300 ms during a 3 s tone, longer
    // each time than what a stream holds, no 20 ms of the tone goes silent.
    void aClipOutlastsAStalledInterfaceThread()
    {
        SoundChannel channel;
        listenTo(channel);
        startRecording();
        const PcmClip tone = steadyTone(520, 3.0);
        m_label = u"steady tone"_s;
        m_outstanding = 1;
        channel.play(tone);
        QCOMPARE(m_outstanding, 0);
        for (int stall = 0; stall < 2; ++stall) {
            keepRecording(0.6);
            std::this_thread::sleep_for(std::chrono::milliseconds(300)); // no event is handled
        }
        keepRecording(1.5);
        constexpr int perSecond = 200; // a 20 ms window every 5 ms
        const QVector<double> heard = windowLevels(stopRecording(), recordRate, perSecond);
        // Below half the tone's loudness, less than a quarter of a window sounds.
        const auto loud = [&](double level) { return level > toneLevel / 2; };
        const qsizetype from = std::find_if(heard.begin(), heard.end(), loud) - heard.begin();
        const qsizetype to = heard.crend() - std::find_if(heard.crbegin(), heard.crend(), loud);
        QVERIFY2(from < to, "the tone was not heard");
        int quiet = 0;
        int longest = 0;
        for (qsizetype w = from, run = 0; w < to; ++w) {
            run = loud(heard[w]) ? 0 : run + 1;
            quiet += run > 0 ? 1 : 0;
            longest = std::max(longest, int(run));
        }
        const double span = double(to - from) / perSecond + 0.02;
        QVERIFY2(quiet == 0, qPrintable(u"the tone went silent in %1 windows, the longest silence %2 ms (heard over %3 s)"_s
                                            .arg(quiet).arg(longest == 0 ? 0 : (longest - 1) * 1000 / perSecond + 20)
                                            .arg(span, 0, 'f', 2)));
        QVERIFY2(std::abs(span - tone.seconds()) < 0.05, qPrintable(u"the tone was heard over %1 s"_s.arg(span)));
        qInfo("the tone heard over %.3f s without a break", span);
    }

    // A pronunciation from the remote service, decoded from its document, is heard in full.
    void aRemoteClipIsHeard()
    {
        const SpeechVoice mandarin = SpeechEngine::voiceForLanguage(u"zh-CN"_s);
        const PcmClip word = SpeechEngine::synthesize(u"苹果"_s, mandarin.identifier, SpeechStyle{});
        QVERIFY(!word.isEmpty());
        ClipService service(wavDocument(word));
        SpeechService::setRemoteEndpoint(QUrl(u"http://127.0.0.1:%1"_s.arg(service.serverPort())));
        startRecording();
        QObject guard;
        connect(&SpeechService::shared(), &SpeechService::remoteClipStarted, &guard,
                [&] { m_sounded << Sounded{u"clip"_s, word, 1.0, m_since.nsecsElapsed() / 1e9}; });
        SpeechService::shared().speakChinesePronunciation(u"苹果"_s);
        PW_TRY_COMPARE(m_sounded.size(), 1);
        keepRecording(word.seconds() + 0.5);
        const QVector<double> heard = windowLevels(stopRecording(), recordRate);
        const double delay = outputDelay(heard, m_sounded.first(), 0.02);
        QVERIFY2(delay >= 0 && delay < 1.0, qPrintable(QString::number(delay)));
        QVERIFY(heardShare(heard, m_sounded.first(), delay) >= 0.75);

        // Bytes the decoder cannot read give way to the local voice.
        ClipService noise(QByteArray(2000, 'a'));
        SpeechService::setRemoteEndpoint(QUrl(u"http://127.0.0.1:%1"_s.arg(noise.serverPort())));
        QSignalSpy local(&SpeechService::shared(), &SpeechService::localUtterance);
        QSignalSpy spoken(&SpeechService::shared().channel(), &SoundChannel::started);
        SpeechService::shared().speakChinesePronunciation(u"香蕉"_s);
        PW_TRY_COMPARE(spoken.size(), 1);
        QCOMPARE(local.first().first().toString(), u"香蕉"_s);
        SpeechService::shared().channel().stop();
    }
};

int main(int argc, char **argv)
{
    // The environment must point at the private server before the program's sound
    // output first looks for devices.
    PrivateSoundServer privateServer;
    if (privateServer.start(&serverProblem))
        server = &privateServer;
    QCoreApplication app(argc, argv);
    SoundOutputTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    privateServer.stop();
    return failed;
}

#include "tst_sound_output.moc"

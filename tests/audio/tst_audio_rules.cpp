// The sound rules without a sound device: tone and loop samples against their
// formulas, melody timing, the sound switch, question lead-ins, the speaking rate and
// the voice choice.
#include "Clock.h"
#include "GameAudio.h"
#include "Patience.h"
#include "SettingsStore.h"
#include "SpeechService.h"
#include "StoryMusicPlayer.h"
#include "TonePlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

struct Heard
{
    QList<double> toneFrequencies; // estimated from the samples
    QList<int> toneFrames;
    QStringList words;
    QList<float> rates;
};

// The frequency of a tone from its zero crossings.
double estimateFrequency(const PcmClip &clip)
{
    int crossings = 0;
    for (qsizetype i = 1; i < clip.samples.size(); ++i) {
        if ((clip.samples[i - 1] < 0) != (clip.samples[i] < 0))
            ++crossings;
    }
    return crossings / 2.0 / clip.seconds();
}

// The expected loop sample, written out from the music's description with the notes
// given as literals by the test.
double loopSample(int i, double melodyNote, double chordRoot, double k, bool barStart)
{
    const double t = i / 44100.0;
    const double p = double(i % 44100) / 44100.0;
    const double w = 2 * pi * k * melodyNote;
    const double m = std::sin(w * t) + 0.22 * std::sin(2 * w * t) + 0.08 * std::sin(3.01 * w * t);
    const double em = std::min(18 * p, 1.0) * std::min(4 * (1 - p), 1.0);
    const double c = 2 * pi * k * chordRoot * 0.5;
    const double h = std::sin(c * t) + 0.42 * std::sin(1.2599 * c * t) + 0.26 * std::sin(1.4983 * c * t);
    const double ec = std::min(7 * p, 1.0) * std::min(1.7 * (1 - p), 1.0);
    const double tick = barStart ? std::sin(2 * pi * 105 * t) * std::exp(-13 * p)
                                 : std::sin(2 * pi * 175 * t) * std::exp(-20 * p);
    const double bell = barStart ? 0.01 * std::exp(-15 * p) * std::sin(4 * w * t) : 0.0;
    return bell + 0.05 * em * m + 0.018 * ec * h + 0.02 * tick;
}

} // namespace

class AudioRulesTest : public QObject
{
    Q_OBJECT

private:
    MemorySettingsStore m_settings;
    ManualClock m_clock;
    Heard m_heard;

    void listen()
    {
        m_heard = {};
        connect(&TonePlayer::shared().channel(), &SoundChannel::started, this,
                [this](const PcmClip &clip, double, bool) {
                    m_heard.toneFrequencies << estimateFrequency(clip);
                    m_heard.toneFrames << int(clip.samples.size());
                });
        connect(&SpeechService::shared(), &SpeechService::localUtterance, this,
                [this](const QString &text, const QString &, float rate) {
                    m_heard.words << text;
                    m_heard.rates << rate;
                });
    }

    // Runs the work queued behind the callers (feedback, then a melody's first note).
    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        SettingsStore::setStandard(&m_settings);
        Clock::setCurrent(&m_clock);
    }

    void init()
    {
        m_settings.clear();
        disconnect(&TonePlayer::shared().channel(), nullptr, this, nullptr);
        disconnect(&SpeechService::shared(), nullptr, this, nullptr);
        listen();
    }

    void toneSamplesFollowTheFormula()
    {
        QCOMPARE(TonePlayer::render(880, 0.2).samples.size(), 8820);
        QCOMPARE(TonePlayer::render(220, 0.16).samples.size(), 7056);
        QCOMPARE(TonePlayer::render(620, 0.07).samples.size(), 3087);
        QCOMPARE(TonePlayer::render(440, 0.18).samples.size(), 7938);

        const PcmClip tone = TonePlayer::render(880, 0.2);
        QCOMPARE(tone.sampleRate, 44100);
        QCOMPARE(tone.samples.first(), 0.0f);
        QVERIFY(std::abs(tone.samples.last()) < 1e-6);
        for (const int i : {1, 100, 2205, 4410, 6000, 8818}) {
            const double expected = std::sin(2 * pi * 880 * i / 44100.0) * std::sin(pi * i / 8819.0) * 0.22;
            QVERIFY2(std::abs(tone.samples[i] - expected) < 1e-6, qPrintable(QString::number(i)));
        }
        // The envelope peaks at 0.22 in the middle.
        float loudest = 0;
        for (float s : tone.samples)
            loudest = std::max(loudest, std::abs(s));
        QVERIFY(loudest <= 0.22f && loudest > 0.219f);

        // A single frame is silent; no frames, no tone.
        QCOMPARE(TonePlayer::render(440, 1.0 / 44100).samples, QVector<float>{0.0f});
        QVERIFY(TonePlayer::render(440, 0.00001).isEmpty());
    }

    void melodyStepsEvery260Milliseconds()
    {
        QCOMPARE(TonePlayer::stepMilliseconds(0.18), 260);
        GameAudio::playInstrument({262, 330, 392, 523});
        settle();
        QCOMPARE(m_heard.toneFrames.size(), 1);
        QCOMPARE(m_heard.toneFrames.first(), 7938);
        m_clock.advance(259);
        QCOMPARE(m_heard.toneFrames.size(), 1);
        m_clock.advance(1);
        QCOMPARE(m_heard.toneFrames.size(), 2);
        m_clock.advance(260 * 3);
        QCOMPARE(m_heard.toneFrames.size(), 4);
        QCOMPARE(m_clock.runUntilIdle(), 0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(std::abs(m_heard.toneFrequencies[i] - QList<double>{262, 330, 392, 523}[i]) < 3);

        m_heard = {};
        GameAudio::playInstrument({});
        settle();
        QCOMPARE(m_clock.runUntilIdle(), 0);
        QVERIFY(m_heard.toneFrames.isEmpty());
    }

    void feedbackPlaysToneAndWord()
    {
        GameAudio::correct();
        QVERIFY(m_heard.toneFrames.isEmpty()); // not inside the caller's work
        settle();
        GameAudio::wrong();
        settle();
        GameAudio::tap();
        settle();
        QCOMPARE(m_heard.toneFrames, (QList<int>{8820, 7056, 3087}));
        QVERIFY(std::abs(m_heard.toneFrequencies[0] - 880) < 6);
        QVERIFY(std::abs(m_heard.toneFrequencies[1] - 220) < 7);
        QVERIFY(std::abs(m_heard.toneFrequencies[2] - 620) < 15);
        QCOMPARE(m_heard.words, (QStringList{"Wonderful!", "Oops!"}));
        // The feedback rate 0.42 is heard at the speech cap.
        QCOMPARE(m_heard.rates, (QList<float>{0.36f, 0.36f}));
    }

    void soundSwitch_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("sounds");
        QTest::newRow("absent") << QVariant() << true;
        QTest::newRow("on") << QVariant(true) << true;
        QTest::newRow("off") << QVariant(false) << false;
        QTest::newRow("off as number") << QVariant(0) << false;
    }

    void soundSwitch()
    {
        QFETCH(QVariant, setting);
        QFETCH(bool, sounds);
        if (setting.isValid())
            m_settings.setValue(GameAudio::soundSettingKey, setting);
        QCOMPARE(GameAudio::feedbackSoundEnabled(), sounds);

        GameAudio::correct();
        GameAudio::wrong();
        GameAudio::tap();
        settle();
        TonePlayer::shared().play(440, 0.1);
        GameAudio::playInstrument({440, 550});
        settle();
        m_clock.runUntilIdle();
        QCOMPARE(m_heard.toneFrames.size(), sounds ? 6 : 0);
        QCOMPARE(m_heard.words.size(), sounds ? 2 : 0);

        // Questions are read whatever the setting says.
        m_heard.words.clear();
        GameAudio::readQuestion("Which one is red?", "en-US");
        settle();
        QCOMPARE(m_heard.words, QStringList{"Listen carefully. Which one is red?"});
    }

    void questionLeadIns()
    {
        QCOMPARE(GameAudio::leadIn("en-US"), QStringLiteral("Listen carefully. "));
        QCOMPARE(GameAudio::leadIn("EN-gb"), QStringLiteral("Listen carefully. "));
        QCOMPARE(GameAudio::leadIn("zh-CN"), QStringLiteral("请听题，"));
        QCOMPARE(GameAudio::leadIn(""), QStringLiteral("请听题，"));

        QString language;
        connect(&SpeechService::shared(), &SpeechService::localUtterance, this,
                [&](const QString &, const QString &lang, float) { language = lang; });
        GameAudio::readQuestion("哪个是苹果？", "zh-CN");
        settle();
        QCOMPARE(m_heard.words, QStringList{"请听题，哪个是苹果？"});
        QCOMPARE(language, QStringLiteral("zh-CN"));
        QCOMPARE(m_heard.rates, QList<float>{0.36f});
    }

    void speakingRateIsCapped()
    {
        SpeechService::shared().speak("slow", "en-US", 0.32f);
        SpeechService::shared().speak("fast", "en-US", 0.5f);
        QCOMPARE(m_heard.rates, (QList<float>{0.32f, 0.36f}));
    }

    void voiceChoice()
    {
        using Q = SpeechVoice::Quality;
        const QList<SpeechVoice> voices{
            {"a", "Fred", "en-US", Q::Premium},
            {"b", "Samantha (Enhanced)", "en-US", Q::Enhanced},
            {"c", "Tingting", "zh-TW", Q::Default},
            {"d", "Generic", "zh-CN", Q::Enhanced},
            {"e", "Daniel", "en-GB", Q::Default},
            {"f", "Other", "en-AU", Q::Default},
            {"g", "Meijia", "ZH-HK", Q::Premium},
        };
        // A preferred name (28) beats a premium voice without one (12).
        QCOMPARE(SpeechService::preferredVoice("en-US", voices)->identifier, QStringLiteral("b"));
        // Every Chinese region is a candidate; Meijia (premium, preferred) scores 32.
        QCOMPARE(SpeechService::preferredVoice("zh-CN", voices)->identifier, QStringLiteral("g"));
        // Ties go to the voice listed first.
        const QList<SpeechVoice> tied{{"x", "One", "en-GB", Q::Default}, {"y", "Two", "en-US", Q::Default}};
        QCOMPARE(SpeechService::preferredVoice("en-US", tied)->identifier, QStringLiteral("x"));
        // Only a strictly higher score replaces the kept voice.
        const QList<SpeechVoice> later{{"x", "Ava", "en-US", Q::Default}, {"y", "Zoe", "en-US", Q::Default},
                                       {"z", "Plain", "en-US", Q::Premium}};
        QCOMPARE(SpeechService::preferredVoice("en", later)->identifier, QStringLiteral("x"));
        // The base language is the first non-empty part of the code.
        QCOMPARE(SpeechService::preferredVoice("-zh-", voices)->identifier, QStringLiteral("g"));
        QVERIFY(!SpeechService::preferredVoice("fr-FR", voices));
        QVERIFY(!SpeechService::preferredVoice("en-US", {}));
    }

    void engineParametersAndText()
    {
        SpeechStyle style;
        style.rate = 0.36f;
        style.pitchMultiplier = 1.11f;
        style.volume = 0.92f;
        const EngineParameters p = SpeechEngine::engineParameters(style);
        QCOMPARE(p.wordsPerMinute, 126);
        QCOMPARE(p.pitch, 56);
        QCOMPARE(p.volume, 92);
        style.rate = 0.5f;
        QCOMPARE(SpeechEngine::engineParameters(style).wordsPerMinute, 175);
        style.rate = 1.0f;
        QCOMPARE(SpeechEngine::engineParameters(style).wordsPerMinute, 450);
        style.rate = 0.0f;
        QCOMPARE(SpeechEngine::engineParameters(style).wordsPerMinute, 80);

        QCOMPARE(SpeechEngine::prepareText("3+4=7，9-2=？", "zh-CN"), QStringLiteral("3加4等于7，9减2等于？"));
        QCOMPARE(SpeechEngine::prepareText("3＋4＝7", "zh"), QStringLiteral("3加4等于7"));
        QCOMPARE(SpeechEngine::prepareText("3+4=7", "en-US"), QStringLiteral("3+4=7"));
    }

    void loopSteps()
    {
        const auto seq = StoryMusicPlayer::sequence(StoryMusicMood::home);
        const std::array<double, 16> expected{523.25, 659.25, 783.99, 659.25, 587.33, 698.46, 880.0, 698.46,
                                              698.46, 880.0,  698.46, 587.33, 659.25, 783.99, 659.25, 523.25};
        QCOMPARE(seq, expected);
        QCOMPARE(StoryMusicPlayer::transposition(0), 1.0);
        QCOMPARE(StoryMusicPlayer::transposition(1), 1.0293);
        QCOMPARE(StoryMusicPlayer::transposition(6), 0.9715);
        QCOMPARE(StoryMusicPlayer::transposition(7), 1.0595);
        QCOMPARE(StoryMusicPlayer::notes(StoryMusicMood::action)[7], 1046.5);
        QCOMPARE(StoryMusicPlayer::notes(StoryMusicMood::science)[1], 622.25);
    }

    void loopSamplesFollowTheFormula()
    {
        const PcmClip home = StoryMusicPlayer::makeLoop(StoryMusicMood::home, 0);
        QCOMPARE(home.samples.size(), 705600);
        QCOMPARE(home.sampleRate, 44100);
        QCOMPARE(home.samples.first(), 0.0f);
        // Step 3 (783.99 over the 523.25 chord), step 5 (a bar start: 587.33 and its
        // own chord), step 9 (698.46 twice in a row), the last frame of step 16.
        struct Probe { int frame; double melody; double chord; bool barStart; };
        const QList<Probe> variation0{{2 * 44100 + 5000, 783.99, 523.25, false},
                                      {4 * 44100 + 700, 587.33, 587.33, true},
                                      {8 * 44100 + 30000, 698.46, 698.46, true},
                                      {9 * 44100 + 123, 880.0, 698.46, false},
                                      {705599, 523.25, 659.25, false}};
        for (const Probe &probe : variation0) {
            const double expected = loopSample(probe.frame, probe.melody, probe.chord, 1.0, probe.barStart);
            QVERIFY2(std::abs(home.samples[probe.frame] - expected) < 1e-6, qPrintable(QString::number(probe.frame)));
        }
        // Variation 1: pitch times 1.0293, melody one step ahead (the last step plays
        // the first note), the chords on the unshifted steps.
        const PcmClip shifted = StoryMusicPlayer::makeLoop(StoryMusicMood::home, 1);
        const QList<Probe> variation1{{2 * 44100 + 5000, 659.25, 523.25, false},
                                      {4 * 44100 + 700, 698.46, 587.33, true},
                                      {15 * 44100 + 20000, 523.25, 659.25, false}};
        for (const Probe &probe : variation1) {
            const double expected = loopSample(probe.frame, probe.melody, probe.chord, 1.0293, probe.barStart);
            QVERIFY2(std::abs(shifted.samples[probe.frame] - expected) < 1e-6, qPrintable(QString::number(probe.frame)));
        }
        QCOMPARE(shifted.samples.first(), 0.0f);
        // The music stays quiet.
        float loudest = 0;
        for (float s : home.samples)
            loudest = std::max(loudest, std::abs(s));
        QVERIFY(loudest < 0.2f && loudest > 0.05f);
    }

    void musicSwitches()
    {
        StoryMusicPlayer &music = StoryMusicPlayer::shared();
        QSignalSpy started(&music.channel(), &SoundChannel::started);
        QSignalSpy stopped(&music.channel(), &SoundChannel::stopped);
        music.resume();
        PW_TRY_COMPARE(started.size(), 1);
        QCOMPARE(started.first().at(1).toDouble(), 0.2);
        QCOMPARE(started.first().at(2).toBool(), true);
        QCOMPARE(started.first().at(0).value<PcmClip>().samples.size(), 705600);

        music.pause();
        QCOMPARE(stopped.size(), 1);
        QVERIFY(music.isEnabled());
        // A pause that comes before the loop is ready keeps it silent.
        music.resume();
        music.pause();
        QTest::qWait(500);
        QCOMPARE(started.size(), 1);
        music.resume();
        PW_TRY_COMPARE(started.size(), 2);

        music.disable();
        QVERIFY(!music.isEnabled());
        QCOMPARE(stopped.size(), 3);
        music.resume();
        QTest::qWait(300);
        QCOMPARE(started.size(), 2);
    }

    void entryPointsReturnAtOnceWithoutDevice()
    {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            GameAudio::tap();
            GameAudio::correct();
            GameAudio::readQuestion("Which one?", "en-US");
            TonePlayer::shared().play(440, 0.2);
        }
        settle();
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(AudioRulesTest)
#include "tst_audio_rules.moc"

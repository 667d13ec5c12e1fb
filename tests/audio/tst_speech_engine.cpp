// The real speech engine: the voices it offers, the samples it renders and the
// phonemes of its Mandarin voice.
#include "Patience.h"
#include "SpeechEngine.h"
#include "SpeechService.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

SpeechStyle serviceStyle()
{
    SpeechStyle style;
    style.rate = SpeechService::maximumRate;
    style.pitchMultiplier = SpeechService::pitchMultiplier;
    style.volume = SpeechService::volume;
    style.preDelay = SpeechService::preUtteranceDelay;
    style.postDelay = SpeechService::postUtteranceDelay;
    return style;
}

double rms(const PcmClip &clip)
{
    double sum = 0;
    for (float s : clip.samples)
        sum += double(s) * s;
    return clip.samples.isEmpty() ? 0 : std::sqrt(sum / clip.samples.size());
}

QString mandarin()
{
    return SpeechService::preferredVoice("zh-CN").value_or(SpeechVoice{}).identifier;
}

} // namespace

class SpeechEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void voicesAndChoice()
    {
        const QList<SpeechVoice> voices = SpeechEngine::installedVoices();
        QVERIFY(voices.size() > 20);
        QCOMPARE(voices.first().language, QStringLiteral("en-US"));
        bool hasMandarin = false;
        for (const SpeechVoice &voice : voices) {
            QVERIFY2(voice.identifier != "sit/cmn", "the voice that reads pinyin as English is listed");
            QVERIFY(!voice.identifier.startsWith("mb/"));
            hasMandarin |= voice.language == "zh-CN";
        }
        QVERIFY(hasMandarin);
        QCOMPARE(mandarin(), QStringLiteral("sit/cmn-Latn-pinyin"));
        QCOMPARE(SpeechService::preferredVoice("en-US")->identifier, QStringLiteral("gmw/en-US"));
        QCOMPARE(SpeechService::preferredVoice("EN")->language, QStringLiteral("en-US"));
        QVERIFY(SpeechService::preferredVoice("fr-FR")->language.startsWith("fr"));
        QVERIFY(!SpeechService::preferredVoice("xx-YY"));
    }

    void englishSentence()
    {
        const SpeechStyle style = serviceStyle();
        const PcmClip clip = SpeechEngine::synthesize("Wonderful! Which one is red?", "gmw/en-US", style);
        QVERIFY(clip.sampleRate >= 16000);
        // Five words at 126 words a minute, with the pauses: about two seconds.
        QVERIFY2(clip.seconds() > 1.2 && clip.seconds() < 4.5, qPrintable(QString::number(clip.seconds())));
        QVERIFY2(rms(clip) > 0.02, qPrintable(QString::number(rms(clip))));
        // The pause before the words is silence.
        const int lead = int(style.preDelay * clip.sampleRate);
        for (int i = 0; i < lead; ++i)
            QCOMPARE(clip.samples[i], 0.0f);
        for (float s : clip.samples)
            QVERIFY(std::abs(s) <= 1.0f);

        // Faster speech is shorter.
        SpeechStyle fast = style;
        fast.rate = 0.8f;
        QVERIFY(SpeechEngine::synthesize("Wonderful! Which one is red?", "gmw/en-US", fast).seconds() < clip.seconds() * 0.75);
    }

    void chineseSentence()
    {
        const PcmClip clip = SpeechEngine::synthesize("小朋友，你好", mandarin(), serviceStyle());
        QVERIFY2(clip.seconds() > 1.0 && clip.seconds() < 5.0, qPrintable(QString::number(clip.seconds())));
        QVERIFY(rms(clip) > 0.02);
    }

    void mandarinPhonemes()
    {
        const QString pinyinVoice = SpeechEngine::phonemes("你好", mandarin());
        // Mandarin syllables with their tones, no switch into English.
        QVERIFY2(QRegularExpression("n'i\\d{2,3}_\\| X'Au\\d{2,3}").match(pinyinVoice).hasMatch(), qPrintable(pinyinVoice));
        QVERIFY2(!pinyinVoice.contains("(en)"), qPrintable(pinyinVoice));
        // espeak-ng's plain Mandarin voice reads its own pinyin as English.
        QVERIFY(SpeechEngine::phonemes("你好", "sit/cmn").contains("(en)"));

        // Arithmetic is read in Mandarin, not as English "plus" and "equals".
        const QString sum = SpeechEngine::phonemes(SpeechEngine::prepareText("1+2=3", "zh-CN"), mandarin());
        QVERIFY2(!sum.contains("(en)"), qPrintable(sum));
        QVERIFY2(sum.contains("iA55") && sum.contains("y35"), qPrintable(sum)); // jiā … děng yú
    }

    void abandonedSynthesisYieldsNothing()
    {
        int asked = 0;
        const PcmClip clip = SpeechEngine::synthesize("A long sentence that will never be finished at all.", "gmw/en-US",
                                                      serviceStyle(), [&] { return ++asked < 2; });
        QVERIFY(clip.isEmpty());
        QVERIFY(!SpeechEngine::synthesize("Still speaking.", "gmw/en-US", serviceStyle()).isEmpty());
    }

    void newUtteranceCutsOffTheLast()
    {
        SpeechService &speech = SpeechService::shared();
        QSignalSpy played(&speech.channel(), &SoundChannel::started);
        QSignalSpy stopped(&speech.channel(), &SoundChannel::stopped);
        speech.speak("This first sentence is rather long and should never be heard at all.", "en-US", 0.36f);
        speech.speak("小猫", "zh-CN", 0.32f);
        QCOMPARE(stopped.size(), 2); // each utterance silences what sounds at once
        PW_TRY_COMPARE(played.size(), 1);
        QTest::qWait(300);
        QCOMPARE(played.size(), 1);
        const PcmClip clip = played.first().first().value<PcmClip>();
        QVERIFY2(clip.seconds() < 2.5, qPrintable(QString::number(clip.seconds())));
        QCOMPARE(played.first().at(1).toDouble(), 1.0);
    }
};

QTEST_GUILESS_MAIN(SpeechEngineTest)
#include "tst_speech_engine.moc"

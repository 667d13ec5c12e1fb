// The pronunciation coach: the order of its permission asks and every refusal or failure
// text, dropped answers and results of earlier listenings, the time limit, and the
// real recogniser end to end on words spoken by espeak-ng.

#include "GameTestSupport.h"
#include "LearningContent.h"
#include "Patience.h"
#include "PocketSphinxRecognizer.h"
#include "PronunciationCoach.h"
#include "SpeechFakes.h"
#include "SpokenWords.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList vocabulary()
{
    QStringList words;
    for (const BasicEnglishWord &entry : LearningContent::basicEnglish())
        words.append(entry.word);
    return words;
}

// A coach with scripted parts.
struct ScriptedCoach
{
    ScriptedRecognizer recognizer;
    ScriptedCapture capture;
    HeldPermissions permissions;
    PronunciationCoach coach;

    ScriptedCoach() { coach.setServices(&recognizer, &capture, &permissions); }

    void grantBoth()
    {
        permissions.speech.takeFirst()(true);
        permissions.microphone.takeFirst()(true);
    }
};

// What one listening of the real recogniser published.
struct Listening
{
    QStringList partials; // transcripts published while still listening
    QString final;
    bool ended = false;
};

Listening listen(PronunciationCoach &coach, RecordedCapture &capture, const QByteArray &samples, const QString &target)
{
    Listening result;
    capture.samples = samples;
    QObject guard;
    QObject::connect(&coach, &PronunciationCoach::transcriptChanged, &guard, [&] {
        if (coach.isRecording())
            result.partials.append(coach.transcript());
    });
    QSignalSpy recording(&coach, &PronunciationCoach::isRecordingChanged);
    coach.start(target);
    // Started, then ended by the decoder's final result.
    result.ended = Patience::waitFor([&] { return recording.size() >= 2; });
    result.final = coach.transcript();
    return result;
}

} // namespace

class TestPronunciationCoach : public QObject
{
    Q_OBJECT
private slots:
    void permissionsAskedInOrder();
    void unavailableAndFailingParts();
    void listeningAndItsEnds();
    void earlierListeningsAreDropped();
    void recognisesSpokenWords();
    void staleResultOfTheRealDecoderIsDropped();
};

void TestPronunciationCoach::permissionsAskedInOrder()
{
    GameTestWorld world;
    {
        // Speech refused: the microphone is never asked.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        QCOMPARE(s.permissions.speech.size(), 1);
        QVERIFY(s.permissions.microphone.isEmpty());
        QVERIFY(!s.coach.isRecording());
        s.permissions.speech.takeFirst()(false);
        QVERIFY(s.permissions.microphone.isEmpty());
        QCOMPARE(s.coach.status(), u"没有语音权限也没关系，可以继续拼词"_s);
        QVERIFY(!s.coach.isRecording());
        QCOMPARE(s.capture.starts, 0);
    }
    {
        // Speech granted, microphone refused.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.permissions.speech.takeFirst()(true);
        QCOMPARE(s.permissions.microphone.size(), 1);
        s.permissions.microphone.takeFirst()(false);
        QCOMPARE(s.coach.status(), u"没有麦克风权限也没关系，可以继续拼词"_s);
        QVERIFY(!s.coach.isRecording());
        QCOMPARE(s.capture.starts, 0);
    }
    {
        // Both granted: listening, with the target right after the prompt.
        ScriptedCoach s;
        s.coach.setStatus(u"old"_s);
        s.coach.setTranscript(u"old"_s);
        s.coach.setDidMatch(true);
        s.coach.start(u"apple"_s);
        QVERIFY(!s.coach.didMatch());
        s.grantBoth();
        QVERIFY(s.coach.isRecording());
        QCOMPARE(s.coach.status(), u"请说：apple"_s);
        QVERIFY(s.coach.transcript().isEmpty());
        QCOMPARE(s.recognizer.begun.size(), 1);
        QCOMPARE(s.recognizer.begun[0].second, u"apple"_s);
        QVERIFY(s.capture.open);
    }
    {
        // The default permissions grant both, later, never inside start().
        GrantedSpeechPermissions granted;
        ScriptedRecognizer recognizer;
        ScriptedCapture capture;
        PronunciationCoach coach;
        coach.setServices(&recognizer, &capture, &granted);
        coach.start(u"cat"_s);
        QVERIFY(!coach.isRecording());
        PW_TRY_VERIFY(coach.isRecording());
    }
}

void TestPronunciationCoach::unavailableAndFailingParts()
{
    GameTestWorld world;
    {
        // No recogniser: the text, and no audio opened.
        ScriptedCoach s;
        s.recognizer.available = false;
        s.coach.start(u"cat"_s);
        s.grantBoth();
        QCOMPARE(s.coach.status(), u"语音识别暂时不可用，可以继续拼词"_s);
        QVERIFY(!s.coach.isRecording());
        QCOMPARE(s.capture.starts, 0);
    }
    {
        // A recogniser without its model installed is not available.
        PocketSphinxRecognizer missing({u"cat"_s}, {u"/nonexistent/model"_s, u"/nonexistent/dict"_s});
        QVERIFY(!missing.isAvailable());
    }
    {
        // No input device (or no usable format, or a capture that does not open).
        ScriptedCoach s;
        s.capture.opens = false;
        s.coach.start(u"cat"_s);
        s.grantBoth();
        QCOMPARE(s.coach.status(), u"麦克风没有准备好，可以继续拼词"_s);
        QVERIFY(!s.coach.isRecording());
        QVERIFY(s.recognizer.begun.isEmpty());
        QVERIFY(world.clock.pendingCount() == 0);
    }
    {
        // The recogniser finds the word cannot be listened for.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.grantBoth();
        emit s.recognizer.failed(s.recognizer.lastListening(), true);
        QCOMPARE(s.coach.status(), u"语音识别暂时不可用，可以继续拼词"_s);
        QVERIFY(!s.coach.isRecording());
        QVERIFY(!s.capture.open);
    }
    {
        // A recognition error after listening began: a silent stop.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.grantBoth();
        s.recognizer.say(u"ca"_s);
        emit s.recognizer.failed(s.recognizer.lastListening(), false);
        QVERIFY(!s.coach.isRecording());
        QCOMPARE(s.coach.status(), u"请说：cat"_s);
        QCOMPARE(s.coach.transcript(), u"ca"_s);
    }
}

void TestPronunciationCoach::listeningAndItsEnds()
{
    GameTestWorld world;
    ScriptedCoach s;
    // stop() on an idle coach leaves it idle.
    s.coach.stop();
    QVERIFY(!s.coach.isRecording());

    // Sound flows to the recogniser while listening, never after.
    s.coach.start(u"cat"_s);
    s.grantBoth();
    s.capture.send(QByteArray(2048, 0));
    QCOMPARE(s.recognizer.fedBytes, 2048);
    // Partial results, then the final one: the transcript follows, the coach stops.
    s.recognizer.say(u"cap"_s);
    QCOMPARE(s.coach.transcript(), u"cap"_s);
    QVERIFY(s.coach.isRecording());
    s.recognizer.say(u"cat"_s, true);
    QCOMPARE(s.coach.transcript(), u"cat"_s);
    QVERIFY(!s.coach.isRecording());
    QVERIFY(!s.capture.open);
    QCOMPARE(s.recognizer.cancelled, QList<quint64>{s.recognizer.lastListening()});
    s.capture.send(QByteArray(2048, 0));
    QCOMPARE(s.recognizer.fedBytes, 2048);
    // stop() leaves the transcript, the status and didMatch.
    s.coach.setDidMatch(true);
    s.coach.stop();
    QCOMPARE(s.coach.transcript(), u"cat"_s);
    QCOMPARE(s.coach.status(), u"请说：cat"_s);
    QVERIFY(s.coach.didMatch());

    // Twelve seconds without a final result end the listening like an error, also while
    // the game stands still (under the play-time lock).
    s.coach.start(u"dog"_s);
    s.grantBoth();
    world.clock.hold(&s.coach);
    world.clock.advance(11999);
    QVERIFY(s.coach.isRecording());
    world.clock.advance(1);
    QVERIFY(!s.coach.isRecording());
    QVERIFY(!s.capture.open);
    world.clock.release(&s.coach);
    QCOMPARE(s.coach.status(), u"请说：dog"_s);
    QCOMPARE(s.recognizer.cancelled.last(), s.recognizer.lastListening());
    // A listening stopped early leaves no limit behind to stop the next one.
    s.coach.start(u"dog"_s);
    s.grantBoth();
    world.clock.advance(6000);
    s.coach.stop();
    s.coach.start(u"dog"_s);
    s.grantBoth();
    world.clock.advance(11000);
    QVERIFY(s.coach.isRecording());
}

// Each ask and each listening has its own number: what belongs to an earlier one is
// dropped.
void TestPronunciationCoach::earlierListeningsAreDropped()
{
    GameTestWorld world;
    {
        // A second start while the first still asks: only the second listens.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.coach.start(u"dog"_s);
        s.permissions.speech.takeFirst()(true); // the first ask's answer comes late
        QVERIFY(s.permissions.microphone.isEmpty());
        s.grantBoth();
        QCOMPARE(s.recognizer.begun.size(), 1);
        QCOMPARE(s.recognizer.begun[0].second, u"dog"_s);
        QCOMPARE(s.coach.status(), u"请说：dog"_s);
    }
    {
        // A stop during the ask (a new round, the page going): the answer starts nothing.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.permissions.speech.takeFirst()(true);
        s.coach.stop();
        s.permissions.microphone.takeFirst()(true);
        QVERIFY(!s.coach.isRecording());
        QCOMPARE(s.capture.starts, 0);
    }
    {
        // The first listening's final result and error arrive after the second began:
        // neither ends the new listening nor reaches its transcript.
        ScriptedCoach s;
        s.coach.start(u"cat"_s);
        s.grantBoth();
        const quint64 first = s.recognizer.lastListening();
        s.coach.start(u"dog"_s);
        s.grantBoth();
        QVERIFY(s.recognizer.lastListening() != first);
        QVERIFY(s.recognizer.cancelled.contains(first));
        emit s.recognizer.heard(first, u"cat"_s, false);
        emit s.recognizer.heard(first, u"cat"_s, true);
        emit s.recognizer.failed(first, true);
        QVERIFY(s.coach.isRecording());
        QVERIFY(s.coach.transcript().isEmpty());
        QCOMPARE(s.coach.status(), u"请说：dog"_s);
        // After a stop, a late result of the stopped listening changes nothing either.
        s.recognizer.say(u"do"_s);
        s.coach.stop();
        s.recognizer.say(u"dog"_s, true);
        QCOMPARE(s.coach.transcript(), u"do"_s);
    }
    {
        // One recogniser serves every page. The first page's coach listened and its page
        // went; the result of that listening comes while the next page's coach listens,
        // and belongs to the first page alone.
        ScriptedRecognizer recognizer;
        ScriptedCapture capture;
        ImmediatePermissions permissions;
        quint64 first = 0;
        {
            PronunciationCoach page;
            page.setServices(&recognizer, &capture, &permissions);
            page.start(u"cat"_s);
            first = recognizer.lastListening();
        }
        PronunciationCoach next;
        next.setServices(&recognizer, &capture, &permissions);
        next.start(u"lemon"_s);
        emit recognizer.heard(first, u"cat"_s, false);
        emit recognizer.heard(first, u"cat"_s, true);
        QVERIFY(next.isRecording());
        QVERIFY(next.transcript().isEmpty());
        recognizer.say(u"lemon"_s, true);
        QCOMPARE(next.transcript(), u"lemon"_s);
    }
}

// The real decoder on real speech: words of the vocabulary spoken by espeak-ng, fed
// through the capture in 1024-frame blocks. The target must be heard; another word said
// instead must not be taken for it.
void TestPronunciationCoach::recognisesSpokenWords()
{
    GameTestWorld world;
    SpokenWords spoken;
    PocketSphinxRecognizer recognizer(vocabulary());
    QVERIFY(recognizer.isAvailable());
    QSignalSpy loads(&recognizer, &PocketSphinxRecognizer::modelLoaded);
    RecordedCapture capture;
    GrantedSpeechPermissions permissions;
    PronunciationCoach coach;
    coach.setServices(&recognizer, &capture, &permissions);

    const QStringList targets = SpokenWords::targets();
    const QStringList others = SpokenWords::others();
    int heard = 0;
    int mistaken = 0;
    int withPartials = 0;
    QStringList misses;
    for (int i = 0; i < targets.size(); ++i) {
        const QByteArray target = spoken.pcm(targets[i]);
        const QByteArray other = spoken.pcm(others[i]);
        QVERIFY2(!target.isEmpty() && !other.isEmpty(), qPrintable(spoken.error()));

        const Listening said = listen(coach, capture, target, targets[i]);
        QVERIFY2(said.ended, qPrintable(targets[i]));
        if (said.final.contains(targets[i]))
            ++heard;
        else
            misses.append(targets[i] + u" → "_s + said.final);
        // Partial results came while listening; the last of them is the final result.
        if (!said.partials.isEmpty() && said.partials.last() == said.final)
            ++withPartials;

        const Listening instead = listen(coach, capture, other, targets[i]);
        QVERIFY2(instead.ended, qPrintable(others[i]));
        if (instead.final.contains(targets[i])) {
            ++mistaken;
            misses.append(others[i] + u" taken for "_s + targets[i]);
        }
    }
    qInfo("heard %d/20, mistaken %d/20, with partial results %d/20; %s", heard, mistaken, withPartials,
          qPrintable(misses.join(u", "_s)));
    QVERIFY(heard >= 18);
    QVERIFY(mistaken <= 2);
    QVERIFY(withPartials >= 18);
    // The model loaded once, at the first listening.
    QCOMPARE(loads.size(), 1);
    QVERIFY(loads[0][0].toBool());
    // The limit never fired: every listening ended by its final result.
    QCOMPARE(coach.status(), u"请说："_s + targets.last());

    // A vocabulary word the dictionary lacks is listened for through its two halves.
    const QByteArray compound = spoken.pcm(u"schoolbag"_s);
    QVERIFY2(!compound.isEmpty(), qPrintable(spoken.error()));
    const Listening bag = listen(coach, capture, compound, u"schoolbag"_s);
    QVERIFY(bag.ended);
    QCOMPARE(bag.final, u"schoolbag"_s);
    // A word outside the vocabulary cannot be listened for.
    QSignalSpy recording(&coach, &PronunciationCoach::isRecordingChanged);
    capture.samples = compound;
    coach.start(u"xylophonically"_s);
    PW_TRY_COMPARE(coach.status(), u"语音识别暂时不可用，可以继续拼词"_s);
    QVERIFY(!coach.isRecording());
}

// A result of the real decoder for a listening that was replaced meanwhile never reaches
// the new one.
void TestPronunciationCoach::staleResultOfTheRealDecoderIsDropped()
{
    GameTestWorld world;
    SpokenWords spoken;
    PocketSphinxRecognizer recognizer(vocabulary());
    ScriptedCapture capture;
    ImmediatePermissions permissions;
    PronunciationCoach coach;
    coach.setServices(&recognizer, &capture, &permissions);
    QSignalSpy heard(&recognizer, &WordRecognizer::heard);

    const QByteArray cat = spoken.pcm(u"cat"_s);
    QVERIFY2(!cat.isEmpty(), qPrintable(spoken.error()));
    coach.start(u"cat"_s);
    QVERIFY(coach.isRecording());
    for (qsizetype at = 0; at < cat.size(); at += SpeechAudio::blockBytes)
        capture.send(cat.mid(at, SpeechAudio::blockBytes));
    // The child presses again, for another word, before any result is back; no sound
    // comes for it.
    coach.start(u"dog"_s);
    QCOMPARE(coach.status(), u"请说：dog"_s);
    // The decoder still reports "cat" for the first listening...
    PW_TRY_VERIFY(!heard.isEmpty() && heard.last()[2].toBool());
    QCOMPARE(heard.last()[1].toString(), u"cat"_s);
    // ...which the second listening never sees.
    QVERIFY(coach.isRecording());
    QVERIFY(coach.transcript().isEmpty());
}

QTEST_GUILESS_MAIN(TestPronunciationCoach)
#include "tst_pronunciation_coach.moc"

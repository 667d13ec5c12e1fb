#include "PronunciationCoach.h"

#include "LearningContent.h"
#include "PocketSphinxRecognizer.h"
#include "SpeechRecognition.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The program's one recogniser over the shared English vocabulary: created at the first
// listening, its thread and its model kept until the application object goes.
WordRecognizer *programRecognizer()
{
    static QPointer<PocketSphinxRecognizer> recognizer;
    if (!recognizer) {
        QStringList words;
        for (const BasicEnglishWord &entry : LearningContent::basicEnglish())
            words.append(entry.word);
        recognizer = new PocketSphinxRecognizer(words, PocketSphinxRecognizer::Model::installed(),
                                                QCoreApplication::instance());
    }
    return recognizer;
}

SpeechPermissions *platformPermissions()
{
    static GrantedSpeechPermissions permissions;
    return &permissions;
}

} // namespace

PronunciationCoach::PronunciationCoach(QObject *parent)
    : QObject(parent)
{
}

PronunciationCoach::~PronunciationCoach()
{
    stop();
}

QString PronunciationCoach::listeningText(const QString &target)
{
    return u"请说："_s + target;
}

QString PronunciationCoach::speechRefusedText()
{
    return u"没有语音权限也没关系，可以继续拼词"_s;
}

QString PronunciationCoach::microphoneRefusedText()
{
    return u"没有麦克风权限也没关系，可以继续拼词"_s;
}

QString PronunciationCoach::unavailableText()
{
    return u"语音识别暂时不可用，可以继续拼词"_s;
}

QString PronunciationCoach::microphoneFailedText()
{
    return u"麦克风没有准备好，可以继续拼词"_s;
}

void PronunciationCoach::setServices(WordRecognizer *recognizer, SpeechCapture *capture, SpeechPermissions *permissions)
{
    stop();
    if (m_recognizer)
        disconnect(m_recognizer, nullptr, this, nullptr);
    if (m_capture)
        disconnect(m_capture, nullptr, this, nullptr);
    if (m_ownsCapture)
        delete m_capture;
    m_recognizer = nullptr;
    m_capture = nullptr;
    m_ownsCapture = false;
    m_permissions = permissions;
    if (recognizer) {
        m_recognizer = recognizer;
        connect(recognizer, &WordRecognizer::heard, this, &PronunciationCoach::heard);
        connect(recognizer, &WordRecognizer::failed, this, &PronunciationCoach::failed);
    }
    if (capture) {
        m_capture = capture;
        connect(capture, &SpeechCapture::block, this, &PronunciationCoach::forward);
    }
}

WordRecognizer *PronunciationCoach::recognizer()
{
    if (!m_recognizer) {
        WordRecognizer *shared = programRecognizer();
        m_recognizer = shared;
        connect(shared, &WordRecognizer::heard, this, &PronunciationCoach::heard);
        connect(shared, &WordRecognizer::failed, this, &PronunciationCoach::failed);
    }
    return m_recognizer;
}

SpeechCapture *PronunciationCoach::capture()
{
    if (!m_capture) {
        m_capture = new MicrophoneCapture(this);
        m_ownsCapture = true;
        connect(m_capture, &SpeechCapture::block, this, &PronunciationCoach::forward);
    }
    return m_capture;
}

SpeechPermissions *PronunciationCoach::permissions()
{
    return m_permissions ? m_permissions : platformPermissions();
}

void PronunciationCoach::forward(const QByteArray &pcm)
{
    if (m_listening != 0 && m_recognizer)
        m_recognizer->feed(m_listening, pcm);
}

void PronunciationCoach::setTranscript(const QString &text)
{
    if (text == m_transcript)
        return;
    m_transcript = text;
    emit transcriptChanged();
}

void PronunciationCoach::setStatus(const QString &text)
{
    if (text == m_status)
        return;
    m_status = text;
    emit statusChanged();
}

void PronunciationCoach::setRecording(bool recording)
{
    if (recording == m_isRecording)
        return;
    m_isRecording = recording;
    emit isRecordingChanged();
}

void PronunciationCoach::start(const QString &target)
{
    m_didMatch = false;
    const quint64 ask = ++m_serial;
    m_asking = ask;
    permissions()->askSpeech(this, [this, ask, target](bool granted) {
        if (ask != m_asking)
            return;
        if (!granted) {
            m_asking = 0;
            setStatus(speechRefusedText());
            return;
        }
        permissions()->askMicrophone(this, [this, ask, target](bool granted) {
            if (ask != m_asking)
                return;
            m_asking = 0;
            if (!granted)
                setStatus(microphoneRefusedText());
            else
                beginRecording(target);
        });
    });
}

void PronunciationCoach::beginRecording(const QString &target)
{
    stop();
    setTranscript({});
    setStatus({});
    m_didMatch = false;

    WordRecognizer *words = recognizer();
    if (!words || !words->isAvailable()) {
        setStatus(unavailableText());
        return;
    }
    if (!capture()->start()) {
        stop();
        setStatus(microphoneFailedText());
        return;
    }
    m_listening = words->begin(target);
    setRecording(true);
    setStatus(listeningText(target));
    const quint64 listening = m_listening;
    // The limit closes the microphone also while the game stands still (under the
    // play-time lock): it guards the device, not the play, so it is not held with the
    // coach, only dropped with it.
    m_limit = Clock::current().after(listeningLimitMs, nullptr, [self = QPointer(this), listening] {
        if (!self)
            return;
        self->m_limit = 0;
        if (listening == self->m_listening)
            self->stop(); // like a recognition error: the status stays
    });
}

void PronunciationCoach::heard(quint64 listening, const QString &text, bool final)
{
    if (listening == 0 || listening != m_listening)
        return;
    setTranscript(text);
    // The transcript's watcher may have stopped this listening already.
    if (final && listening == m_listening)
        stop();
}

void PronunciationCoach::failed(quint64 listening, bool unavailable)
{
    if (listening == 0 || listening != m_listening)
        return;
    stop();
    if (unavailable)
        setStatus(unavailableText());
}

void PronunciationCoach::stop()
{
    m_asking = 0;
    if (m_capture)
        m_capture->stop();
    if (m_listening != 0 && m_recognizer)
        m_recognizer->cancel(m_listening);
    m_listening = 0;
    if (m_limit != 0) {
        Clock::current().cancel(m_limit);
        m_limit = 0;
    }
    setRecording(false);
}

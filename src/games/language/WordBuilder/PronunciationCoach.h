#pragma once

#include "Clock.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class SpeechCapture;
class SpeechPermissions;
class WordRecognizer;

// Listens to the child reading a word aloud and publishes what the recogniser hears.
// The word builder owns one, starts it from its microphone button with the word to read,
// watches `transcript` to decide whether the word was said, and stops it at every round
// start, after a match and when its page goes. The coach never compares the transcript
// with the word.
//
// start() asks for the speech permission, then for the microphone, and when both are
// granted begins a listening: the capture's sound goes to the recogniser, each new best
// guess becomes `transcript`, and the listening ends with the final result, a
// recognition error, 12 seconds without a result, or stop(). Every refusal or failure
// becomes a short status text; the game goes on without speech.
//
// Each ask has its own number, and each listening the number the recogniser gave it
// (unique in the process, so a listening of an earlier page's coach never matches this
// coach's): a permission answer, a result or an error that belongs to an earlier one (the
// recogniser's thread may still deliver it after stop() or after a newer start()) is
// dropped.
class PronunciationCoach : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The word builder owns its coach")
    Q_PROPERTY(QString transcript READ transcript NOTIFY transcriptChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY isRecordingChanged)
public:
    explicit PronunciationCoach(QObject *parent = nullptr);
    ~PronunciationCoach() override;

    // Replaces what the coach listens with (none is owned; each must outlive the coach).
    // By default: the program's recogniser, the default microphone, and this platform's
    // permissions, which are always granted.
    void setServices(WordRecognizer *recognizer, SpeechCapture *capture, SpeechPermissions *permissions);

    QString transcript() const { return m_transcript; }
    QString status() const { return m_status; }
    bool isRecording() const { return m_isRecording; }
    bool didMatch() const { return m_didMatch; }
    void setTranscript(const QString &text);
    void setStatus(const QString &text);
    void setDidMatch(bool matched) { m_didMatch = matched; }

    // Asks for the permissions and, when both are granted, listens for `target`.
    void start(const QString &target);
    // Ends any listening (and any pending ask) and releases the microphone. Leaves the
    // transcript, the status and didMatch as they are.
    void stop();

    // The longest a listening lasts.
    static constexpr int listeningLimitMs = 12000;

    static QString listeningText(const QString &target);
    static QString speechRefusedText();
    static QString microphoneRefusedText();
    static QString unavailableText();
    static QString microphoneFailedText();

signals:
    void transcriptChanged();
    void statusChanged();
    void isRecordingChanged();

private:
    void beginRecording(const QString &target);
    void forward(const QByteArray &pcm);
    void heard(quint64 listening, const QString &text, bool final);
    void failed(quint64 listening, bool unavailable);
    void setRecording(bool recording);
    WordRecognizer *recognizer();
    SpeechCapture *capture();
    SpeechPermissions *permissions();

    QString m_transcript;
    QString m_status;
    bool m_isRecording = false;
    bool m_didMatch = false;

    QPointer<WordRecognizer> m_recognizer;
    QPointer<SpeechCapture> m_capture;
    SpeechPermissions *m_permissions = nullptr;
    bool m_ownsCapture = false;

    quint64 m_serial = 0;    // the last number handed out to an ask
    quint64 m_asking = 0;    // the ask waiting for its answers; 0: none
    quint64 m_listening = 0; // the running listening, as the recogniser numbered it; 0: none
    Clock::WaitId m_limit = 0;
};

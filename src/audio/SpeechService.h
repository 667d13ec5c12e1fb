#pragma once

#include "SpeechEngine.h"

#include <QByteArray>
#include <QCache>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>
#include <QUuid>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Plays downloaded audio bytes (an MP3 or WAV document, say). play() starts the
// bytes; when they turn out not to be playable audio, `undecodable` is called (on the
// main thread, possibly later). stop() silences the clip and drops its callback.
class ClipPlayer
{
public:
    virtual ~ClipPlayer();
    virtual void play(const QByteArray &bytes, double volume, std::function<void()> undecodable) = 0;
    virtual void stop() = 0;
};

// The program's one voice: local speech through the speech engine, and Chinese
// pronunciation fetched as a recorded clip from a remote text-to-speech service with
// local speech as the fallback. A new utterance always cuts off the previous one,
// local or remote. Everything is called on the main thread and returns at once.
class SpeechService : public QObject
{
    Q_OBJECT
public:
    static SpeechService &shared();

    // Says `text` locally in `language` ("en-US", "zh-CN") at `rate` (0 to 1, 0.5
    // normal; capped at maximumRate), after silencing any remote pronunciation.
    void speak(const QString &text, const QString &language, float rate);
    // Pronounces a Chinese word or phrase: a recorded clip from the remote service,
    // from the cache when it was fetched before; `fallbackText` (or the trimmed text
    // when absent) is said locally when no clip can be had.
    void speakChinesePronunciation(const QString &text, const std::optional<QString> &fallbackText = std::nullopt);
    // Forgets, cancels and silences any remote pronunciation; local speech goes on.
    void stopRemotePronunciation();

    // The speaking style of every local utterance.
    static constexpr float maximumRate = 0.36f;
    static constexpr float pitchMultiplier = 1.11f;
    static constexpr double preUtteranceDelay = 0.06;
    static constexpr double postUtteranceDelay = 0.1;
    static constexpr float volume = 0.92f;
    // The fallback to local speech of a Chinese pronunciation.
    static constexpr float fallbackRate = 0.32f;
    // A download that stays silent this long (no byte, from the request on or since the
    // last one) has failed like any other network failure: the fallback is said. Without
    // it a server that takes the connection and never answers would leave the word
    // unsaid for good.
    static constexpr int remoteSilenceLimitMs = 60000;
    // The clips fetched are kept, the most recently heard first, up to these bytes (some
    // hundreds of words); an older one is fetched again when it is next asked for.
    static constexpr qsizetype pronunciationCacheBytes = 2 * 1024 * 1024;

    // The voice chosen for `language` among `installed` (in their listed order), or none.
    static std::optional<SpeechVoice> preferredVoice(const QString &language, const QList<SpeechVoice> &installed);
    static std::optional<SpeechVoice> preferredVoice(const QString &language);

    // Where the remote clips come from: scheme and host (and port) of the endpoint;
    // the request adds the path "/gettts" and the query.
    static QUrl remoteEndpoint();
    static void setRemoteEndpoint(const QUrl &endpoint);
    // The request address for a trimmed text; invalid when none can be formed.
    static QUrl pronunciationUrl(const QString &trimmedText);

    // Loads ahead, off the interface thread, what a game's first spoken prompt would
    // otherwise wait for: the speech engine (started, its voices listed), the TLS
    // library of the first remote pronunciation (several milliseconds on the interface
    // thread) and the parts of the platform's decoder that the first remote clip loads
    // (some 100 ms on the interface thread, by decoding a moment of silence). The
    // decoder is prepared only once prepareSoundOutput() has found an output on the
    // interface thread.
    static void prepareAhead();
    // Sets up the platform's sound output on the calling (interface) thread, as the
    // first sound would, and tells prepareAhead() whether there is an output.
    static void prepareSoundOutput();

    // Ends local speech for good before the program's statics go: the utterance under
    // way is abandoned and the worker is waited for; later requests are ignored. The
    // application calls it as it closes (and an application's exit handlers call it in
    // any case); calling it again does nothing.
    void shutDown();

    // Replaces the player of remote clips (not owned; nullptr restores the real one).
    void setClipPlayer(ClipPlayer *player);

    // Where the local speech sounds.
    SoundChannel &channel() { return *m_channel; }

signals:
    // A local utterance begins: the text as given, its language and the capped rate.
    // Its samples follow on channel() once synthesised.
    void localUtterance(const QString &text, const QString &language, float rate);
    // A remote clip is handed to the clip player (fresh from the network or from the cache).
    void remoteClipStarted(const QString &text, const QByteArray &bytes);
    // A pronunciation request goes out to the remote service.
    void remoteRequestStarted(const QUrl &url);

private:
    SpeechService();
    ~SpeechService() override;

    void speakLocally(const QString &text, const QString &language, float rate);
    void silenceLocal();
    void playRemoteAudio(const QByteArray &data, const QString &fallbackText, const QString &cacheKey);
    void finishDownload(QNetworkReply *reply, QUuid requestID, const QString &fallback, const QString &cacheKey);
    void limitSilence(QNetworkReply *reply, QUuid requestID, const QString &fallback);
    ClipPlayer &clipPlayer();

    std::unique_ptr<SoundChannel> m_channel;
    QThreadPool m_synthesisThread;
    bool m_shutDown = false;
    std::shared_ptr<std::atomic<quint64>> m_utterance;

    QNetworkAccessManager *m_network = nullptr;
    std::unique_ptr<ClipPlayer> m_ownPlayer;
    ClipPlayer *m_testPlayer = nullptr;
    bool m_remotePlaying = false;
    QPointer<QNetworkReply> m_remoteTask;
    QUuid m_remoteRequestID = QUuid::createUuid();
    QCache<QString, QByteArray> m_pronunciationCache{pronunciationCacheBytes};
};

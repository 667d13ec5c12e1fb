#include "SpeechService.h"

#include "Clock.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QBuffer>
#include <QEventLoop>
#include <QTimer>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QSslSocket>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringList>

ClipPlayer::~ClipPlayer() = default;

namespace {

// Plays clip bytes from memory: the platform's decoder turns them into samples, which
// sound on a channel of the player's own. A fresh output stream starts within a few
// milliseconds, where a media player builds a whole playback pipeline for every clip
// (some 150 ms before the first sample is heard, half a second the first time).
class DecodedClipPlayer final : public ClipPlayer
{
public:
    ~DecodedClipPlayer() override { release(); }

    void play(const QByteArray &bytes, double volume, std::function<void()> undecodable) override
    {
        stop();
        if (!SoundChannel::hasOutputDevice())
            return; // nothing could be heard
        m_undecodable = std::move(undecodable);
        m_volume = volume;
        m_clip = {};
        auto *buffer = new QBuffer;
        buffer->setData(bytes);
        buffer->open(QIODevice::ReadOnly);
        m_decoder = new QAudioDecoder;
        buffer->setParent(m_decoder);
        QAudioDecoder *decoder = m_decoder;
        QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [this, decoder] { append(decoder->read()); });
        QObject::connect(decoder, &QAudioDecoder::finished, decoder, [this] { decoded(); });
        QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                         [this](QAudioDecoder::Error) { failed(); });
        decoder->setSourceDevice(buffer);
        decoder->start();
    }

    void stop() override
    {
        m_undecodable = nullptr;
        release();
        m_clip = {};
        m_channel.stop();
    }

private:
    // Mono float samples at the clip's own rate, the channels averaged.
    void append(const QAudioBuffer &buffer)
    {
        const QAudioFormat format = buffer.format();
        const int channels = format.channelCount();
        if (!buffer.isValid() || channels < 1 || format.sampleFormat() == QAudioFormat::Unknown)
            return;
        if (m_clip.samples.isEmpty())
            m_clip.sampleRate = format.sampleRate();
        const char *data = buffer.constData<char>();
        const int frameBytes = format.bytesPerFrame();
        const int sampleBytes = format.bytesPerSample();
        for (qsizetype frame = 0; frame < buffer.frameCount(); ++frame) {
            float sum = 0.0f;
            for (int c = 0; c < channels; ++c)
                sum += format.normalizedSampleValue(data + frame * frameBytes + c * sampleBytes);
            m_clip.samples.append(sum / float(channels));
        }
    }

    void decoded()
    {
        release();
        if (m_clip.isEmpty()) {
            failed();
            return;
        }
        m_undecodable = nullptr;
        m_channel.play(std::exchange(m_clip, {}), m_volume);
    }

    void failed()
    {
        release();
        m_clip = {};
        if (auto callback = std::exchange(m_undecodable, nullptr))
            callback();
    }

    // The decoder goes after the signal that may be running now.
    void release()
    {
        if (QAudioDecoder *decoder = std::exchange(m_decoder, nullptr)) {
            QObject::disconnect(decoder, nullptr, nullptr, nullptr);
            decoder->stop();
            decoder->deleteLater();
        }
    }

    SoundChannel m_channel;
    QAudioDecoder *m_decoder = nullptr;
    PcmClip m_clip;
    double m_volume = 1.0;
    std::function<void()> m_undecodable;
};

// QNetworkReply files the answers of an HTTP server with an error status under the
// content (2xx codes) and server (4xx codes) errors; everything else means the transfer
// itself failed.
bool isTransferFailure(QNetworkReply::NetworkError error)
{
    if (error == QNetworkReply::NoError)
        return false;
    const bool contentError = error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError;
    const bool serverError = error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError;
    return !contentError && !serverError;
}

QUrl &endpoint()
{
    static QUrl url(QStringLiteral("https://fanyi.baidu.com"));
    return url;
}

} // namespace

SpeechService &SpeechService::shared()
{
    // Lives for the whole run; never destroyed, so no late callback meets a dead service.
    static SpeechService *service = new SpeechService;
    return *service;
}

SpeechService::SpeechService()
    : m_channel(std::make_unique<SoundChannel>(this))
    , m_utterance(std::make_shared<std::atomic<quint64>>(0))
{
    // One worker thread renders the utterances, in order, off the interface thread.
    m_synthesisThread.setMaxThreadCount(1);
    m_synthesisThread.setExpiryTimeout(-1);
    // The service is never destroyed, but its worker must not outlive the application:
    // a synthesis still running while the program's statics are torn down corrupts the
    // heap. When the application goes, the worker drops its utterance and stops.
    qAddPostRoutine([] { shared().shutDown(); });
}

void SpeechService::shutDown()
{
    m_shutDown = true;
    silenceLocal();
    stopRemotePronunciation();
    m_synthesisThread.clear();
    m_synthesisThread.waitForDone();
}

SpeechService::~SpeechService() = default;

QUrl SpeechService::remoteEndpoint()
{
    return endpoint();
}

void SpeechService::setRemoteEndpoint(const QUrl &url)
{
    endpoint() = url;
}

QUrl SpeechService::pronunciationUrl(const QString &trimmedText)
{
    QUrl url = endpoint();
    if (!url.isValid() || url.host().isEmpty())
        return {};
    url.setPath(QStringLiteral("/gettts"));
    // Every character outside the unreserved set is percent-encoded, "+" and "&" too,
    // so the text reaches the service exactly.
    const auto item = [](const char *name, const QString &value) {
        return QString::fromLatin1(name) + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    const QStringList query{item("lan", QStringLiteral("zh")), item("text", trimmedText),
                            item("spd", QStringLiteral("3")), item("source", QStringLiteral("web"))};
    url.setQuery(query.join(QLatin1Char('&')), QUrl::StrictMode);
    return url.isValid() ? url : QUrl();
}

std::optional<SpeechVoice> SpeechService::preferredVoice(const QString &language, const QList<SpeechVoice> &installed)
{
    const QString code = language.toLower();
    const QStringList parts = code.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    const QString base = parts.isEmpty() ? code : parts.first();

    static const QStringList chineseNames{"tingting", "meijia", "lili", "sin-ji", "xiaoxiao"};
    static const QStringList otherNames{"junior", "ava", "samantha", "allison", "zoe", "serena"};
    const QStringList &preferred = base == QLatin1String("zh") ? chineseNames : otherNames;

    const auto score = [&preferred](const SpeechVoice &voice) {
        const QString name = voice.name.toLower();
        int points = 0;
        for (const QString &wanted : preferred) {
            if (name.contains(wanted)) {
                points = 20;
                break;
            }
        }
        switch (voice.quality) {
        case SpeechVoice::Quality::Premium: return points + 12;
        case SpeechVoice::Quality::Enhanced: return points + 8;
        case SpeechVoice::Quality::Default: return points + 2;
        }
        return points;
    };

    std::optional<SpeechVoice> kept;
    int keptScore = 0;
    for (const SpeechVoice &voice : installed) {
        if (!voice.language.toLower().startsWith(base))
            continue;
        const int points = score(voice);
        if (!kept || points > keptScore) {
            kept = voice;
            keptScore = points;
        }
    }
    return kept;
}

std::optional<SpeechVoice> SpeechService::preferredVoice(const QString &language)
{
    if (auto voice = preferredVoice(language, SpeechEngine::installedVoices()))
        return voice;
    const SpeechVoice exact = SpeechEngine::voiceForLanguage(language);
    if (exact.identifier.isEmpty())
        return std::nullopt;
    return exact;
}

void SpeechService::speak(const QString &text, const QString &language, float rate)
{
    stopRemotePronunciation();
    speakLocally(text, language, rate);
}

void SpeechService::silenceLocal()
{
    ++*m_utterance; // abandons a synthesis under way
    m_channel->stop();
}

void SpeechService::speakLocally(const QString &text, const QString &language, float rate)
{
    if (m_shutDown)
        return;
    silenceLocal();
    const float spokenRate = std::min(rate, maximumRate);
    emit localUtterance(text, language, spokenRate);

    const quint64 utterance = *m_utterance;
    const auto current = m_utterance;
    QPointer<SpeechService> self(this);
    m_synthesisThread.start([=] {
        const auto stillCurrent = [&] { return current->load() == utterance; };
        if (!stillCurrent())
            return;
        const std::optional<SpeechVoice> voice = preferredVoice(language);
        SpeechStyle style;
        style.rate = spokenRate;
        style.pitchMultiplier = pitchMultiplier;
        style.volume = volume;
        style.preDelay = preUtteranceDelay;
        style.postDelay = postUtteranceDelay;
        PcmClip clip = SpeechEngine::synthesize(SpeechEngine::prepareText(text, language),
                                                voice ? voice->identifier : QString(), style, stillCurrent);
        if (clip.isEmpty() || !stillCurrent())
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, current, utterance, clip = std::move(clip)] {
                if (self && current->load() == utterance)
                    self->m_channel->play(clip);
            },
            Qt::QueuedConnection);
    });
}

namespace {
// Whether prepareSoundOutput() found an output: the preparation's worker asks nothing of
// the platform's sound output itself, whose devices are set up on the interface thread.
std::atomic<bool> soundOutputPrepared{false};
} // namespace

void SpeechService::prepareSoundOutput()
{
    soundOutputPrepared = SoundChannel::hasOutputDevice();
}

void SpeechService::prepareAhead()
{
    QSslSocket::supportsSsl();
    SpeechEngine::loadAhead();
    // Decoded here and let go here: what the decoder loads stays loaded for the clips.
    if (!soundOutputPrepared)
        return; // no clip would be played either, or the sound output is not set up
    QEventLoop loop;
    QAudioDecoder decoder;
    QBuffer silence;
    silence.setData(wavDocument(PcmClip{QVector<float>(441, 0.0f), 44100}));
    silence.open(QIODevice::ReadOnly);
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &decoder, [&decoder] { decoder.read(); });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop, &QEventLoop::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit); // never held up for long
    decoder.setSourceDevice(&silence);
    decoder.start();
    if (decoder.isDecoding())
        loop.exec();
    decoder.stop();
}

void SpeechService::speakChinesePronunciation(const QString &text, const std::optional<QString> &fallbackText)
{
    const QString key = text.trimmed();
    if (key.isEmpty() || m_shutDown)
        return;
    silenceLocal();
    stopRemotePronunciation();
    const QString fallback = fallbackText.value_or(key);

    if (const QByteArray *cached = m_pronunciationCache.object(key)) {
        // A copy (the bytes are shared): a clip that does not decode leaves the cache.
        const QByteArray clip = *cached;
        playRemoteAudio(clip, fallback, key);
        return;
    }

    const QUrl url = pronunciationUrl(key);
    if (!url.isValid()) {
        speakLocally(fallback, QStringLiteral("zh-CN"), fallbackRate);
        return;
    }

    const QUuid requestID = QUuid::createUuid();
    m_remoteRequestID = requestID;
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkReply *reply = m_network->get(QNetworkRequest(url));
    m_remoteTask = reply;
    emit remoteRequestStarted(url);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, requestID, fallback, key] { finishDownload(reply, requestID, fallback, key); });
    limitSilence(reply, requestID, fallback);
}

void SpeechService::limitSilence(QNetworkReply *reply, QUuid requestID, const QString &fallback)
{
    // The wait goes with the reply; every byte that comes starts it again.
    const auto wait = std::make_shared<Clock::WaitId>(0);
    const auto arm = [this, reply, requestID, fallback, wait] {
        Clock::current().cancel(*wait);
        *wait = Clock::current().after(remoteSilenceLimitMs, reply, [this, reply, requestID, fallback] {
            if (m_remoteTask != reply)
                return;
            m_remoteTask = nullptr;
            disconnect(reply, &QNetworkReply::finished, this, nullptr);
            reply->abort();
            reply->deleteLater();
            if (requestID == m_remoteRequestID)
                speakLocally(fallback, QStringLiteral("zh-CN"), fallbackRate);
        });
    };
    arm();
    connect(reply, &QNetworkReply::metaDataChanged, this, arm);
    connect(reply, &QNetworkReply::downloadProgress, this, arm);
}

void SpeechService::finishDownload(QNetworkReply *reply, QUuid requestID, const QString &fallback,
                                   const QString &cacheKey)
{
    reply->deleteLater();
    if (m_remoteTask == reply)
        m_remoteTask = nullptr;
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return;
    if (requestID != m_remoteRequestID)
        return;

    // Only a transfer failure counts as an error here: an HTTP reply of any status is a
    // reply, judged by its type and size alone. A transfer that broke off (the network,
    // a proxy or the protocol failed, even after the headers came) is no reply at all.
    if (isTransferFailure(reply->error())) {
        speakLocally(fallback, QStringLiteral("zh-CN"), fallbackRate);
        return;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool isHttp = status.isValid() && reply->url().scheme().startsWith(QLatin1String("http"));
    const QString mimeType = QString::fromLatin1(reply->rawHeader("Content-Type"))
                                 .section(QLatin1Char(';'), 0, 0)
                                 .trimmed()
                                 .toLower();
    const QByteArray body = reply->readAll();

    if (isHttp && mimeType.startsWith(QLatin1String("audio/")) && body.size() > 1000) {
        m_pronunciationCache.insert(cacheKey, new QByteArray(body), body.size());
        playRemoteAudio(body, fallback, cacheKey);
    } else {
        speakLocally(fallback, QStringLiteral("zh-CN"), fallbackRate);
    }
}

void SpeechService::playRemoteAudio(const QByteArray &data, const QString &fallbackText, const QString &cacheKey)
{
    const QUuid requestID = m_remoteRequestID;
    m_remotePlaying = true;
    emit remoteClipStarted(cacheKey, data);
    clipPlayer().play(data, 1.0, [this, requestID, fallbackText, cacheKey] {
        // Bytes that do not decode are no pronunciation: they leave the cache, so the
        // next request for the word asks the service again.
        m_pronunciationCache.remove(cacheKey);
        m_remotePlaying = false;
        if (requestID == m_remoteRequestID)
            speakLocally(fallbackText, QStringLiteral("zh-CN"), fallbackRate);
    });
}

void SpeechService::stopRemotePronunciation()
{
    m_remoteRequestID = QUuid::createUuid();
    if (QNetworkReply *task = m_remoteTask.data()) {
        m_remoteTask = nullptr;
        task->abort();
    }
    if (m_remotePlaying) {
        m_remotePlaying = false;
        clipPlayer().stop();
    }
}

void SpeechService::setClipPlayer(ClipPlayer *player)
{
    if (m_remotePlaying)
        clipPlayer().stop();
    m_remotePlaying = false;
    m_testPlayer = player;
}

ClipPlayer &SpeechService::clipPlayer()
{
    if (m_testPlayer)
        return *m_testPlayer;
    if (!m_ownPlayer)
        m_ownPlayer = std::make_unique<DecodedClipPlayer>();
    return *m_ownPlayer;
}

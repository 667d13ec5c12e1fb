#include "SpeechEngine.h"

#include "RuntimeLibrary.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <espeak-ng/speak_lib.h>

#include <cmath>
#include <vector>

namespace {

// espeak-ng's library (with the sound libraries beneath it, which the engine never uses
// here) is loaded when the engine first starts, or ahead when a shelf opens, instead of
// being linked: linked, it would be mapped and relocated at start-up and held on every
// screen, though nothing speaks before a game.
struct Espeak
{
    decltype(&::espeak_Initialize) initialize = nullptr;
    decltype(&::espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&::espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&::espeak_SetParameter) setParameter = nullptr;
    decltype(&::espeak_ListVoices) listVoices = nullptr;
    decltype(&::espeak_Synth) synth = nullptr;
    decltype(&::espeak_TextToPhonemes) textToPhonemes = nullptr;

    // The library's functions, loaded once (and kept); null when it cannot be loaded.
    static const Espeak *get() { return RuntimeLibrary::loadOnce<Espeak>(PW_ESPEAK_NG_LIBRARY); }

    void resolve(RuntimeLibrary &library)
    {
        library.resolve(initialize, "espeak_Initialize");
        library.resolve(setSynthCallback, "espeak_SetSynthCallback");
        library.resolve(setVoiceByName, "espeak_SetVoiceByName");
        library.resolve(setParameter, "espeak_SetParameter");
        library.resolve(listVoices, "espeak_ListVoices");
        library.resolve(synth, "espeak_Synth");
        library.resolve(textToPhonemes, "espeak_TextToPhonemes");
    }
};

// The engine is one global instance inside espeak-ng: every use goes through this lock.
QMutex &engineLock()
{
    static QMutex *lock = new QMutex; // outlives a synthesis still running at exit
    return *lock;
}

struct EngineState
{
    bool tried = false;
    const Espeak *espeak = nullptr; // set once the engine has started
    int sampleRate = 0; // 0: the engine could not start
    QString voice;      // the voice last set
    EngineParameters parameters;
    bool parametersSet = false;
};

EngineState &state()
{
    static EngineState *s = new EngineState; // outlives a synthesis still running at exit
    return *s;
}

struct SynthesisRun
{
    std::vector<short> samples;
    const std::function<bool()> *keepGoing = nullptr;
    bool abandoned = false;
};

int collectSamples(short *wav, int count, espeak_EVENT *events)
{
    auto *run = events ? static_cast<SynthesisRun *>(events->user_data) : nullptr;
    if (!run)
        return 0;
    if (run->keepGoing && *run->keepGoing && !(*run->keepGoing)()) {
        run->abandoned = true;
        return 1;
    }
    if (wav && count > 0)
        run->samples.insert(run->samples.end(), wav, wav + count);
    return 0;
}

// Starts the engine once; false when it cannot run. Call with the lock held.
bool ensureEngine()
{
    EngineState &s = state();
    if (!s.tried) {
        s.tried = true;
        const Espeak *espeak = Espeak::get();
        const int rate = espeak ? espeak->initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT)
                                : 0;
        if (rate > 0) {
            s.sampleRate = rate;
            s.espeak = espeak;
            espeak->setSynthCallback(collectSamples);
        }
    }
    return s.sampleRate > 0;
}

bool selectVoice(const QString &identifier)
{
    EngineState &s = state();
    const QString wanted = identifier.isEmpty() ? QStringLiteral("en") : identifier;
    if (s.voice == wanted)
        return true;
    if (s.espeak->setVoiceByName(wanted.toUtf8().constData()) != EE_OK)
        return false;
    s.voice = wanted;
    s.parametersSet = false; // a new voice starts from its own settings
    return true;
}

void applyParameters(const EngineParameters &p)
{
    EngineState &s = state();
    if (s.parametersSet && s.parameters.wordsPerMinute == p.wordsPerMinute && s.parameters.pitch == p.pitch
        && s.parameters.volume == p.volume)
        return;
    s.espeak->setParameter(espeakRATE, p.wordsPerMinute, 0);
    s.espeak->setParameter(espeakPITCH, p.pitch, 0);
    s.espeak->setParameter(espeakVOLUME, p.volume, 0);
    s.parameters = p;
    s.parametersSet = true;
}

// espeak-ng's language names as BCP-47 tags: the language in lower case, a two-letter
// region in capitals, a four-letter script in title case. Its Mandarin voice with
// pinyin is the platform's Mandarin of mainland China.
QString tagFor(const QString &espeakLanguage)
{
    if (espeakLanguage.compare(QLatin1String("cmn-latn-pinyin"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("zh-CN");
    QStringList parts = espeakLanguage.split(QLatin1Char('-'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString &part = parts[i];
        if (i == 0)
            part = part.toLower();
        else if (part.size() == 2)
            part = part.toUpper();
        else if (part.size() == 4)
            part = part.left(1).toUpper() + part.mid(1).toLower();
        else
            part = part.toLower();
    }
    return parts.join(QLatin1Char('-'));
}

QList<SpeechVoice> listVoices()
{
    QList<SpeechVoice> english, chinese, others;
    const espeak_VOICE **voices = state().espeak->listVoices(nullptr);
    for (int i = 0; voices && voices[i]; ++i) {
        const espeak_VOICE *v = voices[i];
        if (!v->languages || !v->identifier || !v->languages[0])
            continue;
        const QString identifier = QString::fromUtf8(v->identifier);
        const QString language = QString::fromUtf8(v->languages + 1); // after the priority byte
        if (identifier.startsWith(QLatin1String("mb/")) || language == QLatin1String("variant")
            || identifier == QLatin1String("sit/cmn"))
            continue;
        SpeechVoice voice{identifier, QString::fromUtf8(v->name ? v->name : v->identifier), tagFor(language),
                          SpeechVoice::Quality::Default};
        if (voice.language == QLatin1String("en-US"))
            english.append(voice);
        else if (voice.language == QLatin1String("zh-CN"))
            chinese.append(voice);
        else
            others.append(voice);
    }
    return english + chinese + others;
}

} // namespace

namespace SpeechEngine {

void loadAhead()
{
    installedVoices();
}

QList<SpeechVoice> installedVoices()
{
    QMutexLocker locker(&engineLock());
    static QList<SpeechVoice> *voices = new QList<SpeechVoice>; // outlives a synthesis at exit
    static bool listed = false;
    if (!listed && ensureEngine()) {
        *voices = listVoices();
        listed = true;
    }
    return *voices;
}

SpeechVoice voiceForLanguage(const QString &language)
{
    for (const SpeechVoice &voice : installedVoices()) {
        if (voice.language.compare(language, Qt::CaseInsensitive) == 0)
            return voice;
    }
    return {};
}

EngineParameters engineParameters(const SpeechStyle &style)
{
    EngineParameters p;
    const double rate = std::isfinite(style.rate) ? std::clamp(double(style.rate), 0.0, 1.0) : 0.5;
    const double wpm = rate <= 0.5 ? espeakRATE_NORMAL * rate / 0.5
                                   : espeakRATE_NORMAL + (espeakRATE_MAXIMUM - espeakRATE_NORMAL) * (rate - 0.5) / 0.5;
    p.wordsPerMinute = std::max(espeakRATE_MINIMUM, int(std::lround(wpm)));
    p.pitch = std::clamp(int(std::lround(50.0 * style.pitchMultiplier)), 0, 100);
    p.volume = std::clamp(int(std::lround(100.0 * style.volume)), 0, 200);
    return p;
}

QString prepareText(const QString &text, const QString &language)
{
    const QString base = language.toLower().section(QLatin1Char('-'), 0, 0, QString::SectionSkipEmpty);
    if (base != QLatin1String("zh"))
        return text;
    QString spoken;
    spoken.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'+': case u'\uFF0B': spoken += QStringLiteral("加"); break;
        case u'-': case u'\uFF0D': case u'\u2212': spoken += QStringLiteral("减"); break;
        case u'=': case u'\uFF1D': spoken += QStringLiteral("等于"); break;
        default: spoken += c;
        }
    }
    return spoken;
}

PcmClip synthesize(const QString &text, const QString &voiceIdentifier, const SpeechStyle &style,
                   const std::function<bool()> &keepGoing)
{
    QMutexLocker locker(&engineLock());
    if (!ensureEngine() || !selectVoice(voiceIdentifier))
        return {};
    applyParameters(engineParameters(style));

    SynthesisRun run;
    run.keepGoing = &keepGoing;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = state().espeak->synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &run);
    if (result != EE_OK || run.abandoned)
        return {};

    PcmClip clip;
    clip.sampleRate = state().sampleRate;
    const qsizetype before = qsizetype(std::lround(std::max(0.0, style.preDelay) * clip.sampleRate));
    const qsizetype after = qsizetype(std::lround(std::max(0.0, style.postDelay) * clip.sampleRate));
    clip.samples.resize(before + qsizetype(run.samples.size()) + after, 0.0f);
    float *out = clip.samples.data() + before;
    for (const short s : run.samples)
        *out++ = float(s) / 32768.0f;
    return clip;
}

QString phonemes(const QString &text, const QString &voiceIdentifier)
{
    QMutexLocker locker(&engineLock());
    if (!ensureEngine() || !selectVoice(voiceIdentifier))
        return {};
    const QByteArray utf8 = text.toUtf8();
    const void *cursor = utf8.constData();
    QStringList clauses;
    while (cursor) {
        const char *clause = state().espeak->textToPhonemes(&cursor, espeakCHARS_UTF8, 0);
        if (!clause)
            break;
        clauses << QString::fromUtf8(clause).trimmed();
    }
    return clauses.join(QLatin1Char(' '));
}

} // namespace SpeechEngine

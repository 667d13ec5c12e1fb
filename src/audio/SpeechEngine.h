#pragma once

#include "SoundChannel.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// One installed voice as the playground sees it.
struct SpeechVoice
{
    enum class Quality { Default, Enhanced, Premium };

    QString identifier; // the engine's name for it ("gmw/en-US", "sit/cmn-Latn-pinyin")
    QString name;       // a readable name ("English_(America)")
    QString language;   // a BCP-47 tag ("en-US", "zh-CN")
    Quality quality = Quality::Default;

    bool operator==(const SpeechVoice &) const = default;
};

// How an utterance is spoken, in the speech service's own terms: the rate on the
// 0 to 1 scale where 0.5 is a normal pace, the pitch as a multiplier of the voice's
// own pitch, the volume from 0 to 1 and the pauses in seconds.
struct SpeechStyle
{
    float rate = 0.5f;
    float pitchMultiplier = 1.0f;
    float volume = 1.0f;
    double preDelay = 0.0;
    double postDelay = 0.0;
};

// The engine parameters a style becomes (see SpeechEngine::engineParameters).
struct EngineParameters
{
    int wordsPerMinute = 175;
    int pitch = 50;  // 0..100, 50 is the voice's own pitch
    int volume = 100; // 0..200, 100 is the voice's own level
};

// The local speech synthesiser: espeak-ng's library, called in-process, rendering
// each utterance to PCM samples. It is started on first use; every function is
// thread-safe (the engine is used under one lock) and may block for the length of a
// synthesis, so the speech service calls it from its worker thread.
namespace SpeechEngine {

// Loads the engine's library, starts the engine and lists its voices, so that the first
// utterance does not wait for them (some 25 ms of a game's first prompt, most of it
// reading every voice file); any thread may call it (a worker, ahead of the games).
void loadAhead();

// The installed voices, in the order listed to the voice choice: the playground's
// two speech languages (American English, Mandarin) first, then every other language
// voice as espeak-ng lists it. Voices that cannot speak their language properly are
// left out: espeak-ng's plain Mandarin voice (it reads pinyin as English), and
// MBROLA voices (they need a separate synthesiser). Empty when the engine cannot start.
QList<SpeechVoice> installedVoices();

// The voice whose tag equals `language` (any case), or an empty identifier.
SpeechVoice voiceForLanguage(const QString &language);

// The one conversion from a speech style to espeak-ng's parameters:
//  - rate: 0.5 is espeak-ng's normal 175 words a minute; below it the pace scales in
//    proportion (0.36 → 126 wpm), above it up to espeak-ng's 450 at 1.0; never below
//    espeak-ng's minimum of 80;
//  - pitch: the multiplier scales espeak-ng's neutral base pitch 50 (1.11 → 56);
//  - volume: 1.0 is espeak-ng's 100 (0.92 → 92).
// The pauses are not parameters: they become silence before and after the samples.
EngineParameters engineParameters(const SpeechStyle &style);

// Text as the voice should read it: for Chinese voices "+", "-" and "=" (and their
// full-width forms) are spelled out as 加, 减 and 等于.
QString prepareText(const QString &text, const QString &language);

// Renders `text` with the voice `voiceIdentifier` (the default voice when empty).
// `keepGoing`, when given, is asked during the synthesis; returning false abandons it
// and yields an empty clip. Empty too when the engine cannot start.
PcmClip synthesize(const QString &text, const QString &voiceIdentifier, const SpeechStyle &style,
                   const std::function<bool()> &keepGoing = {});

// The phonemes the voice would speak for `text`, in espeak-ng's mnemonics.
QString phonemes(const QString &text, const QString &voiceIdentifier);

} // namespace SpeechEngine

#pragma once

#include "LearningContent.h"
#include "SpeechService.h"

// Pronounces one character as the tile speakers do: the word that fixes its reading
// when it has several, else the character; the character itself is the local fallback.
inline void speakCharacter(const QString &character)
{
    SpeechService::shared().speakChinesePronunciation(LearningContent::pronunciationText(character), character);
}

#pragma once

#include "LearningContent.h"

// Vocabularies of a chosen size: English words "w0", "w1", … and Chinese characters
// counted up from 一 with the pinyin "p0", "p1", …
inline Vocabulary testVocabulary(int english, int chinese)
{
    LearningContentPayload payload;
    for (int i = 0; i < english; ++i)
        payload.english.append(QStringLiteral("w%1").arg(i));
    for (int i = 0; i < chinese; ++i)
        payload.chinese.append({QString(QChar(char16_t(0x4E00 + i))), QStringLiteral("p%1").arg(i)});
    return Vocabulary(payload);
}

inline QString hanzi(int i)
{
    return QString(QChar(char16_t(0x4E00 + i)));
}

#pragma once

#include "GameTestSupport.h"
#include "LearningContent.h"
#include "SingleChoiceGame.h"
#include "TileState.h"
#include "WordChoice.h"

#include <QTest>

#include <functional>

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

// The characters of `words` that no preset reading gives: their pinyin would build the
// transliteration rules, on the interface thread.
inline QString withoutPresetReading(const QStringList &words)
{
    QString missing;
    for (const QString &word : words) {
        for (const char32_t c : word.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!LearningContent::presetReading(character))
                missing += character;
        }
    }
    return missing;
}

inline QString hanzi(int i)
{
    return QString(QChar(char16_t(0x4E00 + i)));
}

// The words of a row's choices, and the test vocabulary's words at `indices`.
inline QStringList words(const QList<WordChoice> &choices)
{
    QStringList out;
    for (const WordChoice &c : choices)
        out.append(c.word);
    return out;
}

inline QStringList entries(std::initializer_list<int> indices)
{
    QStringList out;
    for (int i : indices)
        out.append(QStringLiteral("w%1").arg(i));
    return out;
}

// The first word tile that shows `word` (or, with `equal` false, the first that does not).
inline int tileOf(const QVariantList &tiles, const QString &word, bool equal = true)
{
    for (int i = 0; i < tiles.size(); ++i) {
        if ((tiles[i].toMap().value(QStringLiteral("word")).toString() == word) == equal)
            return i;
    }
    return -1;
}

// The looks of the tiles (ChoiceTile fills them mint, mango and white).
constexpr int kMint = TileState::Right;
constexpr int kMango = TileState::Picked;
constexpr int kWhite = TileState::Plain;

// The first tile that shows `answer` (or, with `equal` false, the first that does not).
inline int tileOf(const QStringList &choices, const QString &answer, bool equal = true)
{
    for (int i = 0; i < choices.size(); ++i) {
        if ((choices[i] == answer) == equal)
            return i;
    }
    return -1;
}

// Plays the game to its last right answer, rightly at the first try; returns the pause.
inline int playSingleChoice(SingleChoiceGame &game, ManualClock &clock, int pauseMs)
{
    const int rounds = int(game.session().size());
    for (int r = 0; r < rounds; ++r) {
        game.choose(tileOf(game.choices(), game.answer()));
        if (r < rounds - 1)
            clock.advance(pauseMs);
    }
    return pauseMs;
}

// The child leaves the page during the last pause of `pauseMs`: `play` plays a whole
// play rightly; the game goes, and the report still arrives once, when the pause is over.
template <typename Game>
void checkReportAfterLeaving(int pauseMs, const std::function<void(Game &, ManualClock &)> &play)
{
    GameTestWorld world;
    ReportLog log;
    {
        Game game;
        log.attach(game);
        game.appear();
        play(game, world.clock);
        QVERIFY(game.locked());
        world.clock.advance(pauseMs - 1);
        QCOMPARE(log.count(), 0);
    }
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

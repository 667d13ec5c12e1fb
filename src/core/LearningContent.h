#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// One English word of the shared vocabulary; identified by `word`. `chinese` is empty:
// the vocabulary carries no translations.
struct BasicEnglishWord
{
    QString word;
    QString emoji;
    QString chinese;

    friend bool operator==(const BasicEnglishWord &, const BasicEnglishWord &) = default;
};
size_t qHash(const BasicEnglishWord &item, size_t seed = 0);

// One Chinese character with its display pinyin; identified by `character`.
struct ChineseLiteracyItem
{
    QString character;
    QString pinyin;
    QString emoji;

    friend bool operator==(const ChineseLiteracyItem &, const ChineseLiteracyItem &) = default;
};
size_t qHash(const ChineseLiteracyItem &item, size_t seed = 0);

// The decoded "learning_content.json": {"english": [words], "chinese": [{"character",
// "pinyin"}]}.
struct LearningContentPayload
{
    struct ChineseEntry
    {
        QString character;
        QString pinyin;
        friend bool operator==(const ChineseEntry &, const ChineseEntry &) = default;
    };

    QStringList english;
    QList<ChineseEntry> chinese;

    friend bool operator==(const LearningContentPayload &, const LearningContentPayload &) = default;

    // The smallest vocabulary a data file must hold to be used.
    static constexpr int minimumEnglish = 1000;
    static constexpr int minimumChinese = 500;

    // Strict decoding: all four keys required with their types; other keys ignored.
    static std::optional<LearningContentPayload> decode(const QByteArray &json);
    // The first candidate file that decodes and is large enough; else fallback().
    static LearningContentPayload loadFrom(const QStringList &candidatePaths);
    // One word "cat" and one character 猫 (māo).
    static LearningContentPayload fallback();
};

// The vocabulary built from one payload, with the operations the language games share.
class Vocabulary
{
public:
    explicit Vocabulary(const LearningContentPayload &payload);

    const QList<BasicEnglishWord> &basicEnglish() const { return m_english; }
    const QList<ChineseLiteracyItem> &chineseLiteracy() const { return m_chinese; }

    // The pinyin of every user-perceived character of `text`, joined by single spaces:
    // the vocabulary's pinyin (first listing wins), else the Latin transliteration in
    // lower case (see LearningContent::transliterate()); white space is dropped.
    QString pinyin(const QString &text) const;
    // Four answer choices for question `index`: the right answer is the character of
    // entry index mod count, with the entries 37, 113 and 211 further on, rotated left
    // by index mod 4.
    QStringList literacyChoices(qint64 index) const;

private:
    QList<BasicEnglishWord> m_english;
    QList<ChineseLiteracyItem> m_chinese;
    QHash<QString, QString> m_pinyinByCharacter;
};

namespace LearningContent {

// The shipped vocabulary, loaded once on first use from DataFiles::candidates(
// "learning_content", "json"), else the one-word fallback.
const Vocabulary &shared();
const QList<BasicEnglishWord> &basicEnglish();
const QList<ChineseLiteracyItem> &chineseLiteracy();
QString pinyin(const QString &text);
// What the speech service reads for one character: a phrase that fixes the reading of
// eight characters with more than one; otherwise the text itself.
QString pronunciationText(const QString &text);
QStringList literacyChoices(int index);

// One character's Latin transliteration, made ahead from the rules.
struct PresetReading
{
    char32_t character;
    const char16_t *reading;
};
// Every Chinese character written in the radical and sentence games' banks with its
// reading, in code-point order (tools/data/make_han_readings.py makes the table).
std::span<const PresetReading> presetReadings();
// The preset reading of `text` if it is one character of that table.
std::optional<QString> presetReading(const QString &text);

// Latin transliteration of `text` in lower case ("Any-Latin"); nullopt if it fails. A
// single character of the preset readings is read from them; anything else builds
// ICU's rules on its first use (a tenth of a second or more, some 2 MiB kept for the
// whole run). Thread-safe.
std::optional<QString> transliterate(const QString &text);
// The same by the rules alone, never from the preset readings.
std::optional<QString> transliterateByRules(const QString &text);

} // namespace LearningContent

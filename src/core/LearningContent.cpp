#include "LearningContent.h"

#include "DataFiles.h"
#include "JsonStrict.h"
#include "Rotated.h"

#include <QMutex>
#include <QTextBoundaryFinder>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace {

// Cycled over the English words and the Chinese entries, by position.
const QString kEnglishSymbols[] = {
    QStringLiteral("🐾"), QStringLiteral("🍎"), QStringLiteral("🎨"), QStringLiteral("🧑"), QStringLiteral("👕"),
    QStringLiteral("📚"), QStringLiteral("🚌"), QStringLiteral("🏠"), QStringLiteral("🌳"), QStringLiteral("🏃"),
    QStringLiteral("🌟"), QStringLiteral("🏙\uFE0F"), QStringLiteral("📅"),
};
const QString kChineseSymbols[] = {
    QStringLiteral("🀄\uFE0F"), QStringLiteral("📚"), QStringLiteral("🌟"),
    QStringLiteral("🧩"),       QStringLiteral("🎯"), QStringLiteral("🔤"),
};

// The answer and the three distractors, this far along the list.
constexpr qint64 kChoiceOffsets[] = {0, 37, 113, 211};

qint64 positiveModulo(qint64 value, qint64 n)
{
    const qint64 r = value % n;
    return r < 0 ? r + n : r;
}

bool containsWhitespace(QStringView cluster)
{
    for (const char32_t c : cluster.toUcs4()) {
        if (QChar::isSpace(c))
            return true;
    }
    return false;
}

} // namespace

size_t qHash(const BasicEnglishWord &item, size_t seed)
{
    return qHashMulti(seed, item.word, item.emoji, item.chinese);
}

size_t qHash(const ChineseLiteracyItem &item, size_t seed)
{
    return qHashMulti(seed, item.character, item.pinyin, item.emoji);
}

// --- LearningContentPayload ----------------------------------------------------------

std::optional<LearningContentPayload> LearningContentPayload::decode(const QByteArray &json)
{
    const auto doc = JsonStrict::parse(json);
    if (!doc || !doc->isObject())
        return std::nullopt;
    const QJsonObject object = doc->object();
    LearningContentPayload payload;
    if (!JsonStrict::stringList(object, "english", &payload.english))
        return std::nullopt;
    const QJsonValue chinese = object.value(QLatin1String("chinese"));
    if (!chinese.isArray())
        return std::nullopt;
    const QJsonArray entries = chinese.toArray();
    payload.chinese.reserve(entries.size());
    for (const QJsonValue &value : entries) {
        if (!value.isObject())
            return std::nullopt;
        const QJsonObject entry = value.toObject();
        ChineseEntry item;
        if (!JsonStrict::string(entry, "character", &item.character) || !JsonStrict::string(entry, "pinyin", &item.pinyin))
            return std::nullopt;
        payload.chinese.append(std::move(item));
    }
    return payload;
}

LearningContentPayload LearningContentPayload::loadFrom(const QStringList &candidatePaths)
{
    for (const QString &path : candidatePaths) {
        const auto bytes = JsonStrict::readFile(path);
        if (!bytes)
            continue;
        auto payload = decode(*bytes);
        if (payload && payload->english.size() >= minimumEnglish && payload->chinese.size() >= minimumChinese)
            return std::move(*payload);
    }
    return fallback();
}

LearningContentPayload LearningContentPayload::fallback()
{
    return LearningContentPayload{{QStringLiteral("cat")}, {{QStringLiteral("猫"), QStringLiteral("māo")}}};
}

// --- Vocabulary --------------------------------------------------------------------

Vocabulary::Vocabulary(const LearningContentPayload &payload)
{
    m_english.reserve(payload.english.size());
    for (qsizetype i = 0; i < payload.english.size(); ++i)
        m_english.append({payload.english.at(i), kEnglishSymbols[i % std::size(kEnglishSymbols)], QString()});

    m_chinese.reserve(payload.chinese.size());
    m_pinyinByCharacter.reserve(payload.chinese.size());
    for (qsizetype i = 0; i < payload.chinese.size(); ++i) {
        const auto &entry = payload.chinese.at(i);
        m_chinese.append({entry.character, entry.pinyin, kChineseSymbols[i % std::size(kChineseSymbols)]});
        // The first listing of a character keeps its pinyin.
        if (!m_pinyinByCharacter.contains(entry.character))
            m_pinyinByCharacter.insert(entry.character, entry.pinyin);
    }
}

QString Vocabulary::pinyin(const QString &text) const
{
    QStringList parts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start)
            end = text.size();
        const QString cluster = text.mid(start, end - start);
        start = end;

        const auto known = m_pinyinByCharacter.constFind(cluster);
        if (known != m_pinyinByCharacter.constEnd()) {
            parts.append(*known);
        } else if (!containsWhitespace(cluster)) {
            parts.append(LearningContent::transliterate(cluster).value_or(cluster));
        }
    }
    return parts.join(QLatin1Char(' '));
}

QStringList Vocabulary::literacyChoices(qint64 index) const
{
    const qint64 n = m_chinese.size();
    if (n == 0)
        return {};
    QStringList choices;
    for (const qint64 offset : kChoiceOffsets)
        choices.append(m_chinese.at(positiveModulo(positiveModulo(index, n) + offset, n)).character);
    return rotated(choices, positiveModulo(index, 4));
}

// --- LearningContent ---------------------------------------------------------------

namespace LearningContent {

const Vocabulary &shared()
{
    static const Vocabulary vocabulary(
        LearningContentPayload::loadFrom(DataFiles::candidates(QStringLiteral("learning_content"), QStringLiteral("json"))));
    return vocabulary;
}

const QList<BasicEnglishWord> &basicEnglish()
{
    return shared().basicEnglish();
}

const QList<ChineseLiteracyItem> &chineseLiteracy()
{
    return shared().chineseLiteracy();
}

QString pinyin(const QString &text)
{
    return shared().pinyin(text);
}

QStringList literacyChoices(int index)
{
    return shared().literacyChoices(index);
}

QString pronunciationText(const QString &text)
{
    static const QHash<QString, QString> phrases{
        {QStringLiteral("长"), QStringLiteral("长短的长")},   {QStringLiteral("切"), QStringLiteral("切开的切")},
        {QStringLiteral("还"), QStringLiteral("归还的还")},   {QStringLiteral("子"), QStringLiteral("子女的子")},
        {QStringLiteral("干"), QStringLiteral("干净的干")},   {QStringLiteral("茄"), QStringLiteral("茄子的茄")},
        {QStringLiteral("只"), QStringLiteral("一只小鸟的只")}, {QStringLiteral("椰"), QStringLiteral("椰子的椰")},
    };
    return phrases.value(text, text);
}

namespace {

const PresetReading kPresetReadings[] = {
#include "HanReadings.inc"
};

// Building the transform loads ICU's rule data, so it is made once, on the first
// character no preset reading gives. ICU transliterators are not documented as safe for
// concurrent use, so every use is serialised. Both live for the whole run (never
// destroyed), so a late user never meets a freed one.
struct Transliteration
{
    QMutex mutex;
    std::unique_ptr<icu::Transliterator> transform;
    bool tried = false;

    // Call with the mutex held.
    icu::Transliterator *get()
    {
        if (!tried) {
            tried = true;
            UErrorCode status = U_ZERO_ERROR;
            transform.reset(icu::Transliterator::createInstance(icu::UnicodeString("Any-Latin"), UTRANS_FORWARD, status));
            if (U_FAILURE(status))
                transform.reset();
        }
        return transform.get();
    }
};

Transliteration &transliteration()
{
    static Transliteration *shared = new Transliteration;
    return *shared;
}

} // namespace

std::span<const PresetReading> presetReadings()
{
    return kPresetReadings;
}

std::optional<QString> presetReading(const QString &text)
{
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.size() != 1)
        return std::nullopt;
    const auto found = std::lower_bound(std::begin(kPresetReadings), std::end(kPresetReadings), codePoints.first(),
                                        [](const PresetReading &entry, uint c) { return entry.character < c; });
    if (found == std::end(kPresetReadings) || found->character != codePoints.first())
        return std::nullopt;
    return QString::fromUtf16(found->reading);
}

std::optional<QString> transliterate(const QString &text)
{
    if (auto reading = presetReading(text))
        return reading;
    return transliterateByRules(text);
}

std::optional<QString> transliterateByRules(const QString &text)
{
    Transliteration &t = transliteration();
    QMutexLocker lock(&t.mutex);
    icu::Transliterator *transform = t.get();
    if (!transform)
        return std::nullopt;
    icu::UnicodeString buffer(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    transform->transliterate(buffer);
    if (buffer.isBogus())
        return std::nullopt;
    return QString(reinterpret_cast<const QChar *>(buffer.getBuffer()), buffer.length()).toLower();
}

} // namespace LearningContent

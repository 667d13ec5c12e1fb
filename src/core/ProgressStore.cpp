#include "ProgressStore.h"

#include "Clock.h"
#include "JsonStrict.h"
#include "SettingsStore.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The identifier's standard text: 8-4-4-4-12 hexadecimal digits, either case.
bool uuidFromText(const QString &text, QUuid *out)
{
    if (text.size() != 36)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != QLatin1Char('-'))
                return false;
        } else if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 0x7f) {
            return false;
        }
    }
    *out = QUuid::fromString(text);
    return true;
}

QString uuidText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

// Adds without wrapping around: a hand-edited save near the integer limit stays there.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

std::optional<ActivityRecord> decodeRecord(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    ActivityRecord record;
    QString id;
    if (!JsonStrict::string(object, "id", &id) || !uuidFromText(id, &record.id)
        || !JsonStrict::date(object.value(QLatin1String("date")), &record.date)
        || !JsonStrict::string(object, "gameID", &record.gameID)
        || !JsonStrict::string(object, "gameTitle", &record.gameTitle)
        || !JsonStrict::integer(object, "score", &record.score) || !JsonStrict::integer(object, "stars", &record.stars)
        || !JsonStrict::integer(object, "seconds", &record.seconds)
        || !JsonStrict::stringList(object, "skills", &record.skills))
        return std::nullopt;
    return record;
}

QJsonObject encodeRecord(const ActivityRecord &record)
{
    return QJsonObject{
        {QStringLiteral("id"), uuidText(record.id)},
        {QStringLiteral("date"), JsonStrict::encodeDate(record.date)},
        {QStringLiteral("gameID"), record.gameID},
        {QStringLiteral("gameTitle"), record.gameTitle},
        {QStringLiteral("score"), record.score},
        {QStringLiteral("stars"), record.stars},
        {QStringLiteral("seconds"), record.seconds},
        {QStringLiteral("skills"), QJsonArray::fromStringList(record.skills)},
    };
}

} // namespace

// --- PlayerProfile -----------------------------------------------------------------

QByteArray PlayerProfile::toJson() const
{
    QJsonObject object{
        {QStringLiteral("name"), name},
        {QStringLiteral("petName"), petName},
        {QStringLiteral("petEmoji"), petEmoji},
        {QStringLiteral("coins"), coins},
        {QStringLiteral("xp"), xp},
        {QStringLiteral("streak"), streak},
    };
    if (lastPlayDate)
        object.insert(QStringLiteral("lastPlayDate"), JsonStrict::encodeDate(*lastPlayDate));
    if (lastChestDay)
        object.insert(QStringLiteral("lastChestDay"), *lastChestDay);
    QStringList decorations(unlockedDecorations.cbegin(), unlockedDecorations.cend());
    decorations.sort();
    object.insert(QStringLiteral("unlockedDecorations"), QJsonArray::fromStringList(decorations));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<PlayerProfile> PlayerProfile::fromJson(const QByteArray &json)
{
    const auto doc = JsonStrict::parse(json);
    if (!doc || !doc->isObject())
        return std::nullopt;
    const QJsonObject object = doc->object();
    PlayerProfile profile;
    QStringList decorations;
    if (!JsonStrict::string(object, "name", &profile.name) || !JsonStrict::string(object, "petName", &profile.petName)
        || !JsonStrict::string(object, "petEmoji", &profile.petEmoji)
        || !JsonStrict::integer(object, "coins", &profile.coins) || !JsonStrict::integer(object, "xp", &profile.xp)
        || !JsonStrict::integer(object, "streak", &profile.streak)
        || !JsonStrict::stringList(object, "unlockedDecorations", &decorations))
        return std::nullopt;
    profile.unlockedDecorations = QSet<QString>(decorations.cbegin(), decorations.cend());

    // The two optional keys may be missing or null; any other value must have its type.
    const QJsonValue lastPlay = object.value(QLatin1String("lastPlayDate"));
    if (!lastPlay.isUndefined() && !lastPlay.isNull()) {
        QDateTime date;
        if (!JsonStrict::date(lastPlay, &date))
            return std::nullopt;
        profile.lastPlayDate = date;
    }
    const QJsonValue chest = object.value(QLatin1String("lastChestDay"));
    if (!chest.isUndefined() && !chest.isNull()) {
        if (!chest.isString())
            return std::nullopt;
        profile.lastChestDay = chest.toString();
    }
    return profile;
}

// --- ActivityRecord ----------------------------------------------------------------

QByteArray ActivityRecord::listToJson(const QList<ActivityRecord> &records)
{
    QJsonArray array;
    for (const ActivityRecord &record : records)
        array.append(encodeRecord(record));
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<ActivityRecord>> ActivityRecord::listFromJson(const QByteArray &json)
{
    const auto doc = JsonStrict::parse(json);
    if (!doc || !doc->isArray())
        return std::nullopt;
    const QJsonArray array = doc->array();
    QList<ActivityRecord> records;
    records.reserve(array.size());
    for (const QJsonValue &value : array) {
        auto record = decodeRecord(value);
        if (!record)
            return std::nullopt;
        records.append(std::move(*record));
    }
    return records;
}

// --- ProgressStore -----------------------------------------------------------------

ProgressStore::ProgressStore(SettingsStore &defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
{
    const double limit = m_defaults.isNumber(dailyLimitKey) ? m_defaults.real(dailyLimitKey) : 25.0;
    m_dailyLimit = std::min(std::max(limit, 10.0), 40.0);
    if (std::isnan(m_dailyLimit))
        m_dailyLimit = 25.0;

    m_soundEnabled = m_defaults.contains(soundEnabledKey) ? m_defaults.boolean(soundEnabledKey) : true;

    const auto profileData = m_defaults.data(profileKey);
    auto profile = profileData ? PlayerProfile::fromJson(*profileData) : std::nullopt;
    if (profile)
        m_profile = std::move(*profile);
    const auto recordsData = m_defaults.data(recordsKey);
    auto records = recordsData ? ActivityRecord::listFromJson(*recordsData) : std::nullopt;
    if (records)
        m_records = std::move(*records);
    // Saved progress that is there but does not decode would be replaced by the next
    // save: finish() keeps a copy of it first.
    m_keepCopyBeforeSave = (m_defaults.contains(profileKey) && !profile) || (m_defaults.contains(recordsKey) && !records);
}

CreditedPlay ProgressStore::credit(qint64 score, qint64 stars)
{
    const qint64 clampedStars = std::clamp<qint64>(stars, 1, 3);
    return {std::clamp<qint64>(score, 0, 100), clampedStars, 5 * clampedStars};
}

void ProgressStore::finish(const GameDefinition &game, qint64 score, qint64 stars, qint64 seconds)
{
    const CreditedPlay credited = credit(score, stars);
    const qint64 clampedScore = credited.score;
    const qint64 clampedStars = credited.stars;

    updateStreak();
    m_profile.coins = saturatingAdd(m_profile.coins, credited.coins);
    m_profile.xp = saturatingAdd(m_profile.xp, 20 * clampedStars);

    // A per-play identifier must be unique across runs, so it comes from the system's
    // UUID source rather than the seedable game random source.
    ActivityRecord record{QUuid::createUuid(),
                          Clock::current().now(),
                          game.id,
                          game.title,
                          clampedScore,
                          clampedStars,
                          std::max<qint64>(seconds, 1),
                          game.skills};
    m_records.prepend(std::move(record));
    if (m_records.size() > maxRecords)
        m_records.resize(maxRecords);

    if (std::exchange(m_keepCopyBeforeSave, false)) {
        const QString copy = m_defaults.keepCopy();
        qWarning("Progress: the saved progress could not be read; a new one replaces it (old values kept in %s)",
                 qPrintable(copy.isEmpty() ? QStringLiteral("no copy") : copy));
    }
    save();
    emit profileChanged();
    emit recordsChanged();
}

void ProgressStore::updateStreak()
{
    const Clock &clock = Clock::current();
    const QDateTime now = clock.now();
    if (m_profile.lastPlayDate) {
        const QDate today = clock.dateOf(now);
        const QDate last = clock.dateOf(*m_profile.lastPlayDate);
        if (last == today.addDays(-1))
            m_profile.streak = saturatingAdd(m_profile.streak, 1);
        else if (last != today)
            m_profile.streak = 1; // a gap of a day or more, or a date after today
    }
    m_profile.lastPlayDate = now;
}

void ProgressStore::save()
{
    // One write: a program ended between two would keep a play's coins and stars
    // without its record.
    m_defaults.setValues({{profileKey, m_profile.toJson()}, {recordsKey, ActivityRecord::listToJson(m_records)}});
}

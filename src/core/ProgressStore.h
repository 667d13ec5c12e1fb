#pragma once

#include "GameCatalog.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class SettingsStore;

// The player's profile as it is saved under "pipwhistle.profile.v1".
struct PlayerProfile
{
    Q_GADGET
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString petName MEMBER petName CONSTANT)
    Q_PROPERTY(QString petEmoji MEMBER petEmoji CONSTANT)
    Q_PROPERTY(qint64 coins MEMBER coins CONSTANT)
    Q_PROPERTY(qint64 xp MEMBER xp CONSTANT)
    Q_PROPERTY(qint64 streak MEMBER streak CONSTANT)

public:
    QString name = QStringLiteral("小小探险家");
    QString petName = QStringLiteral("小铃");
    QString petEmoji = QStringLiteral("🦊");
    qint64 coins = 80;
    qint64 xp = 0;
    qint64 streak = 1;
    std::optional<QDateTime> lastPlayDate;
    std::optional<QString> lastChestDay;
    QSet<QString> unlockedDecorations{QStringLiteral("cloudRug")};

    friend bool operator==(const PlayerProfile &, const PlayerProfile &) = default;

    // JSON object with the field names as keys; the two optional fields are left out
    // when absent. Dates are seconds since 2001-01-01 00:00 UTC.
    QByteArray toJson() const;
    // Strict: every key but "lastPlayDate" and "lastChestDay" (which may be missing or
    // null) is required with its type; other keys are ignored.
    static std::optional<PlayerProfile> fromJson(const QByteArray &json);
};

// One finished play, as saved in the list under "pipwhistle.records.v1".
struct ActivityRecord
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QDateTime date MEMBER date CONSTANT)
    Q_PROPERTY(QString gameID MEMBER gameID CONSTANT)
    Q_PROPERTY(QString gameTitle MEMBER gameTitle CONSTANT)
    Q_PROPERTY(qint64 score MEMBER score CONSTANT)
    Q_PROPERTY(qint64 stars MEMBER stars CONSTANT)
    Q_PROPERTY(qint64 seconds MEMBER seconds CONSTANT)
    Q_PROPERTY(QStringList skills MEMBER skills CONSTANT)

public:
    QUuid id;
    QDateTime date;
    QString gameID;
    QString gameTitle;
    qint64 score = 0;
    qint64 stars = 1;
    qint64 seconds = 1;
    QStringList skills;

    friend bool operator==(const ActivityRecord &, const ActivityRecord &) = default;

    // A JSON array of objects with the eight field names as keys; the identifier is
    // the upper-case hyphenated UUID text.
    static QByteArray listToJson(const QList<ActivityRecord> &records);
    // Strict: all eight keys required with their types in every element.
    static std::optional<QList<ActivityRecord>> listFromJson(const QByteArray &json);
};

// What one report earns once recorded: the score within 0 to 100, the stars within
// 1 to 3 and five coins a star.
struct CreditedPlay
{
    qint64 score = 0;
    qint64 stars = 1;
    qint64 coins = 5;
};

// The player's persisted progress. Loads everything from the given settings store when
// created; finish() is the only thing that changes it, and saves it back.
class ProgressStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PlayerProfile profile READ profile NOTIFY profileChanged)
    Q_PROPERTY(QList<ActivityRecord> records READ records NOTIFY recordsChanged)
    Q_PROPERTY(double dailyLimit READ dailyLimit NOTIFY dailyLimitChanged)
    Q_PROPERTY(bool soundEnabled READ soundEnabled NOTIFY soundEnabledChanged)

public:
    static constexpr int maxRecords = 300;
    static inline const QString profileKey = QStringLiteral("pipwhistle.profile.v1");
    static inline const QString recordsKey = QStringLiteral("pipwhistle.records.v1");
    static inline const QString dailyLimitKey = QStringLiteral("pipwhistle.dailyLimit.v1");
    static inline const QString soundEnabledKey = QStringLiteral("pipwhistle.soundEnabled.v1");

    explicit ProgressStore(SettingsStore &defaults, QObject *parent = nullptr);

    const PlayerProfile &profile() const { return m_profile; }
    // Newest first.
    const QList<ActivityRecord> &records() const { return m_records; }
    // Minutes, 10 to 40; 25 unless the store holds a number.
    double dailyLimit() const { return m_dailyLimit; }
    bool soundEnabled() const { return m_soundEnabled; }

    // Records a finished play: clamps score to 0..100 and stars to 1..3, updates the
    // day streak, pays 5 coins and 20 experience points per star, puts the new record
    // first, keeps the newest 300 and saves profile and history.
    void finish(const GameDefinition &game, qint64 score, qint64 stars, qint64 seconds);
    // The score, stars and coins that finish() records for a report.
    static CreditedPlay credit(qint64 score, qint64 stars);

signals:
    void profileChanged();
    void recordsChanged();
    void dailyLimitChanged();
    void soundEnabledChanged();

private:
    void updateStreak();
    void save();

    SettingsStore &m_defaults;
    PlayerProfile m_profile;
    QList<ActivityRecord> m_records;
    double m_dailyLimit = 25;
    bool m_soundEnabled = true;
    bool m_keepCopyBeforeSave = false;
};

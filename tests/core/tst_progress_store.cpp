#include "Clock.h"
#include "GameCatalog.h"
#include "ProgressStore.h"
#include "SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(9, 0), QTimeZone::utc());

GameDefinition maze()
{
    return GameCatalog::fallback().at(7);
}

QDateTime fromReference(qint64 ms)
{
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).addMSecs(ms);
}

QJsonObject validRecord()
{
    return QJsonObject{{"id", "0c2f7a4e-9b1d-4e8a-a1f3-5d6c7b8a9e01"},
                       {"date", 794089800.25},
                       {"gameID", "maze"},
                       {"gameTitle", "森林冒险迷宫"},
                       {"score", 92},
                       {"stars", 3},
                       {"seconds", 41},
                       {"skills", QJsonArray{"logic"}}};
}

QByteArray recordsWith(const QJsonObject &record)
{
    return QJsonDocument(QJsonArray{validRecord(), record}).toJson(QJsonDocument::Compact);
}

// A store whose program is ended right after its first write: nothing written later
// reaches the disk.
class EndedAfterFirstWrite final : public SettingsStore
{
public:
    bool contains(const QString &key) const override { return m_kept.contains(key); }
    QVariant value(const QString &key) const override { return m_kept.value(key); }
    void setValue(const QString &key, const QVariant &value) override
    {
        if (m_writes++ == 0)
            m_kept.setValue(key, value);
    }
    void setValues(const QList<std::pair<QString, QVariant>> &values) override
    {
        if (m_writes++ == 0)
            m_kept.setValues(values);
    }
    void remove(const QString &key) override
    {
        if (m_writes++ == 0)
            m_kept.remove(key);
    }
    QString keepCopy() override { return {}; }

private:
    MemorySettingsStore m_kept;
    int m_writes = 0;
};

} // namespace

class TestProgressStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstPlayEver();
    void clampsTheReport();
    void streakCountsCalendarDays();
    void streakFollowsTheClockTimeZone();
    void keepsTheNewest300();
    void savedFormatReadsBack();
    void aPlayIsSavedWhole();
    void readsAHandWrittenSave();
    void brokenValuesFallBackIndependently();
    void undecodableProgressIsKeptBeforeTheNextSave();
    void undecodableProgressFileIsKeptOnDisk();
    void rejectsMalformedRecords_data();
    void rejectsMalformedRecords();
    void rejectsMalformedProfiles_data();
    void rejectsMalformedProfiles();
    void rejectsEveryTruncation();
    void dailyLimitAndSound();
    void countersDoNotWrapAround();

private:
    MemorySettingsStore m_store;
    ManualClock *m_clock = nullptr;
};

void TestProgressStore::init()
{
    m_store.clear();
    m_clock = new ManualClock(kStart);
    Clock::setCurrent(m_clock);
}

void TestProgressStore::cleanup()
{
    Clock::setCurrent(nullptr);
    delete m_clock;
    m_clock = nullptr;
}

void TestProgressStore::firstPlayEver()
{
    ProgressStore store(m_store);
    const PlayerProfile fresh;
    QCOMPARE(store.profile(), fresh);
    QCOMPARE(fresh.petEmoji, QString::fromUtf8("\U0001F98A"));
    QCOMPARE(fresh.unlockedDecorations, QSet<QString>{"cloudRug"});
    QVERIFY(store.records().isEmpty());
    QVERIFY(!m_store.contains(ProgressStore::profileKey)); // loading writes nothing

    QSignalSpy profileSpy(&store, &ProgressStore::profileChanged);
    QSignalSpy recordsSpy(&store, &ProgressStore::recordsChanged);
    GameDefinition game = maze();
    store.finish(game, 84, 2, 37);
    game.title = "renamed later"; // the record keeps the title of the play
    game.skills = {"other"};

    QCOMPARE(profileSpy.count(), 1);
    QCOMPARE(recordsSpy.count(), 1);
    QCOMPARE(store.profile().streak, 1);
    QCOMPARE(store.profile().lastPlayDate, kStart);
    QCOMPARE(store.profile().coins, 80 + 5 * 2);
    QCOMPARE(store.profile().xp, 20 * 2);
    QCOMPARE(store.records().size(), 1);
    const ActivityRecord &record = store.records().first();
    QVERIFY(!record.id.isNull());
    QCOMPARE(record.date, kStart);
    QCOMPARE(record.gameID, QStringLiteral("maze"));
    QCOMPARE(record.gameTitle, QStringLiteral("森林冒险迷宫"));
    QCOMPARE(record.score, 84);
    QCOMPARE(record.stars, 2);
    QCOMPARE(record.seconds, 37);
    QCOMPARE(record.skills, (QStringList{"logic", "observation", "coordination"}));
    QVERIFY(m_store.data(ProgressStore::profileKey));
    QVERIFY(m_store.data(ProgressStore::recordsKey));
}

void TestProgressStore::clampsTheReport()
{
    ProgressStore store(m_store);
    store.finish(maze(), 150, 0, 0);
    QCOMPARE(store.records().first().score, 100);
    QCOMPARE(store.records().first().stars, 1);
    QCOMPARE(store.records().first().seconds, 1);
    QCOMPARE(store.profile().coins, 85);
    QCOMPARE(store.profile().xp, 20);

    store.finish(maze(), -5, 7, -30);
    QCOMPARE(store.records().first().score, 0);
    QCOMPARE(store.records().first().stars, 3);
    QCOMPARE(store.records().first().seconds, 1);
    QCOMPARE(store.profile().coins, 85 + 15);
    QCOMPARE(store.profile().xp, 20 + 60);
    QVERIFY(store.records().at(0).id != store.records().at(1).id);
}

void TestProgressStore::streakCountsCalendarDays()
{
    ProgressStore store(m_store);
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 1);

    m_clock->setNow(kStart.addSecs(5 * 3600)); // later the same day
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 1);

    // 23:59 one day, 00:01 the next: one day on.
    m_clock->setNow(QDateTime(QDate(2026, 3, 2), QTime(23, 59), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    m_clock->setNow(QDateTime(QDate(2026, 3, 3), QTime(0, 1), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 2);
    store.finish(maze(), 90, 3, 10); // twice on one day counts once
    QCOMPARE(store.profile().streak, 2);

    m_clock->setNow(QDateTime(QDate(2026, 3, 4), QTime(18, 0), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 3);

    // A day without play starts again at 1.
    m_clock->setNow(QDateTime(QDate(2026, 3, 6), QTime(8, 0), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 1);

    m_clock->setNow(QDateTime(QDate(2026, 3, 7), QTime(8, 0), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 2);

    // The clock moved back: the last play lies in the future, so the streak resets,
    // and the last play date follows the clock back.
    const QDateTime back(QDate(2026, 3, 1), QTime(12, 0), QTimeZone::utc());
    m_clock->setNow(back);
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 1);
    QCOMPARE(store.profile().lastPlayDate, back);
}

void TestProgressStore::streakFollowsTheClockTimeZone()
{
    // In Shanghai (UTC+8) 2026-03-01 16:30 UTC is already 03-02 00:30, and 03-02 15:00
    // UTC is still 03-02 (23:00): the same calendar day, although in UTC it is the next.
    const QTimeZone shanghai("Asia/Shanghai");
    QVERIFY(shanghai.isValid());
    ManualClock clock(QDateTime(QDate(2026, 3, 1), QTime(16, 30), QTimeZone::utc()), shanghai);
    Clock::setCurrent(&clock);
    ProgressStore store(m_store);
    store.finish(maze(), 90, 3, 10);
    clock.setNow(QDateTime(QDate(2026, 3, 2), QTime(15, 0), QTimeZone::utc()));
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 1);
    clock.setNow(QDateTime(QDate(2026, 3, 2), QTime(16, 5), QTimeZone::utc())); // 03-03 00:05 local
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().streak, 2);
    Clock::setCurrent(m_clock);
}

void TestProgressStore::keepsTheNewest300()
{
    ProgressStore store(m_store);
    for (int i = 0; i < 300; ++i) {
        m_clock->setNow(kStart.addSecs(i));
        store.finish(maze(), i % 101, 1, i + 1);
    }
    QCOMPARE(store.records().size(), 300);
    QCOMPARE(store.records().last().seconds, 1);
    m_clock->setNow(kStart.addSecs(300));
    store.finish(maze(), 50, 2, 301);
    QCOMPARE(store.records().size(), 300);
    QCOMPARE(store.records().first().seconds, 301); // the newest first
    QCOMPARE(store.records().last().seconds, 2);    // the oldest gone

    // An older save with more than 300 records is kept whole until the next play.
    QList<ActivityRecord> many = store.records();
    many += store.records().mid(0, 50);
    m_store.setData(ProgressStore::recordsKey, ActivityRecord::listToJson(many));
    ProgressStore reloaded(m_store);
    QCOMPARE(reloaded.records().size(), 350);
    QCOMPARE(reloaded.records(), many);
    reloaded.finish(maze(), 50, 2, 999);
    QCOMPARE(reloaded.records().size(), 300);
    QCOMPARE(reloaded.records().first().seconds, 999);
    QCOMPARE(ActivityRecord::listFromJson(*m_store.data(ProgressStore::recordsKey))->size(), 300);
}

void TestProgressStore::savedFormatReadsBack()
{
    PlayerProfile profile;
    profile.lastChestDay = "2026-03-01";
    profile.unlockedDecorations = {"cloudRug", "starLamp", "moonRug"};
    m_store.setData(ProgressStore::profileKey, profile.toJson());
    ProgressStore store(m_store);
    QCOMPARE(store.profile(), profile);
    m_clock->setNow(kStart.addMSecs(123)); // a fraction of a second survives the round trip
    store.finish(maze(), 76, 2, 12);
    store.finish(GameCatalog::fallback().at(0), 100, 3, 80);

    ProgressStore reloaded(m_store);
    QCOMPARE(reloaded.profile(), store.profile());
    QCOMPARE(reloaded.records(), store.records());
    QCOMPARE(reloaded.profile().lastChestDay, std::optional<QString>("2026-03-01"));

    // The saved documents: field names as keys, dates in seconds since 2001 with the
    // fraction, identifiers as upper-case hyphenated UUID text.
    const QJsonObject saved = QJsonDocument::fromJson(*m_store.data(ProgressStore::profileKey)).object();
    const QStringList keys = saved.keys();
    QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()),
             (QSet<QString>{"name", "petName", "petEmoji", "coins", "xp", "streak", "lastPlayDate", "lastChestDay",
                            "unlockedDecorations"}));
    QCOMPARE(saved.value("lastPlayDate").toDouble(), 794134800.123);
    const QJsonArray records = QJsonDocument::fromJson(*m_store.data(ProgressStore::recordsKey)).array();
    QCOMPARE(records.size(), 2);
    const QJsonObject first = records.at(1).toObject();
    QCOMPARE(first.size(), 8);
    QCOMPARE(first.value("date").toDouble(), 794134800.123);
    const QString id = first.value("id").toString();
    QVERIFY(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$").match(id).hasMatch());
    QCOMPARE(first.value("gameID").toString(), QStringLiteral("maze"));

    // Absent optional fields are left out.
    const QJsonObject plain = QJsonDocument::fromJson(PlayerProfile().toJson()).object();
    QVERIFY(!plain.contains("lastPlayDate"));
    QVERIFY(!plain.contains("lastChestDay"));
}

// The program ended as a play is saved: the next start finds the play's coins with its
// record, or neither.
void TestProgressStore::aPlayIsSavedWhole()
{
    EndedAfterFirstWrite disk;
    ProgressStore(disk).finish(maze(), 84, 2, 37);
    const ProgressStore restarted(disk);
    QCOMPARE(restarted.records().size(), 1);
    QCOMPARE(restarted.profile().coins, 80 + 5 * 2);
    QCOMPARE(restarted.records().first().stars, 2);
}

void TestProgressStore::readsAHandWrittenSave()
{
    // As the original platform's JSON coder writes them: compact, slashes escaped,
    // upper-case identifiers, dates with a fraction.
    m_store.setData(ProgressStore::profileKey,
                    QByteArray(R"({"name":"小小探险家","petName":"小铃","petEmoji":"🦊","coins":95,"xp":60,)"
                               R"("streak":3,"lastPlayDate":794089800.25,"unlockedDecorations":["cloudRug"]})"));
    m_store.setData(ProgressStore::recordsKey,
                    QByteArray(R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","date":794089800.25,)"
                               R"("gameID":"maze","gameTitle":"森林\/迷宫","score":100,"stars":3,"seconds":41,)"
                               R"("skills":["logic","observation"]},)"
                               "\n  { \"skills\" : [ ], \"seconds\" : 1, \"stars\" : 1, \"score\" : 60,"
                               " \"gameTitle\" : \"x\", \"gameID\" : \"pattern\", \"date\" : 794000000,"
                               " \"id\" : \"e621e1f8-c36c-495a-93fc-0c247a3e6e60\", \"note\" : null } ]"));
    ProgressStore store(m_store);
    QCOMPARE(store.profile().coins, 95);
    QCOMPARE(store.profile().streak, 3);
    QCOMPARE(store.profile().lastPlayDate, fromReference(794089800250));
    QVERIFY(!store.profile().lastChestDay);
    QCOMPARE(store.records().size(), 2);
    QCOMPARE(store.records().at(0).id, QUuid("{e621e1f8-c36c-495a-93fc-0c247a3e6e5f}"));
    QCOMPARE(store.records().at(0).gameTitle, QStringLiteral("森林/迷宫"));
    QCOMPARE(store.records().at(0).date, QDateTime(QDate(2026, 3, 1), QTime(20, 30, 0, 250), QTimeZone::utc()));
    QCOMPARE(store.records().at(1).id, QUuid("{e621e1f8-c36c-495a-93fc-0c247a3e6e60}"));
    QVERIFY(store.records().at(1).skills.isEmpty());

    // The last play was yesterday (clock: 2026-03-02 09:00 UTC): the streak grows.
    store.finish(maze(), 90, 3, 30);
    QCOMPARE(store.profile().streak, 4);
    QCOMPARE(store.records().size(), 3);
    QCOMPARE(store.records().at(1).gameID, QStringLiteral("maze"));
    const QByteArray saved = *m_store.data(ProgressStore::recordsKey);
    QVERIFY(saved.contains("\"E621E1F8-C36C-495A-93FC-0C247A3E6E60\"")); // written back upper-case
}

void TestProgressStore::brokenValuesFallBackIndependently()
{
    // A profile lacking "coins" is unusable; the history still loads.
    QJsonObject profile = QJsonDocument::fromJson(PlayerProfile().toJson()).object();
    profile.remove("coins");
    m_store.setData(ProgressStore::profileKey, QJsonDocument(profile).toJson());
    m_store.setData(ProgressStore::recordsKey, QJsonDocument(QJsonArray{validRecord()}).toJson());
    {
        ProgressStore store(m_store);
        QCOMPARE(store.profile(), PlayerProfile());
        QCOMPARE(store.records().size(), 1);
    }
    // A broken history leaves a good profile alone.
    PlayerProfile rich;
    rich.coins = 500;
    m_store.setData(ProgressStore::profileKey, rich.toJson());
    m_store.setData(ProgressStore::recordsKey, "[{]");
    {
        ProgressStore store(m_store);
        QCOMPARE(store.profile().coins, 500);
        QVERIFY(store.records().isEmpty());
    }
    // Values that are not binary data are not read as JSON.
    m_store.setString(ProgressStore::profileKey, QString::fromUtf8(rich.toJson()));
    m_store.setInteger(ProgressStore::recordsKey, 3);
    ProgressStore store(m_store);
    QCOMPARE(store.profile(), PlayerProfile());
    QVERIFY(store.records().isEmpty());
}

// Saved progress that is there but cannot be read is copied away, once, before the next
// save replaces it; progress that reads (or is simply absent) is never copied.
void TestProgressStore::undecodableProgressIsKeptBeforeTheNextSave()
{
    const QByteArray brokenHistory = "[{\"id\": 1}]";
    m_store.setData(ProgressStore::recordsKey, brokenHistory);
    m_store.setData(ProgressStore::profileKey, PlayerProfile().toJson());
    {
        ProgressStore store(m_store);
        QVERIFY(m_store.copies().isEmpty()); // loading writes nothing
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("saved progress could not be read.*copy 1 in memory"));
        store.finish(maze(), 90, 3, 30);
        QCOMPARE(m_store.copies().size(), 1);
        QCOMPARE(m_store.copies().first().value(ProgressStore::recordsKey).toByteArray(), brokenHistory);
        store.finish(maze(), 90, 3, 30);
        QCOMPARE(m_store.copies().size(), 1);
    }
    // Now readable: no more copies.
    ProgressStore reread(m_store);
    QCOMPARE(reread.records().size(), 2);
    reread.finish(maze(), 90, 3, 30);
    QCOMPARE(m_store.copies().size(), 1);

    // A first run (nothing saved) and a profile that is not binary data.
    m_store.clear();
    ProgressStore(m_store).finish(maze(), 90, 3, 30);
    QVERIFY(m_store.copies().isEmpty());
    m_store.setString(ProgressStore::profileKey, QStringLiteral("{}"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("saved progress could not be read"));
    ProgressStore(m_store).finish(maze(), 90, 3, 30);
    QCOMPARE(m_store.copies().size(), 1);
    QCOMPARE(m_store.copies().first().value(ProgressStore::profileKey).toString(), QStringLiteral("{}"));
}

// On disk: the file with the unreadable profile is still there, byte for byte, beside
// the new one, named with the time of the save.
void TestProgressStore::undecodableProgressFileIsKeptOnDisk()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.bin");
    QJsonObject profile = QJsonDocument::fromJson(PlayerProfile().toJson()).object();
    profile.insert("coins", "lots"); // a newer or damaged save
    {
        PersistentSettingsStore disk(file);
        disk.setData(ProgressStore::profileKey, QJsonDocument(profile).toJson());
        disk.setString(QStringLiteral("pipwhistle.parentTimePIN.v1"), QStringLiteral("2468"));
    }
    QFile original(file);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    m_clock->setNow(QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7), m_clock->timeZone()));
    {
        PersistentSettingsStore disk(file);
        ProgressStore store(disk);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept the unreadable values"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("saved progress could not be read.*undecodable-20260302-090507"));
        store.finish(maze(), 80, 2, 12);
    }
    QFile kept(file + ".undecodable-20260302-090507");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    PersistentSettingsStore disk(file);
    QCOMPARE(PlayerProfile::fromJson(*disk.data(ProgressStore::profileKey))->coins, 80 + 10);
    QCOMPARE(*disk.string(QStringLiteral("pipwhistle.parentTimePIN.v1")), QStringLiteral("2468"));
}

void TestProgressStore::rejectsMalformedRecords_data()
{
    QTest::addColumn<QByteArray>("json");
    for (const QString &key : validRecord().keys()) {
        QJsonObject missing = validRecord();
        missing.remove(key);
        QTest::newRow(qPrintable("missing " + key)) << recordsWith(missing);
        QJsonObject null = validRecord();
        null.insert(key, QJsonValue::Null);
        QTest::newRow(qPrintable("null " + key)) << recordsWith(null);
    }
    auto with = [](const QString &key, const QJsonValue &value) {
        QJsonObject record = validRecord();
        record.insert(key, value);
        return recordsWith(record);
    };
    QTest::newRow("id not a UUID") << with("id", "not-a-uuid");
    QTest::newRow("id without hyphens") << with("id", "0c2f7a4e9b1d4e8aa1f35d6c7b8a9e01");
    QTest::newRow("id in braces") << with("id", "{0c2f7a4e-9b1d-4e8a-a1f3-5d6c7b8a9e01}");
    QTest::newRow("id with a non-hex digit") << with("id", "0c2f7a4e-9b1d-4e8a-a1f3-5d6c7b8a9e0g");
    QTest::newRow("id as number") << with("id", 12);
    QTest::newRow("date as text") << with("date", "2026-03-01");
    QTest::newRow("date beyond any calendar") << with("date", 1e300);
    QTest::newRow("fractional score") << with("score", 92.5);
    QTest::newRow("stars as text") << with("stars", "3");
    QTest::newRow("seconds as Boolean") << with("seconds", true);
    QTest::newRow("skills holding a number") << with("skills", QJsonArray{1});
    QTest::newRow("gameID as array") << with("gameID", QJsonArray{"maze"});
    QTest::newRow("element not an object") << QByteArray("[1]");
    QTest::newRow("object instead of array") << QJsonDocument(validRecord()).toJson();
    QTest::newRow("empty data") << QByteArray();
}

void TestProgressStore::rejectsMalformedRecords()
{
    QFETCH(QByteArray, json);
    QVERIFY(!ActivityRecord::listFromJson(json));
    m_store.setData(ProgressStore::recordsKey, json);
    QVERIFY(ProgressStore(m_store).records().isEmpty());
}

void TestProgressStore::rejectsMalformedProfiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QJsonObject valid = QJsonDocument::fromJson(PlayerProfile().toJson()).object();
    valid.insert("lastPlayDate", 794089800.5);
    for (const char *key : {"name", "petName", "petEmoji", "coins", "xp", "streak", "unlockedDecorations"}) {
        QJsonObject missing = valid;
        missing.remove(key);
        QTest::newRow(qPrintable(QString("missing ") + key)) << QJsonDocument(missing).toJson();
        QJsonObject null = valid;
        null.insert(key, QJsonValue::Null);
        QTest::newRow(qPrintable(QString("null ") + key)) << QJsonDocument(null).toJson();
    }
    auto with = [&](const QString &key, const QJsonValue &value) {
        QJsonObject profile = valid;
        profile.insert(key, value);
        return QJsonDocument(profile).toJson();
    };
    QTest::newRow("last play date as text") << with("lastPlayDate", "yesterday");
    QTest::newRow("last chest day as number") << with("lastChestDay", 3);
    QTest::newRow("fractional coins") << with("coins", 80.5);
    QTest::newRow("coins beyond 64 bits") << with("coins", 1e19);
    QTest::newRow("decorations as one string") << with("unlockedDecorations", "cloudRug");
    QTest::newRow("array instead of object") << QByteArray("[]");
}

void TestProgressStore::rejectsMalformedProfiles()
{
    QFETCH(QByteArray, json);
    QVERIFY(!PlayerProfile::fromJson(json));
}

void TestProgressStore::rejectsEveryTruncation()
{
    PlayerProfile profile;
    profile.lastPlayDate = kStart;
    profile.lastChestDay = "2026-03-01";
    const QByteArray profileJson = profile.toJson();
    const QByteArray recordsJson = recordsWith(validRecord());
    QVERIFY(PlayerProfile::fromJson(profileJson));
    QVERIFY(ActivityRecord::listFromJson(recordsJson));
    for (int length = 0; length < profileJson.size(); ++length)
        QVERIFY2(!PlayerProfile::fromJson(profileJson.left(length)), qPrintable(QString::number(length)));
    for (int length = 0; length < recordsJson.size(); ++length)
        QVERIFY2(!ActivityRecord::listFromJson(recordsJson.left(length)), qPrintable(QString::number(length)));

    // Null optional fields read as absent.
    QJsonObject nulls = QJsonDocument::fromJson(profileJson).object();
    nulls.insert("lastPlayDate", QJsonValue::Null);
    nulls.insert("lastChestDay", QJsonValue::Null);
    const auto read = PlayerProfile::fromJson(QJsonDocument(nulls).toJson());
    QVERIFY(read);
    QVERIFY(!read->lastPlayDate);
    QVERIFY(!read->lastChestDay);
}

void TestProgressStore::dailyLimitAndSound()
{
    QCOMPARE(ProgressStore(m_store).dailyLimit(), 25.0);
    QVERIFY(ProgressStore(m_store).soundEnabled());

    const QList<std::pair<QVariant, double>> limits{
        {5, 10.0}, {90, 40.0}, {25.5, 25.5}, {10, 10.0}, {40, 40.0}, {QStringLiteral("30"), 25.0},
        {QStringLiteral("text"), 25.0}, {QByteArray("30"), 25.0}, {qint64(-7), 10.0}, {qQNaN(), 25.0}};
    for (const auto &[stored, expected] : limits) {
        m_store.setValue(ProgressStore::dailyLimitKey, stored);
        QCOMPARE(ProgressStore(m_store).dailyLimit(), expected);
    }

    m_store.setBoolean(ProgressStore::soundEnabledKey, false);
    QVERIFY(!ProgressStore(m_store).soundEnabled());
    m_store.setString(ProgressStore::soundEnabledKey, "no");
    QVERIFY(!ProgressStore(m_store).soundEnabled());
    m_store.setInteger(ProgressStore::soundEnabledKey, 1);
    QVERIFY(ProgressStore(m_store).soundEnabled());

    // Nothing writes them back.
    ProgressStore store(m_store);
    store.finish(maze(), 80, 2, 20);
    QCOMPARE(m_store.value(ProgressStore::soundEnabledKey), QVariant::fromValue(qint64(1)));
    QCOMPARE(m_store.value(ProgressStore::dailyLimitKey).toDouble(), qQNaN());
}

void TestProgressStore::countersDoNotWrapAround()
{
    const qint64 max = std::numeric_limits<qint64>::max();
    m_store.setData(ProgressStore::profileKey,
                    QByteArray(R"({"name":"a","petName":"b","petEmoji":"c","coins":9223372036854775807,)"
                               R"("xp":9223372036854775800,"streak":9223372036854775807,)"
                               R"("lastPlayDate":794089800,"unlockedDecorations":[]})"));
    ProgressStore store(m_store);
    QCOMPARE(store.profile().coins, max);
    store.finish(maze(), 90, 3, 10);
    QCOMPARE(store.profile().coins, max);
    QCOMPARE(store.profile().xp, max);
    QCOMPARE(store.profile().streak, max);
    QCOMPARE(ProgressStore(m_store).profile().coins, max); // saved and read back exactly
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "tst_progress_store.moc"

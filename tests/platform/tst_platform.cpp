#include "Clock.h"
#include "Random.h"
#include "SettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void typedReadings();
    void persistentStoreKeepsTypesAcrossRestart();
    void standardStoreCanBeReplaced();
    void manualClockRunsWaitsInOrder();
    void waitsDieWithTheirContext();
    void repeatingWaitsAndCancel();
    void calendarDaysFollowTheClockZone();
    void systemClockFiresAndCancels();
    void randomIsReproducibleAndUniformEnough();
};

void TestPlatform::typedReadings()
{
    MemorySettingsStore s;
    QCOMPARE(s.integer("absent"), 0);
    QCOMPARE(s.boolean("absent"), false);
    QVERIFY(!s.string("absent"));
    QVERIFY(!s.data("absent"));
    QVERIFY(!s.isNumber("absent"));

    s.setValue("text", QStringLiteral("hello"));
    QCOMPARE(s.integer("text"), 0);   // text that is not a number reads 0
    QCOMPARE(s.real("text"), 0.0);
    QVERIFY(!s.isNumber("text"));
    QCOMPARE(*s.string("text"), QStringLiteral("hello"));
    QVERIFY(!s.data("text"));

    s.setValue("numtext", QStringLiteral(" 42 "));
    QCOMPARE(s.integer("numtext"), 42);
    QVERIFY(!s.isNumber("numtext")); // a text is never a number, even when it reads as one
    QVERIFY(s.boolean("numtext"));

    s.setReal("real", 25.9);
    QCOMPARE(s.integer("real"), 25); // truncated toward zero
    QCOMPARE(s.real("real"), 25.9);
    QVERIFY(s.isNumber("real"));
    QCOMPARE(*s.string("real"), QStringLiteral("25.9"));
    s.setReal("negative", -3.7);
    QCOMPARE(s.integer("negative"), -3);

    s.setBoolean("flag", false);
    QVERIFY(s.contains("flag"));
    QVERIFY(!s.boolean("flag"));
    QVERIFY(s.isNumber("flag"));
    QCOMPARE(s.integer("flag"), 0);
    QVERIFY(!s.string("flag"));
    s.setValue("yes", QStringLiteral("YES"));
    QVERIFY(s.boolean("yes"));

    s.setData("bytes", QByteArray("{}"));
    QCOMPARE(*s.data("bytes"), QByteArray("{}"));
    QCOMPARE(s.integer("bytes"), 0);

    s.remove("bytes");
    QVERIFY(!s.contains("bytes"));
}

void TestPlatform::persistentStoreKeepsTypesAcrossRestart()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.bin");
    {
        PersistentSettingsStore s(file);
        s.setInteger("pipwhistle.lastLevel.v1.maze", 3);
        s.setReal("pipwhistle.dailyLimit.v1", 25.5);
        s.setBoolean("pipwhistle.soundEnabled.v1", false);
        s.setString("pipwhistle.parentTimePIN.v1", QStringLiteral("0042"));
        s.setData("pipwhistle.profile.v1", QByteArray("{\"name\":\"小小探险家\"}"));
        s.setString("pipwhistle.wardrobe.pet", QStringLiteral("🐰"));
    }
    PersistentSettingsStore s(file);
    QCOMPARE(s.integer("pipwhistle.lastLevel.v1.maze"), 3);
    QVERIFY(s.isNumber("pipwhistle.dailyLimit.v1"));
    QCOMPARE(s.real("pipwhistle.dailyLimit.v1"), 25.5);
    QVERIFY(s.contains("pipwhistle.soundEnabled.v1"));
    QVERIFY(!s.boolean("pipwhistle.soundEnabled.v1"));
    // A PIN with a leading zero stays text: it is not turned into the number 42.
    QVERIFY(!s.isNumber("pipwhistle.parentTimePIN.v1"));
    QCOMPARE(*s.string("pipwhistle.parentTimePIN.v1"), QStringLiteral("0042"));
    QCOMPARE(*s.data("pipwhistle.profile.v1"), QByteArray("{\"name\":\"小小探险家\"}"));
    QCOMPARE(*s.string("pipwhistle.wardrobe.pet"), QStringLiteral("🐰"));
}

void TestPlatform::standardStoreCanBeReplaced()
{
    MemorySettingsStore memory;
    SettingsStore::setStandard(&memory);
    SettingsStore::standard().setInteger("k", 7);
    QCOMPARE(memory.integer("k"), 7);
    SettingsStore::setStandard(nullptr);
}

void TestPlatform::manualClockRunsWaitsInOrder()
{
    ManualClock clock;
    QStringList log;
    clock.after(300, nullptr, [&] { log << "c"; });
    clock.after(100, nullptr, [&] {
        log << "a";
        // A wait scheduled from a callback counts from the moment it was scheduled.
        clock.after(150, nullptr, [&] { log << QString("b@%1").arg(clock.elapsedMs()); });
    });
    clock.after(300, nullptr, [&] { log << "d"; }); // same due time: scheduling order
    clock.advance(99);
    QVERIFY(log.isEmpty());
    clock.advance(1);
    QCOMPARE(log, QStringList{"a"});
    clock.advance(1000);
    QCOMPARE(log, (QStringList{"a", "b@250", "c", "d"}));
    QCOMPARE(clock.elapsedMs(), 1100);
    QCOMPARE(clock.pendingCount(), 0);
}

void TestPlatform::waitsDieWithTheirContext()
{
    ManualClock clock;
    int ran = 0;
    auto *page = new QObject;
    clock.after(500, page, [&] { ++ran; });
    clock.every(100, page, [&] { ++ran; });
    delete page;
    clock.advance(2000);
    QCOMPARE(ran, 0);

    SystemClock system;
    auto *other = new QObject;
    const auto id = system.after(0, other, [&] { ++ran; });
    delete other;
    QVERIFY(!system.isPending(id));
    QTest::qWait(20);
    QCOMPARE(ran, 0);
}

void TestPlatform::repeatingWaitsAndCancel()
{
    ManualClock clock;
    int ticks = 0;
    const auto id = clock.every(1000, nullptr, [&] { ++ticks; });
    clock.advance(3500);
    QCOMPARE(ticks, 3);
    clock.cancel(id);
    QVERIFY(!clock.isPending(id));
    clock.advance(5000);
    QCOMPARE(ticks, 3);
    QCOMPARE(clock.runUntilIdle(), 0);
}

void TestPlatform::calendarDaysFollowTheClockZone()
{
    const QTimeZone shanghai("Asia/Shanghai");
    ManualClock clock(QDateTime(QDate(2026, 3, 2), QTime(23, 30), shanghai), shanghai);
    QCOMPARE(clock.today(), QDate(2026, 3, 2));
    clock.advance(31 * 60 * 1000);
    QCOMPARE(clock.today(), QDate(2026, 3, 3));
    // 2026-03-02 16:00 UTC is already the 3rd in Shanghai.
    QCOMPARE(clock.dateOf(QDateTime(QDate(2026, 3, 2), QTime(16, 0), QTimeZone::utc())), QDate(2026, 3, 3));
    clock.setNow(QDateTime(QDate(2025, 1, 1), QTime(8, 0), shanghai));
    QCOMPARE(clock.today(), QDate(2025, 1, 1));
}

void TestPlatform::systemClockFiresAndCancels()
{
    SystemClock clock;
    int once = 0, cancelled = 0;
    clock.after(5, nullptr, [&] { ++once; });
    const auto id = clock.after(5, nullptr, [&] { ++cancelled; });
    clock.cancel(id);
    QTRY_COMPARE(once, 1);
    QTest::qWait(20);
    QCOMPARE(cancelled, 0);
}

void TestPlatform::randomIsReproducibleAndUniformEnough()
{
    Random &r = Random::shared();
    r.seed(7);
    QList<int> first{0, 1, 2, 3, 4, 5, 6, 7};
    r.shuffle(first);
    r.seed(7);
    QList<int> second{0, 1, 2, 3, 4, 5, 6, 7};
    r.shuffle(second);
    QCOMPARE(first, second);
    auto sorted = first;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));

    QCOMPARE(r.below(0), 0);
    QCOMPARE(r.below(1), 0);
    // Every position of a three-element shuffle is reached by every element.
    int counts[3][3] = {};
    for (int i = 0; i < 3000; ++i) {
        QList<int> v{0, 1, 2};
        r.shuffle(v);
        for (int p = 0; p < 3; ++p)
            ++counts[v[p]][p];
    }
    for (auto &row : counts)
        for (int c : row)
            QVERIFY2(c > 800 && c < 1200, "shuffle is biased");
    for (int i = 0; i < 200; ++i) {
        const int v = r.between(3, 5);
        QVERIFY(v >= 3 && v <= 5);
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"

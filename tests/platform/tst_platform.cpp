#include "Clock.h"
#include "LoadedData.h"
#include "Patience.h"
#include "Random.h"
#include "SettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <functional>

#include <atomic>
#include <thread>

#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

// A disk that takes its time to confirm a write: the settings' saves end with
// fdatasync() (QSaveFile), which this program's own definition answers, after
// `slowDiskMs` and noting whether the interface thread waited for it.
namespace {
std::atomic<int> slowDiskMs{0};
std::atomic<bool> diskHeldTheTestThread{false};
std::thread::id testThread;
} // namespace

extern "C" int fdatasync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    if (const int ms = slowDiskMs.load()) {
        if (std::this_thread::get_id() == testThread)
            diskHeldTheTestThread = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    return real(fd);
}

namespace {
// Two megabytes of this program's read-only data, in a block of its own of the largest size
// the system maps a file's pages by: reading a neighbour never maps a page of it.
constexpr std::size_t readOnlyTableBytes = 2 << 20;
alignas(readOnlyTableBytes) constexpr std::array<quint64, readOnlyTableBytes / 8> readOnlyTable = [] {
    std::array<quint64, readOnlyTableBytes / 8> table{};
    quint64 *entry = table.data();
    for (quint64 i = 0; i < table.size(); ++i)
        entry[i] = i * 0x9E3779B97F4A7C15ull;
    return table;
}();
// Pointers the loader writes when it loads the program.
const char *const relocatedNames[] = {"sun", "moon"};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void typedReadings();
    void typedReadingsAtTheLimits();
    void persistentStoreKeepsTypesAcrossRestart();
    void persistentStoreSurvivesABrokenFile_data();
    void persistentStoreSurvivesABrokenFile();
    void persistentStoreSurvivesAnUnreadablePath();
    void saveCutShortLeavesNothingInTheWay();
    void writesNeverWaitForTheDisk();
    void craftedSettingsFilesReadAsAbsentQuickly_data();
    void craftedSettingsFilesReadAsAbsentQuickly();
    void standardStoreCanBeReplaced();
    void manualClockRunsWaitsInOrder();
    void waitsDieWithTheirContext();
    void repeatingWaitsAndCancel();
    void calendarDaysFollowTheClockZone();
    void systemClockFiresAndCancels();
    void heldWaitsStandStillAndRunOn();
    void systemClockHoldsWaits();
    void randomIsReproducibleAndUniformEnough();
    void loadedDataPagesGoAndComeBack();
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

void TestPlatform::typedReadingsAtTheLimits()
{
    MemorySettingsStore s;
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    // Whole numbers read back exactly, not through a double.
    s.setInteger("max", max);
    QCOMPARE(s.integer("max"), max);
    s.setInteger("min", min);
    QCOMPARE(s.integer("min"), min);
    s.setInteger("odd", (qint64(1) << 53) + 1);
    QCOMPARE(s.integer("odd"), (qint64(1) << 53) + 1);
    s.setValue("unsigned", QVariant::fromValue(std::numeric_limits<quint64>::max()));
    QCOMPARE(s.integer("unsigned"), max);

    // Doubles beyond the range stay at the limit; NaN reads as 0.
    s.setReal("huge", 1e300);
    QCOMPARE(s.integer("huge"), max);
    s.setReal("tiny", -1e300);
    QCOMPARE(s.integer("tiny"), min);
    s.setReal("inf", std::numeric_limits<double>::infinity());
    QCOMPARE(s.integer("inf"), max);
    s.setReal("nan", std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(s.integer("nan"), 0);
    QVERIFY(s.isNumber("nan"));

    // Texts that parse as non-finite doubles are not numbers.
    for (const char *text : {"nan", "NaN", " inf ", "-inf", "1e999"}) {
        s.setString("text", QString::fromLatin1(text));
        QCOMPARE(s.integer("text"), 0);
        QCOMPARE(s.real("text"), 0.0);
        QVERIFY(!s.boolean("text"));
    }
    s.setString("text", QStringLiteral("1e300"));
    QCOMPARE(s.integer("text"), max);
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

// A settings file that is not what the store wrote (cut short, overwritten, filled with
// noise) reads as an empty store: every value is absent, nothing crashes, and the next
// write makes the file usable again.
void TestPlatform::persistentStoreSurvivesABrokenFile_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray valid;
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("settings.bin");
        {
            PersistentSettingsStore s(file);
            s.setInteger("pipwhistle.lastLevel.v1.maze", 3);
            s.setData("pipwhistle.profile.v1", QByteArray(200, 'x'));
            s.setString("pipwhistle.parentTimePIN.v1", QStringLiteral("1234"));
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        valid = f.readAll();
    }
    QVERIFY(valid.size() > 40);
    for (const qsizetype cut : {qsizetype(1), qsizetype(4), valid.size() / 2, valid.size() - 1})
        QTest::addRow("cut to %lld bytes", qlonglong(cut)) << valid.left(cut);

    QByteArray noise(4096, '\0');
    quint32 x = 2463534242u;
    for (char &c : noise) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = char(x);
    }
    QTest::newRow("noise") << noise;
    QTest::newRow("text") << QByteArray("[General]\npipwhistle.lastLevel.v1.maze=3\n");
    // A map that claims four billion entries and then ends.
    QTest::newRow("huge count") << QByteArray("\xff\xff\xff\xf0", 4);
    // A value of a type no one registered.
    QByteArray unknown;
    {
        QDataStream out(&unknown, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << quint32(1) << QStringLiteral("pipwhistle.lastLevel.v1.maze") << quint32(0x7ffffff0) << quint8(0);
    }
    QTest::newRow("unknown type") << unknown;
    // A well-formed value of a type the store never writes.
    QByteArray foreign;
    {
        QDataStream out(&foreign, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << QVariantMap{{QStringLiteral("pipwhistle.lastLevel.v1.maze"), QVariant(QStringList{"3"})}};
    }
    QTest::newRow("foreign type") << foreign;
}

void TestPlatform::persistentStoreSurvivesABrokenFile()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.bin");
    QVERIFY(writeFile(file, bytes));
    ManualClock clock(QDateTime(QDate(2026, 5, 4), QTime(18, 30, 2), QTimeZone::utc()), QTimeZone::utc());
    Clock::setCurrent(&clock);
    {
        PersistentSettingsStore s(file);
        QVERIFY(!s.contains("pipwhistle.lastLevel.v1.maze"));
        QCOMPARE(s.integer("pipwhistle.lastLevel.v1.maze"), 0);
        QVERIFY(!s.data("pipwhistle.profile.v1"));
        QVERIFY(!s.string("pipwhistle.parentTimePIN.v1"));
        // The first write replaces the file: its bytes are kept beside it first, once.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept the unreadable values"));
        s.setInteger("pipwhistle.lastLevel.v1.pattern", 2);
        s.setInteger("pipwhistle.lastLevel.v1.pattern", 3);
        QCOMPARE(s.integer("pipwhistle.lastLevel.v1.pattern"), 3);
    }
    Clock::setCurrent(nullptr);
    QFile kept(file + ".undecodable-20260504-183002");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    PersistentSettingsStore s(file);
    QCOMPARE(s.integer("pipwhistle.lastLevel.v1.pattern"), 3);
    QVERIFY(!s.contains("pipwhistle.lastLevel.v1.maze"));
    s.setInteger("pipwhistle.lastLevel.v1.pattern", 4); // a readable file is never copied
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// Files made to exhaust memory: values of types that carry their own counts (points,
// bits, nested lists), and sizes far beyond the file. Each reads as an empty store at
// once, without the memory its counts ask for.
void TestPlatform::craftedSettingsFilesReadAsAbsentQuickly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto entry = [](quint32 type, const std::function<void(QDataStream &)> &payload) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << quint32(2) << QStringLiteral("pipwhistle.soundEnabled.v1") << QVariant(false)
            << QStringLiteral("pipwhistle.lastLevel.v1.maze") << type << qint8(0);
        payload(out);
        return bytes;
    };
    QTest::newRow("polygon of 2^31 points") << entry(QMetaType::QPolygon, [](QDataStream &o) { o << quint32(0x7fffffff); });
    QTest::newRow("bit array of 2^32 bits") << entry(QMetaType::QBitArray, [](QDataStream &o) { o << quint32(0xfffffffe); });
    QTest::newRow("pen with a huge dash pattern") << entry(QMetaType::QPen, [](QDataStream &o) {
        o << qint8(1) << double(1) << quint32(0x7fffffff);
    });
    QTest::newRow("list of 2^31 lists") << entry(QMetaType::QVariantList, [](QDataStream &o) { o << quint32(0x7fffffff); });
    QTest::newRow("text of 2 GB") << entry(QMetaType::QString, [](QDataStream &o) { o << quint32(0x7ffffffe); });
    QTest::newRow("data of 4 GB") << entry(QMetaType::QByteArray, [](QDataStream &o) { o << quint32(0xfffffffe) << quint32(7); });
    QTest::newRow("odd text length") << entry(QMetaType::QString, [](QDataStream &o) { o << quint32(3) << quint32(0); });
    QTest::newRow("trailing bytes") << entry(QMetaType::Int, [](QDataStream &o) { o << qint32(3) << quint32(1); });
    QByteArray key;
    {
        QDataStream out(&key, QIODevice::WriteOnly);
        out << quint32(1) << quint32(0x7ffffffe);
    }
    QTest::newRow("key of 2 GB") << key;
}

void TestPlatform::craftedSettingsFilesReadAsAbsentQuickly()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.bin");
    QVERIFY(writeFile(file, bytes));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer timer;
    timer.start();
    PersistentSettingsStore s(file);
    QVERIFY(!s.contains("pipwhistle.soundEnabled.v1"));
    QVERIFY(!s.contains("pipwhistle.lastLevel.v1.maze"));
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 32 * 1024, qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
}

// A path the store cannot read or write (here a folder stands where the file should
// be): values are absent and writes are kept for the run without any error.
void TestPlatform::persistentStoreSurvivesAnUnreadablePath()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.bin");
    QVERIFY(QDir().mkpath(file));
    PersistentSettingsStore s(file);
    QVERIFY(!s.contains("pipwhistle.soundEnabled.v1"));
    QVERIFY(!s.boolean("pipwhistle.soundEnabled.v1"));
    s.setBoolean("pipwhistle.soundEnabled.v1", false);
    s.sync();
    QVERIFY(QFileInfo(file).isDir());
}

// The program killed inside a save leaves the settings' lock, empty, and a temporary
// copy of the file beside it.
void TestPlatform::saveCutShortLeavesNothingInTheWay()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.bin");
    PersistentSettingsStore(path).setString("name", "小铃");
    QVERIFY(writeFile(path + ".lock", {}));
    QVERIFY(writeFile(path + ".qWbkRt", QByteArray(48 * 1024, 'x')));
    QVERIFY(writeFile(path + ".undecodable-20260302-090000", "kept aside"));

    QElapsedTimer save;
    save.start();
    {
        PersistentSettingsStore store(path);
        store.setInteger("coins", 85);
        QVERIFY2(save.elapsed() < 1000, qPrintable(QString::number(save.elapsed())));
    }
    PersistentSettingsStore store(path);
    QCOMPARE(store.string("name"), QString("小铃"));
    QCOMPARE(store.integer("coins"), 85);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"settings.bin", "settings.bin.undecodable-20260302-090000"}));
}

// A look tapped, a play finished: the value is kept at once and the tap goes on, while
// the disk (here one that takes 300 ms to confirm each save) is written on the store's
// worker. What is set reaches the file all the same, in order, the values set together
// in one save, and sync() returns once it is there.
void TestPlatform::writesNeverWaitForTheDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.bin");
    PersistentSettingsStore(path).setString("name", "小铃");
    testThread = std::this_thread::get_id();
    diskHeldTheTestThread = false;
    slowDiskMs = 300;
    {
        PersistentSettingsStore store(path);
        QElapsedTimer taps;
        taps.start();
        for (int look = 0; look < 3; ++look)
            store.setInteger("pipwhistle.wardrobe.look", look);
        store.setValues({{"profile", QByteArray("coins 90")}, {"records", QByteArray("one play")}});
        store.remove("name");
        const qint64 ms = taps.elapsed();
        QCOMPARE(store.integer("pipwhistle.wardrobe.look"), 2);
        QCOMPARE(*store.data("records"), QByteArray("one play"));
        QVERIFY(!store.contains("name"));
        QVERIFY2(ms < 150, qPrintable(QStringLiteral("five writes took %1 ms").arg(ms)));
        QVERIFY(!diskHeldTheTestThread);
        store.sync();
        QVERIFY(!diskHeldTheTestThread);
        slowDiskMs = 0;
        const PersistentSettingsStore after(path);
        QCOMPARE(after.integer("pipwhistle.wardrobe.look"), 2);
        QCOMPARE(*after.data("profile"), QByteArray("coins 90"));
        QCOMPARE(*after.data("records"), QByteArray("one play"));
        QVERIFY(!after.contains("name"));
    }
    slowDiskMs = 0;
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
    PW_TRY_COMPARE(once, 1);
    QTest::qWait(20);
    QCOMPARE(cancelled, 0);
}

void TestPlatform::heldWaitsStandStillAndRunOn()
{
    ManualClock clock;
    QObject page;
    auto *game = new QObject(&page);
    auto *ticks = new QObject(game);
    QObject elsewhere;
    QStringList log;
    clock.every(100, ticks, [&] { log << QString("tick@%1").arg(clock.elapsedMs()); });
    clock.after(250, game, [&] { log << QString("pause@%1").arg(clock.elapsedMs()); });
    clock.afterHeldBy(300, game, [&] { log << QString("report@%1").arg(clock.elapsedMs()); });
    clock.after(400, &elsewhere, [&] { log << QString("other@%1").arg(clock.elapsedMs()); });
    clock.advance(150);
    clock.hold(&page);
    clock.hold(&page); // holds count
    QVERIFY(clock.isHeld(ticks) && !clock.isHeld(&elsewhere));
    clock.after(50, game, [&] { log << QString("late@%1").arg(clock.elapsedMs()); });
    clock.advance(10'000);
    QCOMPARE(log, (QStringList{"tick@100", "other@400"}));
    clock.release(&page);
    clock.advance(10'000);
    QCOMPARE(log.size(), 2);
    QCOMPARE(clock.heldMs(ticks), 20'000);
    clock.release(&page);
    // Each runs on with the time it had left.
    clock.advance(160);
    QCOMPARE(log, (QStringList{"tick@100", "other@400", "tick@20200", "late@20200", "pause@20250", "tick@20300",
                               "report@20300"}));

    // A report outlives its game: held with it, it runs on once the game has gone.
    clock.afterHeldBy(100, game, [&] { log << "second report"; });
    clock.hold(&page);
    delete game;
    clock.advance(100);
    QCOMPARE(log.last(), QStringLiteral("second report"));
}

void TestPlatform::systemClockHoldsWaits()
{
    SystemClock clock;
    QObject page;
    int once = 0, repeats = 0;
    clock.after(40, &page, [&] { ++once; });
    clock.every(40, &page, [&] { ++repeats; });
    clock.hold(&page);
    QTest::qWait(120);
    QCOMPARE(once + repeats, 0);
    clock.release(&page);
    PW_TRY_COMPARE(once, 1);
    PW_TRY_VERIFY(repeats >= 2);
}

void TestPlatform::loadedDataPagesGoAndComeBack()
{
    // How many of the table's pages are mapped in, or -1 without /proc.
    const quintptr pageSize = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr firstPage = reinterpret_cast<quintptr>(readOnlyTable.data()) / pageSize;
    const int tablePages = int(sizeof readOnlyTable / pageSize);
    const auto residentPages = [&] {
        QFile pagemap(QStringLiteral("/proc/self/pagemap"));
        if (!pagemap.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return -1;
        int pages = 0;
        for (quintptr page = firstPage; page < firstPage + tablePages; ++page) {
            quint64 entry = 0;
            if (!pagemap.seek(qint64(page * sizeof entry))
                || pagemap.read(reinterpret_cast<char *>(&entry), sizeof entry) != qint64(sizeof entry))
                return -1;
            pages += int(entry >> 63);
        }
        return pages;
    };
    const auto readTable = [] {
        // Read through a pointer the compiler cannot see into (it knows the table's
        // values and would not read them).
        const quint64 *values = readOnlyTable.data();
        asm volatile("" : "+r"(values));
        quint64 sum = 0;
        for (std::size_t i = 0; i < readOnlyTable.size(); ++i)
            sum = sum * 31 + values[i];
        return sum;
    };
    const quint64 expected = readTable();
    if (residentPages() < 0)
        QSKIP("/proc/self/pagemap is not there");
    QCOMPARE(residentPages(), tablePages);

    LoadedData::releasePages();
    QCOMPARE(residentPages(), 0);
    // Read again, the data is the file's, and the pages come back.
    QCOMPARE(readTable(), expected);
    QCOMPARE(residentPages(), tablePages);
    // What the loader wrote into read-only pages (relocated pointers, the tables of
    // virtual functions behind every call below) was left alone.
    QCOMPARE(QByteArray(relocatedNames[1]), QByteArray("moon"));
    QCOMPARE(QByteArray(metaObject()->className()), QByteArray("TestPlatform"));
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

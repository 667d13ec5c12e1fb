#include "GameCatalog.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject validEntry(const QString &id = "maze")
{
    return QJsonObject{
        {"id", id},
        {"title", "森林冒险迷宫"},
        {"subtitle", "收集道具，击退捣蛋怪，到达终点"},
        {"category", "logic-thinking"},
        {"icon", "map.fill"},
        {"minutes", 6},
        {"status", "comingSoon"},
        {"skills", QJsonArray{"logic", "observation"}},
    };
}

QByteArray documentWith(const QJsonObject &entry)
{
    return QJsonDocument(QJsonArray{validEntry("pattern"), entry}).toJson(QJsonDocument::Compact);
}

} // namespace

class TestGameCatalog : public QObject
{
    Q_OBJECT
private slots:
    void categoriesAndStoredStrings();
    void builtInList();
    void decodesAValidDocument();
    void rejectsMalformedDocuments_data();
    void rejectsMalformedDocuments();
    void rejectsEveryTruncation();
    void handlesHugeArrays();
    void loadFromPassesOverBadCandidates();
    void shippedCatalogueLoads();
};

void TestGameCatalog::categoriesAndStoredStrings()
{
    const QStringList stored{"english",        "chinese",             "math",         "dress-up",
                             "logic-thinking", "coordination-memory", "video-science"};
    QCOMPARE(allCategories().size(), stored.size());
    for (int i = 0; i < stored.size(); ++i) {
        QCOMPARE(int(allCategories().at(i)), i);
        QCOMPARE(storedString(allCategories().at(i)), stored.at(i));
        GameCategory back;
        QVERIFY(categoryFromStored(stored.at(i), &back));
        QCOMPARE(back, allCategories().at(i));
    }
    GameCategory c;
    QVERIFY(!categoryFromStored("dressUp", &c)); // the case name is not the stored string
    QVERIFY(!categoryFromStored("English", &c));
    GameStatus s;
    QVERIFY(statusFromStored("comingSoon", &s) && s == GameStatus::comingSoon);
    QVERIFY(!statusFromStored("coming-soon", &s));
    QCOMPARE(storedString(GameStatus::comingSoon), QStringLiteral("comingSoon"));
}

void TestGameCatalog::builtInList()
{
    const QList<GameDefinition> &games = GameCatalog::fallback();
    const QStringList ids{"draw-guess",   "spot-difference", "english-listen", "word-builder",  "chinese-match",
                          "math-battle",  "memory-match",    "maze",           "pattern",       "reaction",
                          "simon-directions", "free-canvas", "rhythm-tap",     "radical-builder", "space-trip",
                          "magic-closet", "pet-care",        "magic-builder",  "magic-bakery"};
    QCOMPARE(games.size(), 19);
    QSet<GameCategory> categories;
    for (int i = 0; i < games.size(); ++i) {
        QCOMPARE(games.at(i).id, ids.at(i));
        QCOMPARE(games.at(i).status, GameStatus::available);
        categories.insert(games.at(i).category);
    }
    QCOMPARE(categories.size(), 7); // every shelf has a portal

    const GameDefinition &spot = games.at(1);
    QCOMPARE(spot.subtitle, QString::fromUtf8("每局随机找 5\u2013" "10 处不同"));
    QCOMPARE(spot.category, GameCategory::logicThinking);
    const GameDefinition &maze = games.at(7);
    QCOMPARE(maze.title, QStringLiteral("森林冒险迷宫"));
    QCOMPARE(maze.subtitle, QString::fromUtf8("收集道具\uFF0C击退捣蛋怪\uFF0C到达终点"));
    QCOMPARE(maze.minutes, 6);
    QCOMPARE(maze.skills, (QStringList{"logic", "observation", "coordination"}));
    QCOMPARE(games.at(8).subtitle, QString::fromUtf8("下一张是什么\uFF1F"));
    QCOMPARE(games.at(18).subtitle, QString::fromUtf8("拖配料\u3001摇奶茶\uFF0C完成梦幻特调"));
    QCOMPARE(games.at(4).icon, QStringLiteral("character.book.closed.fill.zh"));
    QCOMPARE(games.at(10).title, QStringLiteral("Simon Says"));
}

void TestGameCatalog::decodesAValidDocument()
{
    QJsonObject extra = validEntry("reaction");
    extra.insert("color", "red"); // keys other than the eight are ignored
    extra.insert("minutes", 2.0); // a whole number written with a point is still whole
    bool ok = false;
    const QList<GameDefinition> games =
        GameCatalog::decode(QJsonDocument(QJsonArray{validEntry("maze"), extra}).toJson(), &ok);
    QVERIFY(ok);
    QCOMPARE(games.size(), 2);
    QCOMPARE(games.at(0).id, QStringLiteral("maze")); // file order is kept
    QCOMPARE(games.at(0).category, GameCategory::logicThinking);
    QCOMPARE(games.at(0).status, GameStatus::comingSoon);
    QCOMPARE(games.at(0).skills, (QStringList{"logic", "observation"}));
    QCOMPARE(games.at(1).id, QStringLiteral("reaction"));
    QCOMPARE(games.at(1).minutes, 2);

    // Any whole number is a number of minutes, also one beyond 32 bits.
    QJsonObject long_ = validEntry("maze");
    long_.insert("minutes", 5e9);
    const QList<GameDefinition> longGame = GameCatalog::decode(QJsonDocument(QJsonArray{long_}).toJson(), &ok);
    QVERIFY(ok);
    QCOMPARE(longGame.at(0).minutes, qint64(5000000000));

    // An empty array decodes, but is not a usable catalogue (see loadFrom).
    QVERIFY(GameCatalog::decode("[]", &ok).isEmpty());
    QVERIFY(ok);
}

void TestGameCatalog::rejectsMalformedDocuments_data()
{
    QTest::addColumn<QByteArray>("json");
    const QStringList keys{"id", "title", "subtitle", "category", "icon", "minutes", "status", "skills"};
    for (const QString &key : keys) {
        QJsonObject missing = validEntry();
        missing.remove(key);
        QTest::newRow(qPrintable("missing " + key)) << documentWith(missing);
        QJsonObject null = validEntry();
        null.insert(key, QJsonValue::Null);
        QTest::newRow(qPrintable("null " + key)) << documentWith(null);
        QJsonObject wrong = validEntry();
        wrong.insert(key, key == "minutes" ? QJsonValue("6") : QJsonValue(true));
        QTest::newRow(qPrintable("wrong type " + key)) << documentWith(wrong);
    }
    auto with = [](const QString &key, const QJsonValue &value) {
        QJsonObject entry = validEntry();
        entry.insert(key, value);
        return documentWith(entry);
    };
    QTest::newRow("unknown category") << with("category", "science");
    QTest::newRow("category case name") << with("category", "dressUp");
    QTest::newRow("unknown status") << with("status", "hidden");
    QTest::newRow("status stored differently") << with("status", "coming-soon");
    QTest::newRow("fractional minutes") << with("minutes", 4.5);
    QTest::newRow("minutes beyond 64 bits") << with("minutes", 1e19);
    QTest::newRow("minutes as number text") << with("minutes", "4");
    QTest::newRow("skills as one string") << with("skills", "logic");
    QTest::newRow("skills holding a number") << with("skills", QJsonArray{"logic", 3});
    QTest::newRow("skills holding null") << with("skills", QJsonArray{QJsonValue::Null});
    QTest::newRow("id as number") << with("id", 7);
    QTest::newRow("element not an object") << QByteArray(R"([{"id":"x"}, "maze"])");
    QTest::newRow("element null") << QByteArray("[null]");
    QTest::newRow("top-level object") << QJsonDocument(validEntry()).toJson();
    QTest::newRow("top-level string") << QByteArray(R"("maze")");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("white space only") << QByteArray("  \n");
    QTest::newRow("trailing garbage") << QByteArray(documentWith(validEntry()) + "]");
    QTest::newRow("two documents") << QByteArray("[] []");
    QTest::newRow("comment") << QByteArray("[] // games");
    QTest::newRow("not utf-8") << QByteArray("[\"\xff\xfe\"]");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02", 3);
}

void TestGameCatalog::rejectsMalformedDocuments()
{
    QFETCH(QByteArray, json);
    bool ok = true;
    QVERIFY(GameCatalog::decode(json, &ok).isEmpty());
    QVERIFY(!ok);
}

void TestGameCatalog::rejectsEveryTruncation()
{
    const QByteArray json = QJsonDocument(QJsonArray{validEntry("maze"), validEntry("pattern")}).toJson(QJsonDocument::Compact);
    bool ok = false;
    QCOMPARE(GameCatalog::decode(json, &ok).size(), 2);
    for (int length = 0; length < json.size(); ++length) {
        GameCatalog::decode(json.left(length), &ok);
        QVERIFY2(!ok, qPrintable(QString::number(length)));
    }
    // Every single byte dropped or flipped: never a crash, and never a wrong result
    // that still passes as the original.
    const QList<GameDefinition> original = GameCatalog::decode(json);
    for (int i = 0; i < json.size(); ++i) {
        QByteArray dropped = json;
        dropped.remove(i, 1);
        const QList<GameDefinition> games = GameCatalog::decode(dropped, &ok);
        QVERIFY(!ok || games.size() == 2);
        QByteArray flipped = json;
        flipped[i] = char(flipped[i] ^ 0x5a);
        GameCatalog::decode(flipped, &ok);
    }
}

void TestGameCatalog::handlesHugeArrays()
{
    QJsonArray array;
    for (int i = 0; i < 20000; ++i)
        array.append(validEntry(QString::number(i)));
    bool ok = false;
    QCOMPARE(GameCatalog::decode(QJsonDocument(array).toJson(QJsonDocument::Compact), &ok).size(), 20000);
    QVERIFY(ok);
    QJsonObject bad = validEntry();
    bad.insert("minutes", 0.5);
    array.append(bad); // one bad element at the very end spoils the whole document
    QVERIFY(GameCatalog::decode(QJsonDocument(array).toJson(QJsonDocument::Compact), &ok).isEmpty());
    QVERIFY(!ok);
}

void TestGameCatalog::loadFromPassesOverBadCandidates()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray good = QJsonDocument(QJsonArray{validEntry("maze")}).toJson();
    const QString missing = dir.filePath("missing.json");
    const QString empty = writeTestFile(dir, "empty.json", "[]");
    const QString bad = writeTestFile(dir, "bad.json", documentWith(QJsonObject{{"id", "x"}}));
    const QString goodPath = writeTestFile(dir, "good.json", good);
    QDir(dir.path()).mkdir("folder.json");
    const QString folder = dir.filePath("folder.json");

    QCOMPARE(GameCatalog::loadFrom({}), GameCatalog::fallback());
    QCOMPARE(GameCatalog::loadFrom({missing, empty, bad, folder}), GameCatalog::fallback());
    const QList<GameDefinition> loaded = GameCatalog::loadFrom({missing, folder, empty, bad, goodPath});
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first().id, QStringLiteral("maze"));
    // The first usable candidate wins over later ones.
    QCOMPARE(GameCatalog::loadFrom({goodPath, ":/data/game_catalog.json"}), loaded);
}

void TestGameCatalog::shippedCatalogueLoads()
{
    for (const QString &path : {QStringLiteral(":/data/game_catalog.json"),
                                QStringLiteral(PW_SOURCE_DIR "/resources/game_catalog.json")}) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        bool ok = false;
        const QList<GameDefinition> games = GameCatalog::decode(file.readAll(), &ok);
        QVERIFY2(ok, qPrintable(path));
        QCOMPARE(games.size(), 48);
        QSet<QString> ids;
        qsizetype available = 0;
        for (const GameDefinition &game : games) {
            available += game.isAvailable() ? 1 : 0;
            QVERIFY(!game.title.isEmpty());
            ids.insert(game.id);
        }
        // Games not built yet are coming soon (the shell's tests match each to its view).
        QVERIFY(available >= 20);
        QCOMPARE(ids.size(), 48);
        // Every built-in game is in the shipped catalogue.
        for (const GameDefinition &game : GameCatalog::fallback())
            QVERIFY2(ids.contains(game.id), qPrintable(game.id));
    }
    // The program reads the embedded copy once and keeps it.
    QCOMPARE(GameCatalog::all().size(), 48);
    QCOMPARE(&GameCatalog::all(), &GameCatalog::all());
    QVERIFY(GameCatalog::find("maze"));
    QVERIFY(!GameCatalog::find("no-such-game"));
}

QTEST_GUILESS_MAIN(TestGameCatalog)
#include "tst_game_catalog.moc"

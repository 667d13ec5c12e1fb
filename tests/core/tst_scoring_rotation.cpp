#include "GameScoring.h"
#include "LevelRotation.h"
#include "Random.h"
#include "SettingsStore.h"

#include <QtTest>

class TestScoringRotation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstTry_data();
    void firstTry();

    void nextIndexLeavesSmallBanksAlone();
    void nextIndexAlternatesBetweenTwo();
    void nextIndexNeverRepeatsAndIsUniform();
    void nextIndexWithStrangeStoredValues();
    void indicesCutAndCover();
    void indicesOfEmptyOrSingleBank();

private:
    MemorySettingsStore m_store;
};

void TestScoringRotation::init()
{
    m_store.clear();
    SettingsStore::setStandard(&m_store);
    Random::shared().seed(1234);
}

void TestScoringRotation::cleanup()
{
    SettingsStore::setStandard(nullptr);
}

void TestScoringRotation::firstTry_data()
{
    QTest::addColumn<qint64>("correct");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("stars");

    QTest::newRow("0 of 5") << qint64(0) << qint64(5) << 60 << 1;
    QTest::newRow("1 of 5") << qint64(1) << qint64(5) << 68 << 1;
    QTest::newRow("2 of 5") << qint64(2) << qint64(5) << 76 << 2;
    QTest::newRow("3 of 5") << qint64(3) << qint64(5) << 84 << 2;
    QTest::newRow("4 of 5") << qint64(4) << qint64(5) << 92 << 3;
    QTest::newRow("5 of 5") << qint64(5) << qint64(5) << 100 << 3;
    QTest::newRow("3 of 8 is exactly 75") << qint64(3) << qint64(8) << 75 << 2;
    QTest::newRow("6 of 8 is exactly 90") << qint64(6) << qint64(8) << 90 << 3;
    QTest::newRow("1 of 16: 2.5 rounds up") << qint64(1) << qint64(16) << 63 << 1;
    QTest::newRow("3 of 16: 7.5 rounds up") << qint64(3) << qint64(16) << 68 << 1;
    QTest::newRow("5 of 16: 12.5 rounds up") << qint64(5) << qint64(16) << 73 << 1;
    QTest::newRow("1 of 3: 13.33 rounds down") << qint64(1) << qint64(3) << 73 << 1;
    QTest::newRow("2 of 3: 26.67 rounds up") << qint64(2) << qint64(3) << 87 << 2;
    QTest::newRow("total 0, none right") << qint64(0) << qint64(0) << 60 << 1;
    QTest::newRow("total 0, one right") << qint64(1) << qint64(0) << 100 << 3;
    QTest::newRow("negative total") << qint64(3) << qint64(-4) << 100 << 3;
    QTest::newRow("negative correct") << qint64(-2) << qint64(5) << 60 << 1;
    QTest::newRow("more right than rounds") << qint64(9) << qint64(5) << 100 << 3;
    QTest::newRow("huge counts") << qint64(1) << std::numeric_limits<qint64>::max() << 60 << 1;
}

void TestScoringRotation::firstTry()
{
    QFETCH(qint64, correct);
    QFETCH(qint64, total);
    QFETCH(int, points);
    QFETCH(int, stars);
    const GameScore score = GameScoring::firstTry(correct, total);
    QCOMPARE(score.points, points);
    QCOMPARE(score.stars, stars);
}

void TestScoringRotation::nextIndexLeavesSmallBanksAlone()
{
    QCOMPARE(LevelRotation::nextIndex("maze", 1), 0);
    QCOMPARE(LevelRotation::nextIndex("maze", 0), 0);
    QCOMPARE(LevelRotation::nextIndex("maze", -3), 0);
    QVERIFY(!m_store.contains("pipwhistle.lastLevel.v1.maze"));

    m_store.setInteger("pipwhistle.lastLevel.v1.maze", 0);
    QCOMPARE(LevelRotation::nextIndex("maze", 1), 0);
    QCOMPARE(m_store.value("pipwhistle.lastLevel.v1.maze"), QVariant::fromValue(qint64(0)));
}

void TestScoringRotation::nextIndexAlternatesBetweenTwo()
{
    int previous = LevelRotation::nextIndex("pattern", 2);
    QCOMPARE(m_store.integer("pipwhistle.lastLevel.v1.pattern"), previous);
    for (int i = 0; i < 50; ++i) {
        const int next = LevelRotation::nextIndex("pattern", 2);
        QCOMPARE(next, 1 - previous);
        previous = next;
    }
    // Each game keeps its own memory.
    m_store.setInteger("pipwhistle.lastLevel.v1.maze", 1);
    QCOMPARE(LevelRotation::nextIndex("maze", 2), 0);
    QCOMPARE(m_store.integer("pipwhistle.lastLevel.v1.pattern"), previous);
}

void TestScoringRotation::nextIndexNeverRepeatsAndIsUniform()
{
    QList<int> seen(4, 0);
    for (int i = 0; i < 4000; ++i) {
        m_store.setInteger("pipwhistle.lastLevel.v1.pattern", 1);
        const int pick = LevelRotation::nextIndex("pattern", 4);
        QVERIFY(pick >= 0 && pick < 4);
        QCOMPARE(m_store.integer("pipwhistle.lastLevel.v1.pattern"), pick);
        ++seen[pick];
    }
    QCOMPARE(seen[1], 0);
    for (int i : {0, 2, 3})
        QVERIFY2(seen[i] > 1150 && seen[i] < 1520, qPrintable(QString::number(seen[i])));
}

void TestScoringRotation::nextIndexWithStrangeStoredValues()
{
    const QString key = "pipwhistle.lastLevel.v1.maze";
    // The bank shrank below the stored index: every index may come first.
    QSet<int> seen;
    for (int i = 0; i < 200; ++i) {
        m_store.setInteger(key, 7);
        seen.insert(LevelRotation::nextIndex("maze", 3));
    }
    QCOMPARE(seen, (QSet<int>{0, 1, 2}));

    // Text that is not a number reads as 0, which is then left out.
    for (int i = 0; i < 100; ++i) {
        m_store.setString(key, "not a number");
        QVERIFY(LevelRotation::nextIndex("maze", 3) != 0);
    }
    // Text that is a number is read as that number; a double is truncated.
    for (int i = 0; i < 100; ++i) {
        m_store.setString(key, " 2 ");
        QVERIFY(LevelRotation::nextIndex("maze", 3) != 2);
        m_store.setReal(key, 1.9);
        QVERIFY(LevelRotation::nextIndex("maze", 3) != 1);
    }
}

void TestScoringRotation::indicesCutAndCover()
{
    int previousFirst = -1;
    for (int play = 0; play < 100; ++play) {
        const QList<int> chosen = LevelRotation::indices("math-battle", 5, 3);
        QCOMPARE(chosen.size(), 3);
        QCOMPARE(QSet<int>(chosen.cbegin(), chosen.cend()).size(), 3);
        for (int i : chosen)
            QVERIFY(i >= 0 && i < 5);
        QVERIFY(chosen.first() != previousFirst);
        QCOMPARE(m_store.integer("pipwhistle.lastLevel.v1.math-battle"), chosen.first());
        previousFirst = chosen.first();
    }

    QList<int> all = LevelRotation::indices("math-battle", 5, 10);
    QVERIFY(all.first() != previousFirst);
    std::sort(all.begin(), all.end());
    QCOMPARE(all, (QList<int>{0, 1, 2, 3, 4}));

    // The rest is shuffled: across plays the second position varies.
    QSet<int> seconds;
    for (int play = 0; play < 100; ++play)
        seconds.insert(LevelRotation::indices("math-battle", 5, 5).at(1));
    QCOMPARE(seconds.size(), 5);
}

void TestScoringRotation::indicesOfEmptyOrSingleBank()
{
    QVERIFY(LevelRotation::indices("maze", 0, 3).isEmpty());
    QVERIFY(LevelRotation::indices("maze", 5, 0).isEmpty());
    QVERIFY(LevelRotation::indices("maze", -1, -1).isEmpty());
    QCOMPARE(LevelRotation::indices("maze", 1, 3), QList<int>{0});
    QVERIFY(!m_store.contains("pipwhistle.lastLevel.v1.maze"));
}

QTEST_GUILESS_MAIN(TestScoringRotation)
#include "tst_scoring_rotation.moc"

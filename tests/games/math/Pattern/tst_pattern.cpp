// The picture patterns played through their C++ class on the manual clock: the starter
// rows, generated rows and the whole bank, whole plays, leaving during the last pause.

#include "GameTestSupport.h"
#include "PatternGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList pictures(const QString &spaced)
{
    return spaced.split(u' ', Qt::SkipEmptyParts);
}

QString firstWrong(const QStringList &choices, const QString &answer)
{
    for (const QString &c : choices) {
        if (c != answer)
            return c;
    }
    return {};
}

} // namespace

class TestPattern : public QObject
{
    Q_OBJECT
private slots:
    void patternStarters();
    void patternGeneratedRows_data();
    void patternGeneratedRows();
    void patternWholeBank();
    void patternWholePlay();
    void patternMistakesAndLeavingThePage();
};

void TestPattern::patternStarters()
{
    const QList<PatternPuzzle> &starters = PatternGame::starterPuzzles();
    QCOMPARE(starters.size(), 5);
    const QList<int> lengths{5, 6, 5, 6, 4};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(starters[i].sequence.size(), lengths[i]);
        QCOMPARE(starters[i].sequence.last(), u"?"_s);
        QCOMPARE(starters[i].choices.count(starters[i].answer), 1);
        QCOMPARE(starters[i].hint.isEmpty(), i != 4);
    }
    QCOMPARE(codePoints(starters[3].sequence.join(u' ')), u"2B50 FE0F 20 2B50 FE0F 20 1F319 20 2B50 FE0F 20 2B50 FE0F 20 3F"_s);
    QCOMPARE(codePoints(starters[3].choices.join(u' ')), u"2600 FE0F 20 2B50 FE0F 20 1F319"_s);
    QCOMPARE(codePoints(starters[4].choices.join(u' ')), u"1F95A 20 1F424 20 1FABA"_s);
    QCOMPARE(starters[2].choices, (QStringList{u"4"_s, u"5"_s, u"6"_s}));

    const QList<PatternPuzzle> &bank = PatternGame::bank();
    QCOMPARE(bank.size(), 505);
    QCOMPARE(bank[5].sequence, PatternPuzzle::generated()[0].sequence);
    QCOMPARE(bank[504].choices, PatternPuzzle::generated()[499].choices);

    // The pool: 60 distinct pictures, selectors where the pictures carry them.
    const QStringList &pool = PatternPuzzle::pool();
    QCOMPARE(pool.size(), 60);
    QCOMPARE(QSet<QString>(pool.begin(), pool.end()).size(), 60);
    QCOMPARE(codePoints(pool[20]), u"2B50 FE0F"_s);
    QCOMPARE(codePoints(pool[28]), u"31"_s);
    QCOMPARE(codePoints(pool[33]), u"26BD FE0F"_s);
    QCOMPARE(codePoints(pool[34]), u"1FA81"_s);
    QCOMPARE(codePoints(pool[52]), u"26FA FE0F"_s);
    QCOMPARE(codePoints(pool[58]), u"1FA84"_s);
    QCOMPARE(codePoints(pool[59]), u"1F33C"_s);
}

void TestPattern::patternGeneratedRows_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("choices");
    QTest::newRow("0") << 0 << u"🔴 🟡 🔴 🟡 🔴 🟡 ?"_s << u"🔴"_s << u"🔴 🟥 🌻"_s;
    QTest::newRow("1") << 1 << u"🟦 🍎 🐶 🟦 🍎 🐶 ?"_s << u"🟦"_s << u"\u2601\uFE0F 3 🟦"_s;
    QTest::newRow("2") << 2 << u"🍇 🌙 1 🎈 🍇 🌙 ?"_s << u"1"_s << u"🏰 1 🌈"_s;
    // The first distractor drawn is the answer itself and is skipped.
    QTest::newRow("38") << 38 << u"2 🚗 🏠 🟢 2 🚗 ?"_s << u"🏠"_s << u"🐶 🏠 🟣"_s;
    QTest::newRow("60") << 60 << u"🌱 🟠 🌱 🟠 🌱 🟠 ?"_s << u"🌱"_s << u"🌱 🌻 🐱"_s;
    QTest::newRow("499") << 499 << u"\u2B06\uFE0F 🪄 🌻 \u2B06\uFE0F 🪄 🌻 ?"_s << u"\u2B06\uFE0F"_s
                         << u"💎 🌻 \u2B06\uFE0F"_s;
}

void TestPattern::patternGeneratedRows()
{
    QFETCH(int, i);
    QFETCH(QString, sequence);
    QFETCH(QString, answer);
    QFETCH(QString, choices);
    const PatternPuzzle &row = PatternPuzzle::generated()[i];
    QCOMPARE(row.sequence, pictures(sequence));
    QCOMPARE(row.answer, answer);
    QCOMPARE(row.choices, pictures(choices));
    QVERIFY(row.hint.isEmpty());
}

void TestPattern::patternWholeBank()
{
    const QList<PatternPuzzle> &all = PatternPuzzle::generated();
    QCOMPARE(all.size(), 500);
    QCOMPARE(&all, &PatternPuzzle::generated());
    for (int i = 0; i < all.size(); ++i) {
        const PatternPuzzle &row = all[i];
        QCOMPARE(row.sequence.size(), 7);
        QCOMPARE(row.sequence.last(), u"?"_s);
        // The row repeats a motif of 2, 3 or 4 distinct pictures, and the answer continues it.
        const int length = i % 3 + 2;
        const QStringList cells = row.sequence.first(6) + QStringList{row.answer};
        QCOMPARE(QSet<QString>(cells.begin(), cells.end()).size(), length);
        for (int k = length; k < 7; ++k)
            QCOMPARE(cells[k], cells[k - length]);
        QCOMPARE(row.choices.size(), 3);
        QCOMPARE(QSet<QString>(row.choices.begin(), row.choices.end()).size(), 3);
        QCOMPARE(row.choices.indexOf(row.answer), QList<int>({0, 2, 1})[i % 3]);
    }
}

void TestPattern::patternWholePlay()
{
    GameTestWorld world;
    PatternGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: the first starter, "0/0", no bubble, no answers taken.
    QCOMPARE(game.counter(), u"0/0"_s);
    QCOMPARE(game.sequence(), PatternGame::starterPuzzles()[0].sequence);
    QVERIFY(game.feedback().isEmpty());
    game.choose(u"🔴"_s);
    QVERIFY(!game.locked());

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    game.appear();
    QCOMPARE(game.session(), session);
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"%1/5"_s.arg(r + 1));
        const PatternPuzzle &row = PatternGame::bank()[session[r]];
        QCOMPARE(game.sequence(), row.sequence);
        QCOMPARE(game.prompt(), row.hint.isEmpty() ? u"下一张应该是什么？"_s : row.hint);
        QVERIFY(game.feedback().isEmpty());
        game.choose(row.answer);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"找到规律啦！"_s);
        QVERIFY(game.feedbackGood());
        game.choose(firstWrong(row.choices, row.answer)); // during the pause: nothing
        QCOMPARE(game.wrongAttempt(), 0);
        world.clock.advance(PatternGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QCOMPARE(game.counter(), u"5/5"_s);
    QVERIFY(game.locked());
    QCOMPARE(game.feedback(), u"找到规律啦！"_s);
}

void TestPattern::patternMistakesAndLeavingThePage()
{
    GameTestWorld world(9);
    ReportLog log;
    auto *game = new PatternGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        const QString answer = game->puzzle().answer;
        if (r == 1 || r == 4) {
            const QString wrong = firstWrong(game->choices(), answer);
            game->choose(wrong);
            game->choose(wrong);
            QCOMPARE(game->feedback(), u"再从第一个图形开始看一遍"_s);
            QVERIFY(!game->feedbackGood());
            QVERIFY(!game->locked());
            QVERIFY(game->roundHadMistake());
        }
        game->choose(answer);
        if (r < 4) {
            world.clock.advance(PatternGame::pauseMs);
            QVERIFY(game->feedback().isEmpty());
            QVERIFY(!game->roundHadMistake());
        }
    }
    QCOMPARE(game->wrongAttempt(), 4);
    QCOMPARE(game->firstTryCorrect(), 3);
    delete game; // the child leaves during the last pause
    world.clock.advance(PatternGame::pauseMs);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    world.clock.advance(2000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestPattern)
#include "tst_pattern.moc"

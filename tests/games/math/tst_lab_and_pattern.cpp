#include "GameTestSupport.h"
#include "LittleLabGame.h"
#include "PatternGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString codePoints(const QString &text)
{
    QStringList hex;
    for (char32_t c : text.toUcs4())
        hex.append(QString::number(uint(c), 16).toUpper());
    return hex.join(u' ');
}

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

class TestLabAndPattern : public QObject
{
    Q_OBJECT
private slots:
    void labTable();
    void labWholePlay();
    void labMistakesTintAndLeavingThePage();
    void labReappearingKeepsTheSessionAndRotates();
    void patternStarters();
    void patternGeneratedRows_data();
    void patternGeneratedRows();
    void patternWholeBank();
    void patternWholePlay();
    void patternMistakesAndLeavingThePage();
};

void TestLabAndPattern::labTable()
{
    const QList<LabQuestion> &all = LabQuestion::all();
    QCOMPARE(all.size(), 8);
    QCOMPARE(&all, &LabQuestion::all());
    QSet<QString> prompts;
    for (int i = 0; i < all.size(); ++i) {
        const LabQuestion &q = all[i];
        QCOMPARE(q.choices.size(), 3);
        QCOMPARE(q.choices.first(), q.answer);
        QCOMPARE(QSet<QString>(q.choices.begin(), q.choices.end()).size(), 3);
        QVERIFY(q.prompt.endsWith(u"？"_s));
        QVERIFY(q.explanation.endsWith(u"。"_s));
        QCOMPARE(q.title.endsWith(u"？"_s), i == 0);
        prompts.insert(q.prompt);
    }
    QCOMPARE(prompts.size(), 8);
    // The scenes keep their presentation selectors.
    const QStringList scenes{u"1F9CA 2600 FE0F"_s, u"1F331 1F4A7 2600 FE0F"_s, u"1F9F2 1F4CE"_s, u"1F526 1F9F8"_s,
                             u"1F327 FE0F 1F9E5"_s, u"1F6F6 1F4A7"_s, u"1F534 1F526"_s, u"1F4A8 1FA81"_s};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(codePoints(all[i].scene), scenes[i]);
    QCOMPARE(all[4].choices, (QStringList{u"滑落"_s, u"吸干"_s, u"变成火"_s}));
    QCOMPARE(all[5].explanation, u"纸船里面有空气，所以能暂时漂在水上。"_s);
    QCOMPARE(all[6].prompt, u"红色玻璃纸放在灯前，光会更像什么颜色？"_s);
}

void TestLabAndPattern::labWholePlay()
{
    GameTestWorld world;
    LittleLabGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: the bank's first experiment, taking no answer.
    QCOMPARE(game.title(), u"冰块去哪了？"_s);
    QCOMPARE(game.counter(), u"实验 1 / 5"_s);
    QCOMPARE(game.feedback(), u"想一想，会发生什么呢？"_s);
    QVERIFY(game.feedbackGood());
    game.choose(u"水"_s);
    QVERIFY(!game.locked());
    QVERIFY(game.selected().isNull());

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    QCOMPARE(QSet<int>(session.begin(), session.end()).size(), 5);
    const int white = TileState::Plain;
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"实验 %1 / 5"_s.arg(r + 1));
        QCOMPARE(game.prompt(), LabQuestion::all()[session[r]].prompt);
        QCOMPARE(game.tileStates(), (QList<int>{white, white, white}));
        QCOMPARE(game.feedback(), u"想一想，会发生什么呢？"_s);
        const QString answer = game.current().answer;
        QCOMPARE(game.choices().first(), answer); // shown in stored order
        game.choose(answer);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"发现科学小秘密啦！"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.tileStates()[0], TileState::Right); // drawn mint
        game.choose(game.choices()[1]); // during the pause: nothing
        QCOMPARE(game.selected(), answer);
        QCOMPARE(game.wrongAttempt(), 0);
        world.clock.advance(949);
        QCOMPARE(game.round(), r);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // Finished: still locked on the last experiment, the counter stays at 5.
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"实验 5 / 5"_s);
    QCOMPARE(game.feedback(), u"发现科学小秘密啦！"_s);
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestLabAndPattern::labMistakesTintAndLeavingThePage()
{
    GameTestWorld world(3);
    ReportLog log;
    auto *game = new LittleLabGame;
    log.attach(*game);
    game->appear();
    const auto fill = [&](int tile) { return game->tileStates()[tile]; };
    for (int r = 0; r < 5; ++r) {
        const QStringList choices = game->choices();
        if (r == 0 || r == 3) {
            game->choose(choices[1]);
            QCOMPARE(game->feedback(), u"Oops，再观察一下实验材料"_s);
            QVERIFY(!game->feedbackGood());
            QVERIFY(!game->locked());
            QCOMPARE(fill(1), TileState::Picked); // drawn mango
            QCOMPARE(fill(0), TileState::Plain);
            game->choose(choices[2]); // the tint moves to the newest wrong tap
            QCOMPARE(fill(1), TileState::Plain);
            QCOMPARE(fill(2), TileState::Picked);
            game->choose(choices[2]); // the same wrong tap again shakes again
        }
        game->choose(choices[0]);
        // The right button turns mint; the earlier wrong tint is gone.
        QCOMPARE(fill(0), TileState::Right);
        QCOMPARE(fill(2), TileState::Plain);
        if (r < 4) {
            world.clock.advance(LittleLabGame::pauseMs);
            QVERIFY(game->selected().isNull());
            QVERIFY(!game->roundHadMistake());
            QCOMPARE(game->feedback(), u"想一想，会发生什么呢？"_s);
            QVERIFY(game->feedbackGood());
        }
    }
    QCOMPARE(game->wrongAttempt(), 6); // counted over the whole play
    QCOMPARE(game->firstTryCorrect(), 3);
    world.clock.advance(500);
    delete game; // the child leaves during the last pause
    world.clock.advance(450);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    world.clock.advance(2000);
    QCOMPARE(log.count(), 1);
}

void TestLabAndPattern::labReappearingKeepsTheSessionAndRotates()
{
    GameTestWorld world(5);
    int previousFirst = -1;
    for (int play = 0; play < 6; ++play) {
        LittleLabGame game;
        game.appear();
        const QList<int> session = game.session();
        game.appear();
        QCOMPARE(game.session(), session);
        QVERIFY(session.first() != previousFirst);
        previousFirst = session.first();
    }
}

void TestLabAndPattern::patternStarters()
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

void TestLabAndPattern::patternGeneratedRows_data()
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

void TestLabAndPattern::patternGeneratedRows()
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

void TestLabAndPattern::patternWholeBank()
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

void TestLabAndPattern::patternWholePlay()
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

void TestLabAndPattern::patternMistakesAndLeavingThePage()
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

QTEST_MAIN(TestLabAndPattern)
#include "tst_lab_and_pattern.moc"

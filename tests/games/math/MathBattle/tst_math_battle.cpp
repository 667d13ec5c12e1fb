#include "GameTestSupport.h"
#include "MathBattleGame.h"
#include "QuestionReading.h"
#include "Rotated.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestMathBattle : public QObject
{
    Q_OBJECT
private slots:
    void rotation();
    void bankRows();
    void wholePlayFirstTry();
    void mistakesDoNotHurtTheMonster();
    void reportSurvivesLeavingThePage();

private:
    static int wrongChoice(const MathBattleGame &game)
    {
        for (int c : game.choices()) {
            if (c != game.question().answer)
                return c;
        }
        return -1;
    }
};

void TestMathBattle::rotation()
{
    QCOMPARE(rotated(QList<int>{}, 3), QList<int>{});
    const QList<int> list{1, 0, 2, 3};
    QCOMPARE(rotated(list, 0), list);
    QCOMPARE(rotated(list, 4), list);
    QCOMPARE(rotated(list, 1), (QList<int>{0, 2, 3, 1}));
    QCOMPARE(rotated(list, 5), rotated(list, 1));
    QCOMPARE(rotated(list, 3), (QList<int>{3, 1, 0, 2}));
}

void TestMathBattle::bankRows()
{
    const QList<MathQuestion> &all = MathQuestion::all();
    QCOMPARE(all.size(), 500);
    QCOMPARE(&all, &MathQuestion::all()); // built once

    struct Row { int i; QString text; int answer; QList<int> choices; };
    const QList<Row> rows{
        {0, u"1 + 1"_s, 2, {2, 1, 3, 4}},
        {1, u"1 - 0"_s, 1, {0, 2, 3, 1}},
        {2, u"2 + 1"_s, 3, {2, 4, 3, 0}},
        {48, u"25 + 1"_s, 26, {26, 23, 25, 27}},
        {112, u"7 + 3"_s, 10, {10, 7, 9, 11}},
        {359, u"12 - 4"_s, 8, {9, 8, 5, 7}},
        {499, u"34 - 24"_s, 10, {11, 10, 7, 9}},
    };
    for (const Row &row : rows) {
        QCOMPARE(all[row.i].text, row.text);
        QCOMPARE(all[row.i].answer, row.answer);
        QCOMPARE(all[row.i].choices, row.choices);
    }

    QSet<QString> texts;
    QList<int> places(4, 0);
    for (int i = 0; i < all.size(); ++i) {
        const MathQuestion &q = all[i];
        texts.insert(q.text);
        QCOMPARE(q.choices.size(), 4);
        QCOMPARE(QSet<int>(q.choices.begin(), q.choices.end()).size(), 4);
        QCOMPARE(q.choices.count(q.answer), 1);
        for (int c : q.choices)
            QVERIFY(c >= 0);
        QVERIFY(!q.text.contains(u'=') && !q.text.contains(u'?'));
        // The answer, first before the rotation, ends at (4 - i mod 4) mod 4.
        QCOMPARE(q.choices.indexOf(q.answer), (4 - i % 4) % 4);
        ++places[q.choices.indexOf(q.answer)];
        // Even rows add, odd rows subtract to 1 ... 10.
        if (i % 2 == 0) {
            QVERIFY(q.text.contains(u" + "_s));
        } else {
            QVERIFY(q.text.contains(u" - "_s));
            QVERIFY(q.answer >= 1 && q.answer <= 10);
        }
    }
    QCOMPARE(texts.size(), 500);
    QCOMPARE(places, (QList<int>{125, 125, 125, 125}));
}

void TestMathBattle::wholePlayFirstTry()
{
    GameTestWorld world;
    MathBattleGame game;
    ReportLog log;
    log.attach(game);
    QStringList read;
    QuestionReading::setReader([&](const QString &text, const QString &) { read.append(text); });

    // Before the page appears the first row shows and takes no answer.
    QCOMPARE(game.questionText(), u"1 + 1"_s);
    QCOMPARE(game.feedback(), u"选择正确答案，发射星光！"_s);
    QVERIFY(!game.feedbackGood());
    game.choose(2);
    QVERIFY(!game.locked());

    game.appear();
    const QList<int> session = game.session();
    game.appear(); // coming back on screen keeps the play's questions
    QCOMPARE(game.session(), session);
    QCOMPARE(session.size(), 5);
    QCOMPARE(game.spokenQuestion(), u"请算一算，"_s + game.questionText() + u" 等于几？"_s);
    QCOMPARE(game.energyText(), u"0/5"_s);
    QCOMPARE(game.monster(), u"👾"_s);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        game.choose(game.question().answer);
        QVERIFY(game.locked());
        QVERIFY(game.isHit());
        QCOMPARE(game.monsterHP(), 4 - r);
        QCOMPARE(game.energyText(), QString::number(r + 1) + u"/5"_s);
        QVERIFY(game.feedbackGood());
        // A second tap during the pause changes nothing.
        game.choose(game.question().answer);
        QCOMPARE(game.firstTryCorrect(), r + 1);
        world.clock.advance(280);
        QVERIFY(!game.isHit());
        QVERIFY(game.locked());
        world.clock.advance(449);
        QCOMPARE(game.round(), r);
        if (r < 4) {
            QCOMPARE(game.feedback(), u"命中！星光能量 +1"_s);
            world.clock.advance(1);
            QCOMPARE(game.round(), r + 1);
            QVERIFY(!game.locked());
            QCOMPARE(game.feedback(), u"下一题，继续发射！"_s);
            QVERIFY(!game.feedbackGood());
        }
    }
    QCOMPARE(game.feedback(), u"打败数字怪兽啦！"_s);
    QCOMPARE(game.monster(), u"😵💫"_s);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // Finished: locked, the monster stays defeated, nothing more is reported.
    game.choose(game.question().answer);
    world.clock.advance(2000);
    QCOMPARE(log.count(), 1);
    QCOMPARE(game.monsterHP(), 0);
    QuestionReading::setReader({});
}

void TestMathBattle::mistakesDoNotHurtTheMonster()
{
    GameTestWorld world;
    MathBattleGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    for (int r = 0; r < 5; ++r) {
        if (r == 1 || r == 3) {
            game.choose(wrongChoice(game));
            game.choose(-7); // a number on no tile is just as wrong
            QCOMPARE(game.feedback(), u"怪兽挡住了，再算一算"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
            QVERIFY(game.roundHadMistake());
            QCOMPARE(game.monsterHP(), 5 - r);
        }
        game.choose(game.question().answer);
        QCOMPARE(game.monsterHP(), 4 - r); // a late hit still hits
        world.clock.advance(730);
    }
    QCOMPARE(game.firstTryCorrect(), 3);
    QCOMPARE(game.wrongAttempt(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestMathBattle::reportSurvivesLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new MathBattleGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        if (r == 0)
            game->choose(wrongChoice(*game));
        game->choose(game->question().answer);
        if (r < 4)
            world.clock.advance(730);
    }
    world.clock.advance(100); // in the hit animation
    delete game;
    world.clock.advance(630);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestMathBattle)
#include "tst_math_battle.moc"

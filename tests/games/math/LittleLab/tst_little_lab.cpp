// The little laboratory played through its C++ class on the manual clock: its table of
// experiments, whole plays, the tints of a mistake, leaving during the last pause and
// coming back.

#include "GameTestSupport.h"
#include "LittleLabGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestLittleLab : public QObject
{
    Q_OBJECT
private slots:
    void labTable();
    void labWholePlay();
    void labMistakesTintAndLeavingThePage();
    void labReappearingKeepsTheSessionAndRotates();
};

void TestLittleLab::labTable()
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

void TestLittleLab::labWholePlay()
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

void TestLittleLab::labMistakesTintAndLeavingThePage()
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

void TestLittleLab::labReappearingKeepsTheSessionAndRotates()
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

QTEST_MAIN(TestLittleLab)
#include "tst_little_lab.moc"

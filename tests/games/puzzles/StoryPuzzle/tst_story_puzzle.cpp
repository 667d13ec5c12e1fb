#include "GameTestSupport.h"
#include "StoryPuzzleGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestStoryPuzzle : public QObject
{
    Q_OBJECT
private slots:
    void stories();
    void wholePlayWithMistakes();
    void leavingDuringTheLastPause();
};

void TestStoryPuzzle::stories()
{
    const QList<StoryPuzzle> &all = StoryPuzzle::all();
    QCOMPARE(all.size(), 8);
    for (const StoryPuzzle &story : all) {
        QCOMPARE(story.steps.size(), 3);
        QStringList ids;
        for (const StoryStep &step : story.steps)
            ids.append(step.id);
        QStringList shown = story.choices;
        QVERIFY(shown != ids); // the cards never stand in the order of events
        shown.sort();
        ids.sort();
        QCOMPARE(shown, ids);
    }
    QCOMPARE(all[6].choices, (QStringList{u"soap"_s, u"clean"_s, u"water"_s}));
    QCOMPARE(all[5].steps[1].icon, u"🏞\uFE0F"_s);
    QCOMPARE(all[7].steps[0].icon, u"🕳\uFE0F"_s);
    QCOMPARE(all[4].steps[2].caption, u"飞到天空"_s);
    // An unknown key falls back to the first step.
    QCOMPARE(all[2].step(u"nest"_s).id, u"egg"_s);
    QCOMPARE(all[2].step(u"chick"_s).caption, u"小鸡出来"_s);
}

void TestStoryPuzzle::wholePlayWithMistakes()
{
    GameTestWorld world;
    StoryPuzzleGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy shakes(&game, &RoundQuizGame::wrongAttemptChanged);
    QCOMPARE(game.title(), u"向日葵长大"_s);
    game.pickCard(1);
    QCOMPARE(game.placedCount(), 0);

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    for (int r = 0; r < 5; ++r) {
        const StoryPuzzle &story = StoryPuzzle::all()[session[r]];
        QCOMPARE(game.counter(), u"第 %1 / 5 图"_s.arg(r + 1));
        QCOMPARE(game.feedback(), u"从故事最开始的一张图点起"_s);
        QCOMPARE(game.slotIcons(), (QStringList{u"?"_s, u"?"_s, u"?"_s}));
        QCOMPARE(game.slotCaptions(), (QStringList{u"第 1 格"_s, u"第 2 格"_s, u"第 3 格"_s}));
        const auto card = [&](int step) { return int(story.choices.indexOf(story.steps[step].id)); };

        game.pickCard(card(0));
        QCOMPARE(game.feedback(), u"接得对，故事继续"_s);
        QVERIFY(game.feedbackGood());
        QVERIFY(!game.locked());
        if (r == 1 || r == 2) {
            // A wrong card after a right one: the first stays placed, the second step
            // is still the one expected, and the same wrong card is judged again.
            game.pickCard(card(2));
            QCOMPARE(game.feedback(), u"想想看，故事是从哪里开始的？"_s);
            QVERIFY(game.feedbackGood());
            QCOMPARE(game.selectedIndex(), card(2));
            QCOMPARE(game.placedCount(), 1);
            game.pickCard(card(2));
            QCOMPARE(game.wrongAttempt(), r == 1 ? 2 : 4);
        }
        game.pickCard(card(0)); // already placed: ignored
        QCOMPARE(game.placedCount(), 1);
        game.pickCard(card(1));
        QCOMPARE(game.slotCaptions()[1], story.steps[1].caption);
        QCOMPARE(game.slotCaptions()[2], u"第 3 格"_s);
        QList<bool> placed(3, false);
        placed[card(0)] = placed[card(1)] = true;
        QCOMPARE(game.cardPlaced(), placed);
        game.pickCard(card(2));
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"故事拼好啦！"_s);
        QCOMPARE(game.picked(), (QStringList{story.steps[0].id, story.steps[1].id, story.steps[2].id}));
        QCOMPARE(game.slotIcons()[2], story.steps[2].icon);
        world.clock.advance(StoryPuzzleGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.placedCount(), 0);
            QCOMPARE(game.selectedIndex(), -1);
        }
    }
    QCOMPARE(shakes.count(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    QCOMPARE(game.counter(), u"第 5 / 5 图"_s);
    QVERIFY(game.locked());
}

void TestStoryPuzzle::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<StoryPuzzleGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        const StoryPuzzle &story = game->current();
        game->pickCard(3); // no fourth card: nothing
        game->pick(u"nest"_s); // a key the story does not have: a wrong card
        for (const StoryStep &step : story.steps)
            game->pick(step.id);
        QVERIFY(game->locked());
        game->pick(story.steps[0].id); // nothing beyond the last step
        QCOMPARE(game->placedCount(), 3);
        if (r < 4)
            world.clock.advance(StoryPuzzleGame::pauseMs);
    }
    world.clock.advance(700);
    game.reset();
    world.clock.advance(StoryPuzzleGame::pauseMs - 701);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{60, 1}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestStoryPuzzle)
#include "tst_story_puzzle.moc"

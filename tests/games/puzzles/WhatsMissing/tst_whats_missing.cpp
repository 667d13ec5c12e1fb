#include "GameTestSupport.h"
#include "WhatsMissingGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Lets the remember phase run out: the friend hides and the question is asked.
void rememberAndAsk(GameTestWorld &world, WhatsMissingGame &game)
{
    QVERIFY(game.showingAll());
    world.clock.advance(WhatsMissingGame::rememberMs - 1);
    QVERIFY(game.showingAll());
    world.clock.advance(1);
    QVERIFY(!game.showingAll());
}

QString wrongChoice(const WhatsMissingGame &game)
{
    for (const QString &c : game.choices()) {
        if (c != game.current().answer())
            return c;
    }
    return {};
}

} // namespace

class TestWhatsMissing : public QObject
{
    Q_OBJECT
private slots:
    void rounds();
    void wholePlayAllRight();
    void mistakesAndTheRememberPhase();
    void leavingThePage();
};

void TestWhatsMissing::rounds()
{
    const QList<MissingRound> &all = MissingRound::all();
    QCOMPARE(all.size(), 4);
    const QList<int> missing{2, 3, 1, 4};
    const QList<int> rightPlace{0, 1, 1, 0};
    const QStringList hidden{u"🐰"_s, u"🍇"_s, u"🚌"_s, u"🌈"_s};
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(all[r].items.size(), 5);
        QCOMPARE(all[r].missing, missing[r]);
        QCOMPARE(all[r].answer(), hidden[r]);
        QCOMPARE(all[r].choices.size(), 3);
        QCOMPARE(all[r].choices.count(all[r].answer()), 1);
        QCOMPARE(all[r].choices.indexOf(all[r].answer()), rightPlace[r]);
    }
    // The selectors are part of the texts.
    QCOMPARE(codePoints(all[2].items[4]), u"2708 FE0F"_s);
    QCOMPARE(codePoints(all[3].items.join(u' ')), u"2600 FE0F 20 1F319 20 2B50 FE0F 20 2601 FE0F 20 1F308"_s);
    QCOMPARE(codePoints(all[3].choices.join(u' ')), u"1F308 20 26A1 FE0F 20 2744 FE0F"_s);
    QCOMPARE(all[1].choices, (QStringList{u"🍉"_s, u"🍇"_s, u"🍋"_s}));
    QCOMPARE(all[2].choices, (QStringList{u"🚤"_s, u"🚌"_s, u"🚕"_s}));
}

void TestWhatsMissing::wholePlayAllRight()
{
    GameTestWorld world;
    SpeechLog speech;
    WhatsMissingGame game;
    ReportLog log;
    log.attach(game);
    // Built: the first row on show, nothing said, picks ignored.
    QCOMPARE(game.feedback(), u"认真看，记住每一位朋友"_s);
    QVERIFY(game.feedbackGood());
    QCOMPARE(game.counter(), u"1/4"_s);
    game.choose(u"🐰"_s);
    QVERIFY(!game.locked());
    QVERIFY(speech.spoken().isEmpty());

    game.appear();
    // Always the four rounds in order, without touching the rotation.
    QCOMPARE(game.session(), (QList<int>{0, 1, 2, 3}));
    QVERIFY(!world.settings.contains(u"pipwhistle.lastLevel.v1.whats-missing"_s));

    for (int r = 0; r < 4; ++r) {
        const MissingRound &row = MissingRound::all()[r];
        QCOMPARE(game.counter(), u"%1/4"_s.arg(r + 1));
        QCOMPARE(speech.spoken(), QStringList{u"请听题，请记住每一位朋友"_s});
        QCOMPARE(game.cells(), row.items);
        QCOMPARE(game.hiddenCell(), -1);
        QCOMPARE(game.prompt(), u"看一看，马上会有一位朋友躲起来"_s);
        QCOMPARE(game.spokenQuestion(), u"请记住每一位朋友"_s);
        // Picks during the remember phase are ignored, the right one too.
        game.choose(row.answer());
        QVERIFY(!game.locked());
        QCOMPARE(game.firstTryCorrect(), r);

        rememberAndAsk(world, game);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，谁不见了？"_s});
        QCOMPARE(game.feedback(), u"谁不见了？"_s);
        QVERIFY(!game.feedbackGood());
        QCOMPARE(game.prompt(), u"刚才这里是谁？"_s);
        QCOMPARE(game.hiddenCell(), row.missing);
        QStringList shown = row.items;
        shown[row.missing] = u"❓"_s;
        QCOMPARE(game.cells(), shown);

        game.choose(row.answer());
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"对了，你记得真清楚！"_s);
        QVERIFY(game.feedbackGood());
        game.choose(row.answer()); // a second right tap during the pause: nothing
        game.choose(wrongChoice(game));
        QCOMPARE(game.wrongAttempt(), 0);
        world.clock.advance(WhatsMissingGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // Nothing is reset: the last round stays answered.
    QCOMPARE(game.counter(), u"4/4"_s);
    QVERIFY(game.locked());
    QCOMPARE(game.round(), 3);
    world.clock.advance(10000);
    QCOMPARE(log.count(), 1);
    QVERIFY(speech.spoken().isEmpty());
}

void TestWhatsMissing::mistakesAndTheRememberPhase()
{
    GameTestWorld world;
    WhatsMissingGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy shakes(&game, &RoundQuizGame::wrongAttemptChanged);
    game.appear();
    for (int r = 0; r < 4; ++r) {
        rememberAndAsk(world, game);
        if (r == 1 || r == 3) {
            game.choose(wrongChoice(game));
            QVERIFY(!game.locked());
            QVERIFY(!game.showingAll());
            QCOMPARE(game.feedback(), u"想一想刚才那排朋友"_s);
            QVERIFY(!game.feedbackGood());
            game.choose(wrongChoice(game)); // the same wrong friend again: another shake
        }
        game.choose(game.current().answer());
        world.clock.advance(WhatsMissingGame::pauseMs);
        if (r < 3) {
            // The next round opens on its remember phase, the line back to its start.
            QVERIFY(game.showingAll());
            QCOMPARE(game.feedback(), u"认真看，记住每一位朋友"_s);
            QVERIFY(!game.roundHadMistake());
        }
    }
    QCOMPARE(game.wrongAttempt(), 4);
    QCOMPARE(shakes.count(), 4);
    QCOMPARE(game.firstTryCorrect(), 2);
    QCOMPARE(log.only(), (ReportLog::Report{80, 2}));
}

void TestWhatsMissing::leavingThePage()
{
    // Leaving during the remember phase: the friend never hides, nothing more is said.
    {
        GameTestWorld world;
        SpeechLog speech;
        auto game = std::make_unique<WhatsMissingGame>();
        game->appear();
        QCOMPARE(speech.spoken().size(), 1);
        world.clock.advance(1000);
        game.reset();
        world.clock.advance(5000);
        QVERIFY(speech.spoken().isEmpty());
        QCOMPARE(world.clock.pendingCount(), 0);
    }
    // Leaving during the last pause: the play is reported once, with its score.
    {
        GameTestWorld world;
        ReportLog log;
        auto game = std::make_unique<WhatsMissingGame>();
        log.attach(*game);
        game->appear();
        for (int r = 0; r < 4; ++r) {
            rememberAndAsk(world, *game);
            if (r == 0)
                game->choose(wrongChoice(*game));
            game->choose(game->current().answer());
            if (r < 3)
                world.clock.advance(WhatsMissingGame::pauseMs);
        }
        world.clock.advance(300);
        game.reset();
        QCOMPARE(log.count(), 0);
        world.clock.advance(300);
        QCOMPARE(log.only(), (ReportLog::Report{90, 3}));
        world.clock.advance(5000);
        QCOMPARE(log.count(), 1);
    }
}

QTEST_MAIN(TestWhatsMissing)
#include "tst_whats_missing.moc"

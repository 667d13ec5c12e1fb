#include "GameTestSupport.h"
#include "InstrumentEarsGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestInstrumentEars : public QObject
{
    Q_OBJECT
private slots:
    void questions();
    void patternsAndAnswers();
    void wholePlay_data();
    void wholePlay();
    void leavingDuringTheLastPause();
};

void TestInstrumentEars::questions()
{
    const QList<InstrumentQuestion> &all = InstrumentQuestion::all();
    QCOMPARE(all.size(), 8);
    QCOMPARE(all[4].notes, (QList<double>{146, 174, 146}));
    QCOMPARE(all[6].clue, u"轻轻地连成一条线的声音"_s);
    QCOMPARE(all[7].answer, u"钢琴"_s);
    InstrumentEarsGame game;
    QCOMPARE(game.clue(), u"提示：低低的、短短的“咚咚”"_s); // row 0 before the play is drawn
    QCOMPARE(game.counter(), u"第 1 / 5 题"_s);
}

void TestInstrumentEars::patternsAndAnswers()
{
    GameTestWorld world;
    auto game = std::make_unique<InstrumentEarsGame>();
    QSignalSpy played(game.get(), &InstrumentEarsGame::patternPlayed);
    game->appear();
    QCOMPARE(game->patternKey(), u"5-0-0"_s);
    world.clock.advance(359);
    QCOMPARE(played.size(), 0);
    world.clock.advance(1);
    QCOMPARE(played.size(), 1);
    QCOMPARE(played.takeFirst().first().value<QList<double>>(), game->current().notes);

    // Two replays within the wait: only the second sounds, 0.36 s after it.
    game->replay();
    world.clock.advance(200);
    game->replay();
    world.clock.advance(359);
    QCOMPARE(played.size(), 0);
    world.clock.advance(1);
    QCOMPARE(played.size(), 1);
    played.clear();

    // Wrong names: no lock, no replay; the same wrong name twice counts twice.
    const QString answer = game->current().answer;
    const QStringList names = game->choices();
    const QString wrong = names[(names.indexOf(answer) + 1) % 4];
    game->choose(wrong);
    game->choose(wrong);
    QCOMPARE(game->wrongAttempt(), 2);
    QCOMPARE(game->feedback(), u"Oops，按喇叭再听一遍"_s);
    QVERIFY(!game->feedbackGood());
    QCOMPARE(game->choiceStates()[names.indexOf(wrong)], int(TileState::Picked));
    world.clock.advance(2000);
    QCOMPARE(played.size(), 0);
    game->choose(answer);
    QCOMPARE(game->choiceStates()[names.indexOf(answer)], int(TileState::Right));
    QCOMPARE(game->choiceStates()[names.indexOf(wrong)], int(TileState::Plain));
    QCOMPARE(game->feedback(), u"猜对啦，耳朵真灵！"_s);
    game->choose(wrong); // closed during the pause
    game->replay();
    QCOMPARE(game->wrongAttempt(), 2);
    QCOMPARE(game->replayToken(), 2);
    world.clock.advance(720);
    QCOMPARE(game->round(), 1);
    QCOMPARE(game->firstTryCorrect(), 0);
    QCOMPARE(game->feedback(), u"先听一听，再找出音乐朋友"_s);
    QCOMPARE(game->choiceStates(), QList<int>(4, TileState::Plain));
    world.clock.advance(360);
    QCOMPARE(played.size(), 1);

    // A pattern waiting when the page goes stays silent.
    game->replay();
    world.clock.advance(100);
    game.reset();
    world.clock.advance(1000);
    QCOMPARE(played.size(), 1);
}

void TestInstrumentEars::wholePlay_data()
{
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << 0 << 100 << 3;
    QTest::newRow("one missed") << 1 << 92 << 3;
    QTest::newRow("all missed") << 5 << 60 << 1;
}

void TestInstrumentEars::wholePlay()
{
    QFETCH(int, mistakes);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world(9);
    ReportLog log;
    InstrumentEarsGame game;
    log.attach(game);
    game.appear();
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        const QString answer = game.current().answer;
        if (r < mistakes)
            game.choose(answer == u"钢琴"_s ? u"小鼓"_s : u"钢琴"_s);
        game.choose(answer);
        world.clock.advance(InstrumentEarsGame::pauseMs - 1);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"第 5 / 5 题"_s);
    QCOMPARE(game.wrongAttempt(), mistakes);
}

void TestInstrumentEars::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<InstrumentEarsGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(game->current().answer);
        if (r < 4)
            world.clock.advance(InstrumentEarsGame::pauseMs);
    }
    game.reset();
    world.clock.advance(InstrumentEarsGame::pauseMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_GUILESS_MAIN(TestInstrumentEars)
#include "tst_instrument_ears.moc"

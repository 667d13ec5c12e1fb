#include "BubbleBlasterGame.h"
#include "AppTheme.h"
#include "GameTestSupport.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A bubble of the current round that is not the answer.
QString wrongTarget(const BubbleBlasterGame &game)
{
    for (const QString &t : game.targets()) {
        if (t != game.current().answer)
            return t;
    }
    return {};
}

} // namespace

class TestBubbleBlaster : public QObject
{
    Q_OBJECT
private slots:
    void rounds();
    void wholePlay_data();
    void wholePlay();
    void leavingDuringTheLastPause_data();
    void leavingDuringTheLastPause();
    void instructionsAreReadAfterEachRoundStarts();
    void bubbleColours();
};

void TestBubbleBlaster::rounds()
{
    const QList<BlasterRound> &all = ObservationBlasterRounds::hidden();
    QCOMPARE(all.size(), 5);
    QCOMPARE(all[0].prompt, u"森林里藏着一只小乌龟，射中它！"_s);
    QCOMPARE(all[0].targets[2], u"\U0001F43F\uFE0F"_s); // the squirrel keeps its selector
    QCOMPARE(all[2].answer, u"\u2728"_s);
    QCOMPARE(all[4].targets, (QStringList{u"🐝"_s, u"🌼"_s, u"🦋"_s, u"🍎"_s, u"🍀"_s, u"🐞"_s}));
    for (const BlasterRound &round : all) {
        QCOMPARE(round.targets.size(), 6);
        QCOMPARE(round.targets.count(round.answer), 1);
        QCOMPARE(QSet<QString>(round.targets.cbegin(), round.targets.cend()).size(), 6);
    }
}

void TestBubbleBlaster::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed"); // rounds whose first shot misses (twice in round 2)
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all first shots") << QList<int>{} << 100 << 3;
    QTest::newRow("two rounds missed") << QList<int>{1, 2} << 84 << 2;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3, 4} << 60 << 1;
}

void TestBubbleBlaster::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    BubbleBlasterGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: the first row's bubbles, no dots, taps ignored.
    QCOMPARE(game.targets(), ObservationBlasterRounds::hidden()[0].targets);
    QVERIFY(game.session().isEmpty());
    game.fire(u"🐢"_s);
    QVERIFY(!game.firing());
    game.appear();
    QCOMPARE(game.session().size(), 5);

    int wrong = 0;
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.round(), r);
        QCOMPARE(game.feedback(), u"瞄准目标，发射星光箭！"_s);
        QVERIFY(!game.feedbackGood());
        QVERIFY(game.popped().isEmpty());
        const QString answer = game.current().answer;
        if (missed.contains(r)) {
            for (int shot = 0; shot < (r == 2 ? 2 : 1); ++shot) {
                game.fire(wrongTarget(game));
                QVERIFY(game.firing());
                QVERIFY(game.missed().isEmpty());
                game.fire(answer); // a second tap in flight does nothing
                world.clock.advance(BubbleBlasterGame::flightMs - 1);
                QVERIFY(game.firing());
                world.clock.advance(1);
                QVERIFY(!game.firing());
                QCOMPARE(game.missed(), wrongTarget(game));
                QCOMPARE(game.wrongAttempt(), ++wrong);
                QCOMPARE(game.feedback(), u"没有爆开，再观察一下目标。"_s);
                QVERIFY(!game.feedbackGood());
                QVERIFY(!game.locked());
            }
        }
        game.fire(answer);
        QVERIFY(game.missed().isEmpty()); // the miss mark goes when the next shot starts
        QCOMPARE(game.feedback(), missed.contains(r) ? u"没有爆开，再观察一下目标。"_s : u"瞄准目标，发射星光箭！"_s);
        world.clock.advance(BubbleBlasterGame::flightMs);
        QCOMPARE(game.popped(), answer);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"砰！射中了，泡泡爆开啦！"_s);
        QVERIFY(game.feedbackGood());
        game.fire(wrongTarget(game)); // nothing can be shot during the pause
        QVERIFY(!game.firing());
        world.clock.advance(BubbleBlasterGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
    }
    QCOMPARE(game.firstTryCorrect(), 5 - int(missed.size()));
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    // The play stays on its last round, locked.
    QCOMPARE(game.round(), 4);
    QVERIFY(game.locked());
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);

    // The next play opens with another round.
    BubbleBlasterGame next;
    next.appear();
    QVERIFY(next.session().first() != game.session().first());
}

void TestBubbleBlaster::leavingDuringTheLastPause_data()
{
    QTest::addColumn<int>("leaveAfter"); // ms after the last tap
    QTest::addColumn<bool>("firstShotMissed");
    QTest::newRow("in the pause") << 500 << false;
    QTest::newRow("in the flight") << 100 << false;
    QTest::newRow("in the flight, after a miss") << 100 << true;
}

void TestBubbleBlaster::leavingDuringTheLastPause()
{
    QFETCH(int, leaveAfter);
    QFETCH(bool, firstShotMissed);
    GameTestWorld world;
    ReportLog log;
    {
        auto game = std::make_unique<BubbleBlasterGame>();
        log.attach(*game);
        game->appear();
        for (int r = 0; r < 5; ++r) {
            if (r == 4 && firstShotMissed) {
                game->fire(wrongTarget(*game));
                world.clock.advance(BubbleBlasterGame::flightMs);
            }
            game->fire(game->current().answer);
            if (r < 4)
                world.clock.advance(BubbleBlasterGame::flightMs + BubbleBlasterGame::pauseMs);
        }
        world.clock.advance(leaveAfter);
    } // the child leaves
    QCOMPARE(log.count(), 0);
    world.clock.advance(BubbleBlasterGame::flightMs + BubbleBlasterGame::pauseMs - leaveAfter);
    QCOMPARE(log.only(), firstShotMissed ? (ReportLog::Report{92, 3}) : (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestBubbleBlaster::instructionsAreReadAfterEachRoundStarts()
{
    GameTestWorld world;
    SpeechLog speech;
    {
        BubbleBlasterGame game;
        game.setGameID(u"blaster-trial"_s);
        game.appear();
        QCOMPARE(world.settings.integer(u"pipwhistle.lastLevel.v1.blaster-trial"_s), game.session().first());
        QVERIFY(!world.settings.contains(u"pipwhistle.lastLevel.v1.hidden-objects"_s));
        world.clock.advance(BubbleBlasterGame::readingMs - 1);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(1);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + game.prompt()});
        game.fire(game.current().answer);
        world.clock.advance(BubbleBlasterGame::flightMs + BubbleBlasterGame::pauseMs + BubbleBlasterGame::readingMs);
        QCOMPARE(game.round(), 1);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + game.prompt()});
        game.fire(game.current().answer);
        world.clock.advance(BubbleBlasterGame::flightMs + BubbleBlasterGame::pauseMs + 100);
    } // left within 0.18 s of the third round's start: nothing more is read
    world.clock.advance(1000);
    QVERIFY(speech.spoken().isEmpty());
}

void TestBubbleBlaster::bubbleColours()
{
    const QList<QColor> palette{AppTheme::sky(), AppTheme::mango(), AppTheme::mint(),
                                AppTheme::purple(), AppTheme::coral()};
    for (const BlasterRound &round : ObservationBlasterRounds::hidden()) {
        for (const QString &t : round.targets) {
            const QColor c = BubbleBlasterGame::bubbleColor(t);
            QCOMPARE(BubbleBlasterGame::bubbleColor(t), c);
            QVERIFY(qAbs(c.alphaF() - 0.83) < 0.01);
            QColor opaque = c;
            opaque.setAlphaF(1);
            QVERIFY(palette.contains(opaque));
        }
    }
}

QTEST_MAIN(TestBubbleBlaster)
#include "tst_bubble_blaster.moc"

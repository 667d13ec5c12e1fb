#include "GameTestSupport.h"
#include "SimonDirectionsGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestSimonDirections : public QObject
{
    Q_OBJECT
private slots:
    void commands();
    void wholePlay_data();
    void wholePlay();
    void wrongPressesLightTheirButtonBriefly();
    void leavingDuringTheLastPause();
};

void TestSimonDirections::commands()
{
    using namespace SimonDirection;
    const QList<SimonCommand> &all = SimonCommand::all();
    QCOMPARE(all.size(), 6);
    QList<int> answers;
    for (const SimonCommand &c : all) {
        QVERIFY(c.english.startsWith(u"Simon says, "_s)); // every command is to be obeyed
        answers.append(c.answer);
    }
    QCOMPARE(answers, (QList<int>{Left, Right, Up, Down, Left, Right}));
    QCOMPARE(all[3].english, u"Simon says, touch the floor"_s);
    QCOMPARE(all[3].chinese, u"摸摸地板"_s);
    QCOMPARE(SimonDirectionsGame::directionSymbol(Up), u"arrow.up"_s);
    QCOMPARE(SimonDirectionsGame::directionName(Down), u"下"_s);
}

void TestSimonDirections::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("one missed") << QList<int>{5} << 93 << 3;
    QTest::newRow("two missed") << QList<int>{1, 3} << 87 << 2;
    QTest::newRow("four missed") << QList<int>{0, 1, 2, 3} << 73 << 1;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3, 4, 5} << 60 << 1;
}

void TestSimonDirections::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    SpeechLog speech;
    SimonDirectionsGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Simon says, point left"_s});
    QCOMPARE(game.feedback(), u"认真听 Simon 的口令"_s);
    QVERIFY(!game.feedbackGood());

    for (int r = 0; r < 6; ++r) {
        const SimonCommand &command = SimonCommand::all()[r];
        QCOMPARE(game.round(), r);
        QCOMPARE(game.english(), command.english);
        QCOMPARE(game.chinese(), command.chinese);
        QCOMPARE(game.progress(), QString::number(r + 1) + u" / 6"_s);
        if (missed.contains(r)) {
            const int wrong = (command.answer + 2) % 4;
            game.choose(wrong);
            QCOMPARE(game.feedback(), u"这是"_s + SimonDirection::name(wrong) + u"，再听听口令"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
            QCOMPARE(game.activeDirection(), wrong);
            // A wrong press is not answered with the command again.
            QVERIFY(speech.spoken().isEmpty());
        }
        game.choose(command.answer);
        QVERIFY(game.locked());
        QCOMPARE(game.activeDirection(), int(command.answer));
        QCOMPARE(game.feedback(), u"做对啦，太棒了！"_s);
        QVERIFY(game.feedbackGood());
        game.choose((command.answer + 1) % 4); // ignored during the pause
        QCOMPARE(game.activeDirection(), int(command.answer));
        world.clock.advance(SimonDirectionsGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 5) {
            QCOMPARE(game.round(), r + 1);
            QCOMPARE(game.activeDirection(), -1);
            QVERIFY(!game.roundHadMistake());
            QCOMPARE(game.feedback(), u"认真听 Simon 的口令"_s);
            QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. "_s + SimonCommand::all()[r + 1].english});
        }
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.firstTryCorrect(), 6 - int(missed.size()));
    // After the play: still 6 / 6, the pressed button lit (unless a wrong press's clear
    // fell in the pause), the replay reads the sixth.
    QCOMPARE(game.progress(), u"6 / 6"_s);
    QCOMPARE(game.activeDirection(), missed.contains(5) ? -1 : int(SimonDirection::Right));
    game.speak();
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Simon says, raise your right hand"_s});
    // Shown again: the command is read again, the round stays.
    game.appear();
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Simon says, raise your right hand"_s});
    QCOMPARE(game.round(), 5);
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestSimonDirections::wrongPressesLightTheirButtonBriefly()
{
    using namespace SimonDirection;
    GameTestWorld world;
    SimonDirectionsGame game;
    game.choose(Up);
    QCOMPARE(game.activeDirection(), int(Up));
    world.clock.advance(300);
    game.choose(Down);
    QCOMPARE(game.feedback(), u"这是下，再听听口令"_s);
    QCOMPARE(game.wrongAttempt(), 2);
    // The first press's clear also puts out the later press's light.
    world.clock.advance(150);
    QCOMPARE(game.activeDirection(), -1);
    game.choose(7); // no such button
    QCOMPARE(game.wrongAttempt(), 2);
    game.choose(Left);
    QCOMPARE(game.firstTryCorrect(), 0);
    // The second wrong press's clear still falls, during the pause; the round ends.
    world.clock.advance(SimonDirectionsGame::pauseMs);
    QCOMPARE(game.round(), 1);
    QVERIFY(!game.roundHadMistake());
}

void TestSimonDirections::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new SimonDirectionsGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 6; ++r) {
        if (r == 5)
            game->choose(SimonDirection::Up); // a clear still pending when the page goes
        game->choose(SimonCommand::all()[r].answer);
        if (r < 5)
            world.clock.advance(SimonDirectionsGame::pauseMs);
    }
    world.clock.advance(100);
    delete game;
    world.clock.advance(600);
    QCOMPARE(log.only(), (ReportLog::Report{93, 3}));
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestSimonDirections)
#include "tst_simon_directions.moc"

#include "GameTestSupport.h"
#include "LittleDetectiveGame.h"
#include "TileState.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestLittleDetective : public QObject
{
    Q_OBJECT
private slots:
    void cases();
    void wholePlay_data();
    void wholePlay();
    void leavingDuringTheLastPause();
};

void TestLittleDetective::cases()
{
    const QList<DetectiveCase> &all = DetectiveCase::all();
    QCOMPARE(all.size(), 10);
    QSet<QString> clues;
    for (const DetectiveCase &c : all) {
        QCOMPARE(c.choices.size(), 3);
        QVERIFY(c.choices.contains(c.answer));
        QCOMPARE(c.icons.size(), 3);
        for (const QString &choice : c.choices)
            QVERIFY(c.icons.contains(choice));
        clues.insert(c.clue);
    }
    QCOMPARE(clues.size(), 10); // each case is read when it comes
    QCOMPARE(all[0].title, u"谁带走了雨伞？"_s);
    QCOMPARE(all[0].explanation, u"小熊拿着防雨的东西，所以是他带走雨伞。"_s);
    QCOMPARE(all[5].icons[u"小松鼠"_s], QString::fromUtf8("\xF0\x9F\x90\xBF\xEF\xB8\x8F")); // with its selector
    QCOMPARE(all[9].answer, u"长颈鹿"_s);
    QCOMPARE(all[9].choices, (QStringList{u"大象"_s, u"长颈鹿"_s, u"斑马"_s}));
    QCOMPARE(all[8].clue, u"小河边堆起很多树枝，水流慢慢变小。"_s);
}

void TestLittleDetective::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("two missed") << QList<int>{0, 4} << 84 << 2;
    QTest::newRow("every case missed") << QList<int>{0, 1, 2, 3, 4} << 60 << 1;
}

void TestLittleDetective::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    SpeechLog speech;
    LittleDetectiveGame game;
    ReportLog log;
    log.attach(game);
    QCOMPARE(game.title(), DetectiveCase::all()[0].title); // before the session
    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    QCOMPARE(QSet<int>(session.cbegin(), session.cend()).size(), 5);

    for (int r = 0; r < 5; ++r) {
        const DetectiveCase &c = DetectiveCase::all()[session[r]];
        QCOMPARE(game.clue(), c.clue);
        QCOMPARE(game.counter(), u"案件 "_s + QString::number(r + 1) + u" / 5"_s);
        QCOMPARE(game.feedback(), u"读读线索，找出正确答案"_s);
        QVERIFY(game.feedbackGood());
        // The clue is read 0.22 s after the case comes.
        world.clock.advance(LittleDetectiveGame::clueDelayMs - 1);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(1);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + c.clue});

        const QString wrong = c.choices[(c.choices.indexOf(c.answer) + 1) % 3];
        if (missed.contains(r)) {
            game.choose(wrong);
            game.choose(wrong);
            QCOMPARE(game.selected(), wrong);
            QCOMPARE(game.feedback(), u"再读一遍线索，别着急"_s);
            QVERIFY(game.feedbackGood()); // it speaks of the clue
            QVERIFY(!game.locked());
            QCOMPARE(game.tileStates()[c.choices.indexOf(wrong)], int(TileState::Picked));
        }
        game.choose(c.answer);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"破案啦！答案是 "_s + c.answer);
        QCOMPARE(game.explanation(), c.explanation);
        const int right = int(c.choices.indexOf(c.answer));
        for (int t = 0; t < 3; ++t)
            QCOMPARE(game.tileStates()[t], t == right ? int(TileState::Right) : int(TileState::Plain));
        game.choose(wrong); // ignored during the pause
        QCOMPARE(game.selected(), c.answer);
        world.clock.advance(LittleDetectiveGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QVERIFY(game.selected().isEmpty());
            QVERIFY(!game.locked());
            QVERIFY(!game.roundHadMistake());
        }
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"案件 5 / 5"_s);
    QCOMPARE(game.wrongAttempt(), 2 * int(missed.size()));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
    QVERIFY(speech.spoken().isEmpty()); // no case after the last
}

void TestLittleDetective::leavingDuringTheLastPause()
{
    GameTestWorld world;
    SpeechLog speech;
    ReportLog log;
    auto *game = new LittleDetectiveGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(game->current().answer);
        if (r < 4)
            world.clock.advance(LittleDetectiveGame::pauseMs);
    }
    world.clock.advance(500);
    delete game;
    world.clock.advance(600);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QCOMPARE(log.count(), 1);

    // A page left before its clue is read says nothing more.
    speech.spoken();
    auto *next = new LittleDetectiveGame;
    next->appear();
    world.clock.advance(100);
    delete next;
    world.clock.advance(500);
    QVERIFY(speech.spoken().isEmpty());
}

QTEST_MAIN(TestLittleDetective)
#include "tst_little_detective.moc"

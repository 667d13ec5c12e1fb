#include "GameTestSupport.h"
#include "SequenceMemoryGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString memorise = u"请听题，请记住小灯亮起的顺序"_s;
const QString yourTurn = u"请听题，轮到你，请按刚才的顺序点"_s;

// From the start of a playback of n lights to the opened input.
int playbackMs(qsizetype n)
{
    return SequenceMemoryGame::leadMs + int(n) * (SequenceMemoryGame::litMs + SequenceMemoryGame::gapMs);
}

// A light that is not `symbol`.
QString otherThan(const QString &symbol)
{
    return SequenceMemoryGame::lights()[(SequenceMemoryGame::lights().indexOf(symbol) + 1) % 4];
}
} // namespace

class TestSequenceMemory : public QObject
{
    Q_OBJECT
private slots:
    void sequences();
    void playbackTimeline();
    void wholePlay_data();
    void wholePlay();
    void leavingThePage();
};

void TestSequenceMemory::sequences()
{
    QCOMPARE(SequenceMemoryGame::lights(), (QStringList{u"🔴"_s, u"🔵"_s, u"🟢"_s, u"🟡"_s}));
    const QList<QStringList> &all = SequenceMemoryGame::sequences();
    QCOMPARE(all.size(), 4);
    QCOMPARE(all[1], (QStringList{u"🟢"_s, u"🟡"_s, u"🔴"_s}));
    QCOMPARE(all[3], (QStringList{u"🟡"_s, u"🟢"_s, u"🔵"_s, u"🔴"_s, u"🟡"_s}));
    QCOMPARE(playbackMs(2), 1900);
    QCOMPARE(playbackMs(5), 4000);
}

void TestSequenceMemory::playbackTimeline()
{
    GameTestWorld world;
    SpeechLog speech;
    SequenceMemoryGame game;
    QVERIFY(!game.acceptingInput());
    game.appear();
    QCOMPARE(speech.spoken(), QStringList{memorise});
    QCOMPARE(game.instruction(), u"看小灯依次亮起"_s);
    QCOMPARE(game.readerText(), u"请记住小灯亮起的顺序"_s);
    const QStringList lights = game.current();
    int at = 0;
    const auto to = [&](int ms) {
        world.clock.advance(ms - at);
        at = ms;
    };
    for (int i = 0; i < lights.size(); ++i) {
        const int on = 500 + 700 * i;
        to(on - 1);
        QCOMPARE(game.highlighted(), QString());
        to(on);
        QCOMPARE(game.highlighted(), lights[i]);
        game.tap(lights[0]); // taps during the playback are ignored
        QCOMPARE(game.inputIndex(), 0);
        to(on + 519);
        QCOMPARE(game.highlighted(), lights[i]);
        to(on + 520);
        QCOMPARE(game.highlighted(), QString());
    }
    to(1899);
    QVERIFY(!game.acceptingInput());
    QVERIFY(speech.spoken().isEmpty());
    to(1900);
    QVERIFY(game.acceptingInput());
    QCOMPARE(game.feedback(), u"轮到你啦"_s);
    QCOMPARE(game.instruction(), u"轮到你：按刚才的顺序点"_s);
    QCOMPARE(game.readerText(), u"轮到你，请按刚才的顺序点"_s);
    QCOMPARE(speech.spoken(), QStringList{yourTurn});
    game.appear(); // shown again under the same key: no second playback
    QVERIFY(game.acceptingInput());
    QVERIFY(speech.spoken().isEmpty());

    // Two quick taps: the first flash to end puts out whatever is lit.
    game.tap(u"🔴"_s);
    world.clock.advance(100);
    game.tap(u"🔵"_s);
    QCOMPARE(game.highlighted(), u"🔵"_s);
    world.clock.advance(50);
    QCOMPARE(game.highlighted(), QString());
}

void TestSequenceMemory::wholePlay_data()
{
    QTest::addColumn<QList<int>>("missed");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("all right") << QList<int>{} << 100 << 3;
    QTest::newRow("two missed") << QList<int>{1, 3} << 80 << 2;
    QTest::newRow("every round missed") << QList<int>{0, 1, 2, 3} << 60 << 1;
}

void TestSequenceMemory::wholePlay()
{
    QFETCH(QList<int>, missed);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    SpeechLog speech;
    SequenceMemoryGame game;
    ReportLog log;
    log.attach(game);
    game.appear();

    for (int r = 0; r < 4; ++r) {
        const QStringList sequence = SequenceMemoryGame::sequences()[r];
        QCOMPARE(game.round(), r);
        QCOMPARE(game.counter(), u"第 "_s + QString::number(r + 1) + u" 关"_s);
        QCOMPARE(game.feedback(), u"看小灯依次亮起"_s);
        QVERIFY(game.feedbackGood());
        world.clock.advance(playbackMs(sequence.size()));
        QVERIFY(game.acceptingInput());
        QCOMPARE(speech.spoken(), (QStringList{memorise, yourTurn}));
        if (missed.contains(r)) {
            game.tap(sequence[0]);
            QCOMPARE(game.feedback(), u"对了，继续"_s);
            game.tap(otherThan(sequence[1]));
            QVERIFY(!game.acceptingInput());
            QCOMPARE(game.feedback(), u"差一点，再看一次顺序"_s);
            QVERIFY(!game.feedbackGood());
            game.tap(sequence[1]); // closed until the replay
            world.clock.advance(SequenceMemoryGame::replayMs - 1);
            QCOMPARE(game.replayToken(), int(missed.indexOf(r)));
            world.clock.advance(1);
            // The same round plays again from its first light.
            QCOMPARE(game.round(), r);
            QCOMPARE(game.inputIndex(), 0);
            QCOMPARE(game.feedback(), u"看小灯依次亮起"_s);
            world.clock.advance(playbackMs(sequence.size()));
            QCOMPARE(speech.spoken(), (QStringList{memorise, yourTurn}));
        }
        for (int i = 0; i < sequence.size(); ++i) {
            game.tap(sequence[i]);
            if (i + 1 < sequence.size())
                QCOMPARE(game.feedback(), u"对了，继续"_s);
        }
        QVERIFY(!game.acceptingInput());
        QCOMPARE(game.feedback(), u"顺序全记住了！"_s);
        world.clock.advance(SequenceMemoryGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    QCOMPARE(game.counter(), u"第 4 关"_s);
    QCOMPARE(game.wrongAttempt(), int(missed.size()));
    world.clock.advance(10000);
    QCOMPARE(log.count(), 1);
    QVERIFY(!game.acceptingInput());
    QVERIFY(speech.spoken().isEmpty());
}

void TestSequenceMemory::leavingThePage()
{
    GameTestWorld world;
    SpeechLog speech;
    ReportLog log;
    {
        // Gone during the last light: the turn is not handed over, nothing more is said.
        auto *game = new SequenceMemoryGame;
        game->appear();
        speech.spoken();
        world.clock.advance(1300);
        QCOMPARE(game->highlighted(), u"🔵"_s);
        delete game;
        world.clock.advance(2000);
        QVERIFY(speech.spoken().isEmpty());
    }
    auto *game = new SequenceMemoryGame;
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 4; ++r) {
        world.clock.advance(playbackMs(game->current().size()));
        for (const QString &light : game->current())
            game->tap(light);
        if (r < 3)
            world.clock.advance(SequenceMemoryGame::pauseMs);
    }
    world.clock.advance(300);
    delete game;
    world.clock.advance(400);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestSequenceMemory)
#include "tst_sequence_memory.moc"

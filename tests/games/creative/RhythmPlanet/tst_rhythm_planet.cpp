// Whole plays of rhythm planet on the manual clock: each pattern played with its lights
// and tones at their times, the child's repeat checked step by step, wrong taps and
// "再听一次" spoiling the round, the shared first-try score, and the report 0.65 s after
// the last answer, also when the page has gone.

#include "GameTestSupport.h"
#include "LevelRotation.h"
#include "RhythmPlanetGame.h"
#include "TonePlayer.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using G = RhythmPlanetGame;
constexpr int step = G::litMs + G::gapMs;

// The tones the player was asked to sound, as frequencies.
struct ToneLog
{
    ToneLog()
    {
        connection = QObject::connect(&TonePlayer::shared().channel(), &SoundChannel::started,
                                      [this](const PcmClip &clip) {
                                          double found = -1;
                                          for (const RhythmPad &pad : G::pads()) {
                                              if (TonePlayer::render(pad.frequency, G::toneSeconds).samples == clip.samples)
                                                  found = pad.frequency;
                                          }
                                          tones.append(found);
                                      });
    }
    ~ToneLog() { QObject::disconnect(connection); }

    QList<double> take() { return std::exchange(tones, {}); }

    QList<double> tones;
    QMetaObject::Connection connection;
};

// A test world in which the tone player is asked to sound (it stays silent where the
// machine has no audio output).
struct ToneWorld : GameTestWorld
{
    explicit ToneWorld(quint64 seed = 7)
        : GameTestWorld(seed)
    {
        settings.setBoolean(QStringLiteral("pipwhistle.soundEnabled.v1"), true);
    }
};

QList<double> frequenciesOf(const QList<int> &planets)
{
    QList<double> out;
    for (int p : planets)
        out.append(G::pads().at(p).frequency);
    return out;
}

// Watches the playback of the round's pattern from its start: each planet lit for
// 0.34 s with its tone, 0.13 s dark, the turn handed over after the last.
void watchPlayback(ToneWorld &world, G &game, ToneLog &tones)
{
    const QList<int> sequence = game.current().sequence;
    QCOMPARE(game.feedback(), u"听节奏……"_s);
    QVERIFY(!game.acceptingInput());
    QCOMPARE(game.instruction(), u"仔细听，也要看亮起的星球"_s);
    QVERIFY(game.input().isEmpty());
    // Taps and the replay during the playback do nothing.
    const bool spoilt = game.roundHadMistake();
    game.tap(sequence.first());
    game.replay();
    QVERIFY(game.input().isEmpty());
    QCOMPARE(game.roundHadMistake(), spoilt);
    world.clock.advance(G::leadInMs - 1);
    QCOMPARE(game.highlighted(), -1);
    QVERIFY(tones.take().isEmpty());
    world.clock.advance(1);
    for (qsizetype i = 0; i < sequence.size(); ++i) {
        QCOMPARE(game.highlighted(), sequence[i]);
        QCOMPARE(tones.take(), frequenciesOf({sequence[i]}));
        world.clock.advance(G::litMs - 1);
        QCOMPARE(game.highlighted(), sequence[i]);
        world.clock.advance(1);
        QCOMPARE(game.highlighted(), -1);
        world.clock.advance(G::gapMs);
    }
    QVERIFY(game.acceptingInput());
    QCOMPARE(game.feedback(), u"轮到你啦！"_s);
    QVERIFY(game.line().good());
    QCOMPARE(game.instruction(), u"轮到你：按同样顺序点星球"_s);
}

// Repeats the pattern right; checks the praise of each step.
void answerRight(G &game)
{
    const QList<int> sequence = game.current().sequence;
    for (qsizetype i = 0; i < sequence.size(); ++i) {
        game.tap(sequence[i]);
        QCOMPARE(game.input(), sequence.first(i + 1));
        QCOMPARE(game.feedback(), i + 1 < sequence.size() ? u"对啦，继续！"_s : u"节奏全对啦！"_s);
        QVERIFY(game.line().good());
    }
    QVERIFY(!game.acceptingInput());
}

} // namespace

class TestRhythmPlanet : public QObject
{
    Q_OBJECT
private slots:
    void tables()
    {
        QCOMPARE(G::pads().size(), 4);
        QCOMPARE(frequenciesOf({0, 1, 2, 3}), (QList<double>{392, 494, 587, 659}));
        QCOMPARE(G::pads().at(0).emoji, u"🪐"_s);
        QCOMPARE(G::pads().at(3).name, u"绿星"_s);
        QCOMPARE(G::patterns().size(), 6);
        QCOMPARE(G::patterns().at(1).sequence, (QList<int>{2, 2, 1}));
        QCOMPARE(G::patterns().at(5).name, u"星云派对"_s);
        QCOMPARE(G::patterns().at(5).sequence, (QList<int>{0, 2, 3, 1, 3}));
    }

    void fiveCleanRounds()
    {
        ToneWorld world;
        ToneLog tones;
        ReportLog log;
        G game;
        log.attach(game);

        // Before the page appears: the first pattern's name and the resting line.
        QCOMPARE(game.patternName(), u"启航节拍"_s);
        QCOMPARE(game.counter(), u"第 1 / 5 关"_s);
        QCOMPARE(game.feedback(), u"准备好，听听星球的节奏"_s);
        QVERIFY(game.line().good());

        game.appear();
        QCOMPARE(game.session().size(), 5);
        QCOMPARE(QSet<int>(game.session().begin(), game.session().end()).size(), 5);
        QCOMPARE(int(world.settings.integer(LevelRotation::settingsKey(u"rhythm-tap"_s))), game.session().first());
        QVERIFY(!game.line().good());
        game.appear(); // again: nothing new
        QCOMPARE(tones.take(), QList<double>{});

        for (int r = 0; r < 5; ++r) {
            QCOMPARE(game.round(), r);
            QCOMPARE(game.counter(), u"第 %1 / 5 关"_s.arg(r + 1));
            QCOMPARE(game.patternName(), G::patterns().at(game.session().at(r)).name);
            watchPlayback(world, game, tones);
            const QList<int> sequence = game.current().sequence;
            answerRight(game);
            QCOMPARE(tones.take(), frequenciesOf(sequence)); // each tap sounds its planet
            QCOMPARE(game.firstTryCorrect(), r + 1);
            world.clock.advance(G::answerPauseMs - 1);
            QCOMPARE(game.round(), r);
            QCOMPARE(log.count(), 0);
            world.clock.advance(1);
        }
        QCOMPARE(log.only(), ReportLog::Report(100, 3));
        QCOMPARE(game.counter(), u"第 5 / 5 关"_s);
        QCOMPARE(game.feedback(), u"节奏全对啦！"_s);
        QVERIFY(!game.acceptingInput());
        game.replay();
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
        QVERIFY(tones.take().isEmpty());
    }

    void spoiltRoundsScoreByFirstTries_data()
    {
        QTest::addColumn<int>("clean");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        const int scores[] = {60, 68, 76, 84, 92, 100};
        const int stars[] = {1, 1, 2, 2, 3, 3};
        for (int f = 0; f <= 5; ++f)
            QTest::addRow("%d clean", f) << f << scores[f] << stars[f];
    }
    void spoiltRoundsScoreByFirstTries()
    {
        QFETCH(int, clean);
        QFETCH(int, score);
        QFETCH(int, stars);
        ToneWorld world(31);
        ToneLog tones;
        ReportLog log;
        G game;
        log.attach(game);
        game.appear();
        for (int r = 0; r < 5; ++r) {
            watchPlayback(world, game, tones);
            const QList<int> sequence = game.current().sequence;
            if (r >= clean) {
                if (r % 2 == 0) {
                    // A wrong second tap: the dots empty, the same pattern plays again.
                    game.tap(sequence[0]);
                    game.tap((sequence[1] + 1) % 4);
                    QVERIFY(game.input().isEmpty());
                    QVERIFY(!game.acceptingInput());
                    QCOMPARE(game.feedback(), u"差一点，星球会再演奏一次"_s);
                    QVERIFY(!game.line().good());
                    QCOMPARE(game.instruction(), u"仔细听，也要看亮起的星球"_s);
                    world.clock.advance(G::answerPauseMs - 1);
                    QCOMPARE(game.feedback(), u"差一点，星球会再演奏一次"_s);
                    world.clock.advance(1);
                } else {
                    // "再听一次" after one right tap: the tap is forgotten, the pattern plays at once.
                    game.tap(sequence[0]);
                    game.replay();
                }
                QVERIFY(game.roundHadMistake());
                tones.take();
                watchPlayback(world, game, tones);
                QCOMPARE(game.round(), r);
            }
            answerRight(game);
            tones.take();
            world.clock.advance(G::answerPauseMs);
            if (r < 4)
                QCOMPARE(game.roundHadMistake(), false); // cleared as the next round begins
        }
        QCOMPARE(game.firstTryCorrect(), clean);
        QCOMPARE(log.only(), ReportLog::Report(score, stars));
    }

    void aPlanetTappedTwiceGoesDarkAfterItsFirstTap()
    {
        ToneWorld world(3);
        G game;
        game.appear();
        ToneLog tones;
        // Find a round whose pattern repeats a planet ([2, 2, 1] or [3, 0, 2, 2, 1]).
        for (int r = 0; r < 5; ++r) {
            watchPlayback(world, game, tones);
            const QList<int> sequence = game.current().sequence;
            const qsizetype twice = std::adjacent_find(sequence.begin(), sequence.end()) - sequence.begin();
            if (twice < sequence.size()) {
                for (qsizetype i = 0; i < twice; ++i)
                    game.tap(sequence[i]);
                world.clock.advance(G::tapLitMs);
                game.tap(sequence[twice]);
                world.clock.advance(100);
                game.tap(sequence[twice]);
                QCOMPARE(game.highlighted(), sequence[twice]);
                world.clock.advance(G::tapLitMs - 100);
                QCOMPARE(game.highlighted(), -1); // the first tap's wait cleared it
                return;
            }
            answerRight(game);
            tones.take();
            world.clock.advance(G::answerPauseMs);
        }
        QFAIL("no pattern of the play repeats a planet");
    }

    void leavingThePage()
    {
        ToneWorld world;
        ReportLog log;
        // In the middle of a playback: the lights and the turn go with the page.
        auto game = std::make_unique<G>();
        log.attach(*game);
        game->appear();
        world.clock.advance(G::leadInMs + step + 100);
        QVERIFY(game->highlighted() >= 0);
        game.reset();
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 0);
        QCOMPARE(world.clock.pendingCount(), 0);

        // Within 0.65 s of the last answer: reported once all the same.
        game = std::make_unique<G>();
        log.attach(*game);
        game->appear();
        ToneLog tones;
        for (int r = 0; r < 5; ++r) {
            watchPlayback(world, *game, tones);
            if (r == 2) {
                game->replay();
                watchPlayback(world, *game, tones);
            }
            answerRight(*game);
            tones.take();
            if (r < 4)
                world.clock.advance(G::answerPauseMs);
        }
        // A new play begins with another pattern than this one.
        QVERIFY(LevelRotation::nextIndex(u"rhythm-tap"_s, 6) != game->session().first());
        world.clock.advance(G::answerPauseMs - 10);
        game.reset();
        QCOMPARE(log.count(), 0);
        world.clock.advance(10);
        QCOMPARE(log.only(), ReportLog::Report(92, 3));
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRhythmPlanet)
#include "tst_rhythm_planet.moc"

// The word shooter played through its C++ class on the manual clock: its featured and
// generated rows, late prompts, leaving during the last pause, live targets.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "WordShooterGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestWordShooter : public QObject
{
    Q_OBJECT
private slots:
    void shooterFeaturedRows();
    void shooterGeneratedRows();
    void shooterPlayMarksTargetsAndSpeaksLate();
    void shooterReportSurvivesLeavingThePage();
    void shooterTargetsAreLiveBeforeTheNextPrompt();
};

void TestWordShooter::shooterFeaturedRows()
{
    const QList<WordShotQuestion> &featured = WordShotQuestion::featured();
    QCOMPARE(featured.size(), 10);
    const QStringList answers{u"apple"_s, u"cat"_s, u"sun"_s, u"bus"_s, u"book"_s,
                              u"fish"_s, u"house"_s, u"flower"_s, u"milk"_s, u"shoe"_s};
    QStringList withSelector;
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(featured[i].answer, answers[i]);
        QCOMPARE(featured[i].choices.size(), 6);
        QCOMPARE(featured[i].choices.first().word, answers[i]); // top-left
        for (const WordChoice &c : featured[i].choices) {
            if (c.emoji.endsWith(QChar(0xFE0F))) {
                QCOMPARE(c.emoji.size(), 2);
                withSelector.append(c.word);
            }
        }
    }
    QCOMPARE(withSelector, (QStringList{u"sun"_s, u"star"_s, u"cloud"_s, u"snow"_s, u"plane"_s,
                                        u"pencil"_s, u"tent"_s, u"tea"_s}));
    QCOMPARE(featured[8].choices[5], (WordChoice{u"🍦"_s, u"ice cream"_s}));
    QCOMPARE(featured[9].choices[5], (WordChoice{u"🧤"_s, u"glove"_s}));
    QCOMPARE(featured[2].choices[0].emoji, u"\u2600\uFE0F"_s);
}

void TestWordShooter::shooterGeneratedRows()
{
    const QList<WordShotQuestion> rows = WordShotQuestion::generate(testVocabulary(1000, 1).basicEnglish());
    QCOMPARE(rows.size(), 1000);
    QCOMPARE(words(rows[0].choices), entries({0, 53, 191, 347, 613, 809}));
    QCOMPARE(words(rows[7].choices), entries({60, 198, 354, 620, 816, 7}));
    QCOMPARE(words(rows[999].choices), entries({346, 612, 808, 999, 52, 190}));
    for (int i : {0, 1, 2, 3, 4, 5, 7, 999}) {
        QCOMPARE(rows[i].answer, u"w%1"_s.arg(i));
        QCOMPARE(words(rows[i].choices).indexOf(rows[i].answer), (6 - i % 6) % 6);
    }
    const QList<WordShotQuestion> one = WordShotQuestion::generate(Vocabulary(LearningContentPayload::fallback()).basicEnglish());
    QCOMPARE(words(one[0].choices), QStringList(6, u"cat"_s));
    // The shipped bank: the featured rows first, then one row per vocabulary word.
    QCOMPARE(WordShotQuestion::all().size(), 10 + LearningContent::basicEnglish().size());
    QCOMPARE(WordShotQuestion::all()[10].answer, LearningContent::basicEnglish().first().word);
}

void TestWordShooter::shooterPlayMarksTargetsAndSpeaksLate()
{
    GameTestWorld world;
    SpeechLog speech;
    WordShooterGame game;
    ReportLog log;
    log.attach(game);
    // Before the pick: the apple row and the instruction.
    QCOMPARE(game.current().answer, u"apple"_s);
    QCOMPARE(game.feedback(), u"听清目标，再发射星光"_s);
    QVERIFY(game.feedbackGood());
    game.appear();
    game.appear();
    QCOMPARE(game.session().size(), 5);
    world.clock.advance(179);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(1);
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Shoot the "_s + game.current().answer});

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 5 波"_s.arg(r + 1));
        const QString answer = game.current().answer;
        if (r < 2) {
            const int wrong = tileOf(game.tiles(), answer, false);
            game.shoot(wrong);
            QCOMPARE(game.selected(), game.current().choices[wrong].word);
            QCOMPARE(game.tileStates()[wrong], TileState::Picked);
            QVERIFY(game.marks()[wrong]);
            QCOMPARE(game.feedback(), u"没有击中目标，再听一次"_s);
            QVERIFY(!game.feedbackGood());
        }
        const int right = tileOf(game.tiles(), answer);
        game.shoot(right);
        const QVariantMap tile = game.tiles()[right].toMap();
        QCOMPARE(game.tileStates()[right], TileState::Right);
        QVERIFY(game.marks()[right]);
        QCOMPARE(game.feedback(), u"击中啦！"_s + tile[u"label"_s].toString() + u" "_s + tile[u"emoji"_s].toString());
        QVERIFY(game.feedbackGood());
        // The earlier wrong target is plain again.
        QCOMPARE(game.tileStates().count(TileState::Plain), 5);
        QCOMPARE(game.marks().count(true), 1);
        // A shot during the pause changes nothing, not even the mark.
        game.shoot(tileOf(game.tiles(), answer, false));
        QCOMPARE(game.selected(), answer);

        world.clock.advance(760);
        if (r < 4) {
            QVERIFY(game.selected().isNull());
            QCOMPARE(game.feedback(), u"听清目标，再发射星光"_s);
            QVERIFY(speech.spoken().isEmpty());
            world.clock.advance(150);
            QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Shoot the "_s + game.current().answer});
        }
    }
    QCOMPARE(game.firstTryCorrect(), 3);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestWordShooter::shooterReportSurvivesLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    SpeechLog speech;
    {
        WordShooterGame game;
        log.attach(game);
        game.appear();
        for (int r = 0; r < 5; ++r) {
            game.shoot(tileOf(game.tiles(), game.current().answer));
            if (r < 4)
                world.clock.advance(760 + 150);
        }
        speech.spoken();
    }
    world.clock.runUntilIdle();
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QVERIFY(speech.spoken().isEmpty());
}

void TestWordShooter::shooterTargetsAreLiveBeforeTheNextPrompt()
{
    GameTestWorld world;
    SpeechLog speech;
    WordShooterGame game;
    game.appear();
    world.clock.advance(180);
    speech.spoken();
    game.shoot(tileOf(game.tiles(), game.current().answer));
    world.clock.advance(760);

    // The next wave's targets take a shot before its prompt is spoken; the pause starts
    // at once and the prompt still comes 0.15 s after the advance.
    const QString second = game.current().answer;
    game.shoot(tileOf(game.tiles(), second));
    QVERIFY(game.locked());
    QCOMPARE(game.firstTryCorrect(), 2);
    world.clock.advance(150);
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. Shoot the "_s + second});
    world.clock.advance(609);
    QCOMPARE(game.round(), 1);
    world.clock.advance(1);
    QCOMPARE(game.round(), 2);
    QVERIFY(!game.locked());
}

QTEST_GUILESS_MAIN(TestWordShooter)
#include "tst_word_shooter.moc"

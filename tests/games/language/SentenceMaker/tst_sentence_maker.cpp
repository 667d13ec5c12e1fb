// The sentence maker played through its C++ class on the manual clock: its bank, a play
// with mistakes and resets, every round missed, leaving during the last pause.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "SentenceMakerGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void completeSentence(SentenceMakerGame &game)
{
    for (const QString &word : game.current().answer)
        game.pick(int(game.current().choices.indexOf(word)));
}

} // namespace

class TestSentenceMaker : public QObject
{
    Q_OBJECT
private slots:
    void sentenceBank();
    void sentencePlayWithMistakesAndReset();
    void sentenceEveryRoundMissed();
    void reportSurvivesLeavingThePage();
};

void TestSentenceMaker::sentenceBank()
{
    SentenceMakerGame game;
    const QList<SentencePuzzle> &puzzles = game.puzzles();
    QCOMPARE(puzzles.size(), 123);
    for (const SentencePuzzle &p : puzzles) {
        QCOMPARE(withoutPresetReading(p.choices), QString());
        QCOMPARE(p.answer.size(), 3);
        QStringList a = p.answer, c = p.choices;
        a.sort();
        c.sort();
        QCOMPARE(c, a);
        QCOMPARE(QSet<QString>(a.begin(), a.end()).size(), 3);
        QVERIFY(p.choices.first() != p.answer.first());
    }
    QCOMPARE(puzzles[0].prompt, u"看小猫睡觉，把词语排成一句话。"_s);
    QCOMPARE(puzzles[2].prompt, u"看看谁在吃苹果，把词语排成一句话。"_s);
    QCOMPARE(puzzles[9].prompt, u"看下雨了，把词语排成一句话。"_s);
    QCOMPARE(puzzles[3].image, u"\u2600\uFE0F\U0001F324\uFE0F"_s);
    QCOMPARE(puzzles[5].image, u"\U0001F469\u200D\U0001F373\U0001F372"_s);
    QCOMPARE(puzzles[9].image, u"\U0001F327\uFE0F\u2602\uFE0F"_s);
    QCOMPARE(puzzles[13].image, u"\U0001F319\u2B50\uFE0F"_s);
    QCOMPARE(puzzles[17].image, u"\U0001F33B\u2600\uFE0F"_s);
    QCOMPARE(puzzles[22].answer, (QStringList{u"大家"_s, u"吃"_s, u"蛋糕"_s}));
    QCOMPARE(puzzles[22].choices, (QStringList{u"蛋糕"_s, u"大家"_s, u"吃"_s}));

    // Generated rows follow subject by subject.
    QCOMPARE(puzzles[23].image, u"🐱💤"_s);
    QCOMPARE(puzzles[23].answer, (QStringList{u"小猫"_s, u"在"_s, u"睡觉"_s}));
    QCOMPARE(puzzles[23].choices, (QStringList{u"睡觉"_s, u"小猫"_s, u"在"_s}));
    QCOMPARE(puzzles[80].image, u"🧒🏫"_s);
    QCOMPARE(puzzles[80].answer, (QStringList{u"小朋友"_s, u"去"_s, u"上学"_s}));
    QCOMPARE(puzzles[80].choices, (QStringList{u"上学"_s, u"小朋友"_s, u"去"_s}));
    QCOMPARE(puzzles[122].image, u"\U0001F43F\uFE0F🎲"_s);
    QCOMPARE(puzzles[122].answer, (QStringList{u"小松鼠"_s, u"在"_s, u"做游戏"_s}));
    QCOMPARE(puzzles[122].prompt, u"看图片，把词语排成一句话。"_s);
}

void TestSentenceMaker::sentencePlayWithMistakesAndReset()
{
    GameTestWorld world;
    SpeechLog speech;
    SentenceMakerGame game;
    ReportLog log;
    log.attach(game);
    QCOMPARE(game.current().image, u"🐱💤"_s);
    QCOMPARE(game.feedback(), u"从第一张词语卡开始点"_s);
    QVERIFY(game.feedbackGood());
    QVERIFY(!game.canReset());
    game.pick(2); // 小猫, but the page has not picked its puzzles yet
    QVERIFY(game.selected().isEmpty());
    game.appear();
    QCOMPARE(game.session().size(), 5);
    QCOMPARE(game.speechID(), u"sentence-0"_s);

    const auto cardOf = [&](const QString &word) { return int(game.current().choices.indexOf(word)); };
    const QStringList answer0 = game.current().answer;
    // A wrong word first: the first card is never the sentence's first word.
    game.pick(0);
    QCOMPARE(game.feedback(), u"Oops，先想想句子开头是谁"_s);
    QVERIFY(!game.feedbackGood());
    QCOMPARE(game.wrongAttempt(), 1);
    QVERIFY(game.selected().isEmpty());
    game.pick(cardOf(answer0[0]));
    QCOMPARE(game.selected(), QStringList{answer0[0]});
    QCOMPARE(game.feedback(), u"排得对，继续点下一张"_s);
    QVERIFY(!game.feedbackGood());
    QCOMPARE(game.placed()[cardOf(answer0[0])], true);
    QCOMPARE(game.answerSlots()[0].toMap()[u"word"_s].toString(), answer0[0]);
    QCOMPARE(game.answerSlots()[0].toMap()[u"pinyin"_s].toString(), LearningContent::pinyin(answer0[0]));
    QCOMPARE(game.answerSlots()[1].toMap()[u"filled"_s].toBool(), false);
    // A placed word is ignored; a wrong word keeps the first slot.
    game.pick(cardOf(answer0[0]));
    QCOMPARE(game.wrongAttempt(), 1);
    game.pick(cardOf(answer0[2]));
    QCOMPARE(game.wrongAttempt(), 2);
    QCOMPARE(game.selected(), QStringList{answer0[0]});
    game.pick(cardOf(answer0[1]));
    game.pick(cardOf(answer0[2]));
    QCOMPARE(game.selected(), answer0);
    QCOMPARE(game.feedback(), u"句子完成啦！"_s);
    QVERIFY(game.feedbackGood());
    QVERIFY(game.locked());
    QVERIFY(!game.canReset());
    game.reset(); // refused during the pause
    QCOMPARE(game.selected(), answer0);
    // The speakers work during the pause, with the word itself.
    speech.spoken();
    game.speakCard(cardOf(answer0[1]));
    QCOMPARE(speech.spoken(), QStringList{answer0[1]});
    world.clock.advance(719);
    QCOMPARE(game.round(), 0);
    world.clock.advance(1);

    // Round two: a reset forfeits the first try without a shake or a sound.
    QCOMPARE(game.round(), 1);
    QCOMPARE(game.speechID(), u"sentence-1"_s);
    QCOMPARE(game.counter(), u"第 2 / 5 句"_s);
    QVERIFY(game.selected().isEmpty());
    QCOMPARE(game.feedback(), u"从第一张词语卡开始点"_s);
    QVERIFY(game.feedbackGood());
    const QStringList answer1 = game.current().answer;
    game.pick(cardOf(answer1[0]));
    game.pick(cardOf(answer1[1]));
    QVERIFY(game.canReset());
    game.reset();
    QVERIFY(game.selected().isEmpty());
    QCOMPARE(game.feedback(), u"从第一张词语卡重新开始"_s);
    QVERIFY(game.feedbackGood());
    QCOMPARE(game.wrongAttempt(), 2);
    QVERIFY(game.roundHadMistake());
    QVERIFY(!game.canReset());
    completeSentence(game);
    QCOMPARE(game.firstTryCorrect(), 0);
    world.clock.advance(720);

    for (int r = 2; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 5 句"_s.arg(r + 1));
        completeSentence(game);
        world.clock.advance(720);
    }
    QCOMPARE(game.counter(), u"第 5 / 5 句"_s);
    QCOMPARE(game.firstTryCorrect(), 3);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    QVERIFY(speech.spoken().isEmpty());
}

void TestSentenceMaker::sentenceEveryRoundMissed()
{
    GameTestWorld world(3);
    SentenceMakerGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    for (int r = 0; r < 5; ++r) {
        if (r % 2 == 0) {
            game.pick(0);
        } else {
            game.pick(int(game.current().choices.indexOf(game.current().answer[0])));
            game.reset();
        }
        completeSentence(game);
        world.clock.advance(720);
    }
    QCOMPARE(game.wrongAttempt(), 3);
    QCOMPARE(log.only(), (ReportLog::Report{60, 1}));
}


// The child leaves the page during the last pause: the game goes, the report still
// arrives once when the pause is over.
void TestSentenceMaker::reportSurvivesLeavingThePage()
{
    checkReportAfterLeaving<SentenceMakerGame>(720, [](SentenceMakerGame &game, ManualClock &clock) {
        for (int r = 0; r < 5; ++r) {
            completeSentence(game);
            if (r < 4)
                clock.advance(720);
        }
    });
}

QTEST_GUILESS_MAIN(TestSentenceMaker)
#include "tst_sentence_maker.moc"

// The phonics train played through its C++ class on the manual clock: its built-in and
// generated rows, a play with mistakes, a one-question bank, leaving during the last
// pause.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "PhonicsTrainGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPhonicsTrain : public QObject
{
    Q_OBJECT
private slots:
    void phonicsBuiltInRows();
    void phonicsGeneratedRows();
    void phonicsPlayWithMistakes();
    void phonicsOneQuestionBank();
    void reportSurvivesLeavingThePage();
};

void TestPhonicsTrain::phonicsBuiltInRows()
{
    const QList<PhonicsTrainQuestion> &rows = PhonicsTrainQuestion::all();
    QCOMPARE(rows.size(), 24);
    QStringList withSelector;
    for (const PhonicsTrainQuestion &row : rows) {
        QCOMPARE(row.answer, row.word.left(1));
        QCOMPARE(row.choices.size(), 3);
        QVERIFY(row.choices.contains(row.answer));
        QStringList sorted = row.choices;
        sorted.sort();
        QCOMPARE(row.choices, sorted);
        QVERIFY(!row.chinese.isEmpty());
        if (row.picture.endsWith(QChar(0xFE0F)))
            withSelector.append(row.word);
    }
    QCOMPARE(withSelector, (QStringList{u"sun"_s, u"rain"_s, u"ball"_s, u"pen"_s}));
    QCOMPARE(rows[5].picture, u"\U0001F327\uFE0F"_s);
    // The answer's tile: cat in the middle, sun on the right, moon on the left.
    QCOMPARE(rows[0].choices.indexOf(u"c"_s), 1);
    QCOMPARE(rows[1].choices.indexOf(u"s"_s), 2);
    QCOMPARE(rows[3].choices.indexOf(u"m"_s), 0);
    QCOMPARE(rows[19].chinese, u"面包车"_s);
    QCOMPARE(rows[23].word, u"jump"_s);
    QCOMPARE(rows[23].choices, (QStringList{u"g"_s, u"j"_s, u"k"_s}));
    QCOMPARE(rows[23].chinese, u"跳一跳"_s);
}

void TestPhonicsTrain::phonicsGeneratedRows()
{
    const QList<BasicEnglishWord> words{
        {u"cat"_s, u"🐾"_s, {}},      {u"3D"_s, u"🍎"_s, {}},        {u"Zebra"_s, u"🎨"_s, {}},
        {u"élan"_s, u"🧑"_s, {}},     {u"e\u0301clair"_s, u"👕"_s, {}}, {u" space"_s, u"📚"_s, {}},
        {QString(), u"🚌"_s, {}},     {u"quiet"_s, u"🏠"_s, {}},     {u"Apple pie"_s, u"🌳"_s, {}},
        {u"Ωmega"_s, u"🏃"_s, {}},
    };
    const QList<PhonicsTrainQuestion> rows = PhonicsTrainQuestion::generate(words);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].word, u"cat"_s);
    QCOMPARE(rows[0].choices, (QStringList{u"c"_s, u"j"_s, u"r"_s}));
    // Upper case: a lower-case answer, the word as the vocabulary spells it, its own emoji.
    QCOMPARE(rows[1].word, u"Zebra"_s);
    QCOMPARE(rows[1].picture, u"🎨"_s);
    QCOMPARE(rows[1].answer, u"z"_s);
    QCOMPARE(rows[1].choices, (QStringList{u"z"_s, u"g"_s, u"o"_s}));
    QCOMPARE(rows[2].choices, (QStringList{u"q"_s, u"x"_s, u"f"_s}));
    QCOMPARE(rows[3].word, u"Apple pie"_s);
    QCOMPARE(rows[3].choices, (QStringList{u"a"_s, u"h"_s, u"p"_s}));
    QVERIFY(rows[3].chinese.isEmpty());

    // The one-word fallback vocabulary: a second cat after the hand-made rows.
    const Vocabulary fallback(LearningContentPayload::fallback());
    PhonicsTrainGame game;
    game.setQuestions(PhonicsTrainQuestion::all() + PhonicsTrainQuestion::generate(fallback.basicEnglish()));
    QCOMPARE(game.questions().size(), 25);
    const PhonicsTrainQuestion &last = game.questions().last();
    QCOMPARE(last.word, u"cat"_s);
    QCOMPARE(last.picture, u"🐾"_s);
    QCOMPARE(last.choices, (QStringList{u"c"_s, u"j"_s, u"r"_s}));

    // The shipped bank: the hand-made rows, then the vocabulary's.
    PhonicsTrainGame shipped;
    QCOMPARE(shipped.questions().size(), 24 + PhonicsTrainQuestion::generated().size());
    QCOMPARE(shipped.questions()[24].word, PhonicsTrainQuestion::generated().first().word);
    for (const PhonicsTrainQuestion &row : PhonicsTrainQuestion::generated())
        QCOMPARE(row.choices.first(), row.answer);
}

void TestPhonicsTrain::phonicsPlayWithMistakes()
{
    GameTestWorld world;
    SpeechLog speech;
    PhonicsTrainGame game;
    ReportLog log;
    log.attach(game);

    // Before the page appears: the cat row, the start text, no answer taken.
    QCOMPARE(game.current().word, u"cat"_s);
    QCOMPARE(game.gloss(), u"小猫"_s);
    QCOMPARE(game.counter(), u"第 1 / 5 节"_s);
    QCOMPARE(game.feedback(), u"听一听，再选开头的声音"_s);
    QVERIFY(game.feedbackGood());
    game.choose(1);
    QVERIFY(!game.locked());
    QVERIFY(game.selected().isNull());

    game.appear();
    const QList<int> session = game.session();
    game.appear();
    QCOMPARE(game.session(), session);
    QCOMPARE(session.size(), 5);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 5 节"_s.arg(r + 1));
        const PhonicsTrainQuestion q = game.current();
        const QString word = q.word.left(1).toUpper() + q.word.mid(1).toLower();
        QCOMPARE(game.prompt(), u"Listen. "_s + word + u" starts with which sound?"_s);
        QCOMPARE(game.tileStates(), QList<int>(3, kWhite));
        const int right = tileOf(q.choices, q.answer);
        const int wrong = tileOf(q.choices, q.answer, false);
        QCOMPARE(game.labels()[right], q.answer.toUpper());
        if (r < 2) {
            game.choose(wrong);
            QCOMPARE(game.selected(), q.choices[wrong]);
            QCOMPARE(game.tileStates()[wrong], kMango);
            QCOMPARE(game.feedback(), u"Oops，再听听 "_s + word + u" 的第一个声音"_s);
            QVERIFY(!game.feedbackGood());
            QCOMPARE(game.wrongAttempt(), r + 1);
        }
        game.choose(right);
        QVERIFY(game.locked());
        QCOMPARE(game.tileStates()[right], kMint);
        QCOMPARE(game.tileStates()[wrong], kWhite); // the wrong tile lost its mango at once
        QCOMPARE(game.feedback(), q.answer.toUpper() + u" 的声音对啦，列车开动！"_s);
        QVERIFY(game.feedbackGood());
        // A tap during the pause changes nothing.
        game.choose(wrong);
        QCOMPARE(game.selected(), q.answer);
        QCOMPARE(game.wrongAttempt(), std::min(r + 1, 2));

        world.clock.advance(699);
        QVERIFY(game.locked());
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.round(), r + 1);
            QVERIFY(!game.locked());
            QVERIFY(game.selected().isNull());
            QCOMPARE(game.feedback(), u"听一听，再选开头的声音"_s);
            QVERIFY(game.feedbackGood());
        }
    }
    // After the report the screen keeps the praise, the mint tile and the last counter.
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"第 5 / 5 节"_s);
    QCOMPARE(game.firstTryCorrect(), 3);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
    // The game speaks nothing of its own: its question card reads the prompts.
    QVERIFY(speech.spoken().isEmpty());
}

void TestPhonicsTrain::phonicsOneQuestionBank()
{
    GameTestWorld world;
    PhonicsTrainGame game;
    game.setQuestions({PhonicsTrainQuestion::all().first()});
    ReportLog log;
    log.attach(game);
    game.appear();
    QCOMPARE(game.session(), QList<int>{0});
    game.choose(2);
    QCOMPARE(game.feedback(), u"Oops，再听听 Cat 的第一个声音"_s);
    game.choose(1);
    QCOMPARE(game.feedback(), u"C 的声音对啦，列车开动！"_s);
    world.clock.advance(700);
    QCOMPARE(game.round(), 0); // no advance: the report comes straight
    QCOMPARE(log.only(), (ReportLog::Report{60, 1}));
}


// The child leaves the page during the last pause: the game goes, the report still
// arrives once when the pause is over.
void TestPhonicsTrain::reportSurvivesLeavingThePage()
{
    checkReportAfterLeaving<PhonicsTrainGame>(700, [](PhonicsTrainGame &game, ManualClock &clock) {
        playSingleChoice(game, clock, 700);
    });
}

QTEST_GUILESS_MAIN(TestPhonicsTrain)
#include "tst_phonics_train.moc"

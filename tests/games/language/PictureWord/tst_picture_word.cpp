// The picture words played through their C++ class on the manual clock: built-in and
// generated rows, a play with mistakes, a one-character vocabulary, leaving during the
// last pause.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "PictureWordGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPictureWord : public QObject
{
    Q_OBJECT
private slots:
    void pictureBuiltInRows();
    void pictureGeneratedRows();
    void picturePlayWithMistakes();
    void pictureOneCharacterVocabulary();
    void reportSurvivesLeavingThePage();
};

void TestPictureWord::pictureBuiltInRows()
{
    const QList<PictureWordQuestion> &rows = PictureWordQuestion::all();
    QCOMPARE(rows.size(), 24);
    for (int i = 0; i < rows.size(); ++i) {
        const int at = int(rows[i].choices.indexOf(rows[i].answer));
        const int expected = QList<int>{3, 10, 17, 20}.contains(i) ? 0 : QList<int>{6, 12, 16}.contains(i) ? 2 : 1;
        QCOMPARE(at, expected);
        QCOMPARE(rows[i].choices.size(), 3);
    }
    QCOMPARE(rows[3].image, u"\U0001F327\uFE0F\u2602\uFE0F"_s);
    QCOMPARE(rows[6].image, u"\u2708\uFE0F"_s);
    QCOMPARE(rows[12].image, u"\u2600\uFE0F"_s);
    QCOMPARE(rows[14].image, u"\u26F5\uFE0F"_s);
    QCOMPARE(rows[15].answer, u"冰淇淋"_s);
    QCOMPARE(rows[23].choices, (QStringList{u"桌子"_s, u"椅子"_s, u"床"_s}));
}

void TestPictureWord::pictureGeneratedRows()
{
    const Vocabulary vocabulary = testVocabulary(1, 300);
    const QList<PictureWordQuestion> rows = PictureWordQuestion::generate(vocabulary);
    QCOMPARE(rows.size(), 300);
    const auto chars = [](std::initializer_list<int> indices) {
        QStringList out;
        for (int i : indices)
            out.append(hanzi(i));
        return out;
    };
    QCOMPARE(rows[0].choices, chars({0, 37, 113}));
    QCOMPARE(rows[1].choices, chars({38, 114, 1}));
    QCOMPARE(rows[2].choices, chars({115, 213, 2}));
    QCOMPARE(rows[3].choices, chars({214, 3, 40}));
    QCOMPARE(rows[4].choices, chars({4, 41, 117}));
    QCOMPARE(rows[299].choices, chars({210, 299, 36})); // wraps round the vocabulary
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].answer, hanzi(i));
        QVERIFY(rows[i].choices.contains(rows[i].answer));
        QCOMPARE(rows[i].image, vocabulary.chineseLiteracy()[i].emoji);
    }
    QCOMPARE(rows[7].image, vocabulary.chineseLiteracy()[1].emoji); // a cycle of six

    // The shipped bank: the hand-made rows, then one row per vocabulary character.
    PictureWordGame shipped;
    QCOMPARE(shipped.questions().size(), 24 + LearningContent::chineseLiteracy().size());
    QCOMPARE(shipped.questions()[24].answer, LearningContent::chineseLiteracy().first().character);
    for (const PictureWordQuestion &row : shipped.questions())
        QVERIFY(row.choices.contains(row.answer));
}

void TestPictureWord::picturePlayWithMistakes()
{
    GameTestWorld world(21);
    SpeechLog speech;
    PictureWordGame game;
    ReportLog log;
    log.attach(game);
    QCOMPARE(game.current().answer, u"小猫"_s);
    QCOMPARE(game.feedback(), u"看看图片，选出藏在里面的词"_s);
    QVERIFY(game.feedbackGood());
    game.appear();
    QCOMPARE(game.session().size(), 5);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 5 题"_s.arg(r + 1));
        QCOMPARE(game.prompt(), u"看看图片，选出最合适的词。"_s);
        const PictureWordQuestion q = game.current();
        const int right = tileOf(q.choices, q.answer);
        const int wrong = tileOf(q.choices, q.answer, false);
        if (r == 1 || r == 3) {
            game.choose(wrong);
            game.choose(wrong);
            QCOMPARE(game.tileStates()[wrong], kMango);
            QCOMPARE(game.feedback(), u"Oops，再仔细看看图片"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
        }
        game.choose(right);
        QCOMPARE(game.tileStates()[right], kMint);
        QCOMPARE(game.tileStates()[wrong], kWhite);
        QCOMPARE(game.feedback(), u"答对啦，就是“"_s + q.answer + u"”！"_s);
        QVERIFY(game.feedbackGood());
        game.choose(right);
        QCOMPARE(game.firstTryCorrect(), r + 1 - (r >= 1) - (r >= 3));
        world.clock.advance(679);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        if (r < 4) {
            QVERIFY(game.selected().isNull());
            QCOMPARE(game.feedback(), u"看看图片，选出藏在里面的词"_s);
        }
    }
    QCOMPARE(game.wrongAttempt(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    QVERIFY(speech.spoken().isEmpty());
}

void TestPictureWord::pictureOneCharacterVocabulary()
{
    GameTestWorld world;
    const Vocabulary fallback(LearningContentPayload::fallback());
    PictureWordGame game;
    game.setQuestions(PictureWordQuestion::all() + PictureWordQuestion::generate(fallback));
    QCOMPARE(game.questions().size(), 25);
    const PictureWordQuestion &last = game.questions().last();
    QCOMPARE(last.image, fallback.chineseLiteracy().first().emoji);
    QCOMPARE(last.choices, QStringList(3, u"猫"_s));

    // Any of its three tiles is right, and all three turn mint.
    game.setQuestions({last});
    ReportLog log;
    log.attach(game);
    game.appear();
    game.choose(2);
    QCOMPARE(game.tileStates(), QList<int>(3, kMint));
    world.clock.advance(680);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}


// The child leaves the page during the last pause: the game goes, the report still
// arrives once when the pause is over.
void TestPictureWord::reportSurvivesLeavingThePage()
{
    checkReportAfterLeaving<PictureWordGame>(680, [](PictureWordGame &game, ManualClock &clock) {
        playSingleChoice(game, clock, 680);
    });
}

QTEST_GUILESS_MAIN(TestPictureWord)
#include "tst_picture_word.moc"

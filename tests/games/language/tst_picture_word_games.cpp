// The phonics train, the picture words and the sentence maker played through their C++
// classes on the manual clock, and the rows of their banks.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "PhonicsTrainGame.h"
#include "PictureWordGame.h"
#include "SentenceMakerGame.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The looks of the tiles (ChoiceTile fills them mint, mango and white).
constexpr int kMint = TileState::Right;
constexpr int kMango = TileState::Picked;
constexpr int kWhite = TileState::Plain;

int tileOf(const QStringList &choices, const QString &answer, bool equal = true)
{
    for (int i = 0; i < choices.size(); ++i) {
        if ((choices[i] == answer) == equal)
            return i;
    }
    return -1;
}

// Plays the game to its last right answer, rightly at the first try; returns the pause.
using FinishPlay = std::function<int(RoundQuizGame &, ManualClock &)>;

int playSingleChoice(SingleChoiceGame &game, ManualClock &clock, int pauseMs)
{
    const int rounds = int(game.session().size());
    for (int r = 0; r < rounds; ++r) {
        game.choose(tileOf(game.choices(), game.answer()));
        if (r < rounds - 1)
            clock.advance(pauseMs);
    }
    return pauseMs;
}

void completeSentence(SentenceMakerGame &game)
{
    for (const QString &word : game.current().answer)
        game.pick(int(game.current().choices.indexOf(word)));
}

} // namespace

class TestPictureWordGames : public QObject
{
    Q_OBJECT
private slots:
    void phonicsBuiltInRows();
    void phonicsGeneratedRows();
    void phonicsPlayWithMistakes();
    void phonicsOneQuestionBank();
    void pictureBuiltInRows();
    void pictureGeneratedRows();
    void picturePlayWithMistakes();
    void pictureOneCharacterVocabulary();
    void sentenceBank();
    void sentencePlayWithMistakesAndReset();
    void sentenceEveryRoundMissed();
    void reportSurvivesLeavingThePage_data();
    void reportSurvivesLeavingThePage();
};

void TestPictureWordGames::phonicsBuiltInRows()
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

void TestPictureWordGames::phonicsGeneratedRows()
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

void TestPictureWordGames::phonicsPlayWithMistakes()
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

void TestPictureWordGames::phonicsOneQuestionBank()
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

void TestPictureWordGames::pictureBuiltInRows()
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

void TestPictureWordGames::pictureGeneratedRows()
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

void TestPictureWordGames::picturePlayWithMistakes()
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

void TestPictureWordGames::pictureOneCharacterVocabulary()
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

void TestPictureWordGames::sentenceBank()
{
    SentenceMakerGame game;
    const QList<SentencePuzzle> &puzzles = game.puzzles();
    QCOMPARE(puzzles.size(), 123);
    for (const SentencePuzzle &p : puzzles) {
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

void TestPictureWordGames::sentencePlayWithMistakesAndReset()
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

void TestPictureWordGames::sentenceEveryRoundMissed()
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

void TestPictureWordGames::reportSurvivesLeavingThePage_data()
{
    QTest::addColumn<QString>("gameId");
    QTest::newRow("phonics-train") << u"phonics-train"_s;
    QTest::newRow("idiom-pictures") << u"idiom-pictures"_s;
    QTest::newRow("sentence-maker") << u"sentence-maker"_s;
}

// The child leaves the page during the last pause: the game goes, the report still
// arrives once when the pause is over.
void TestPictureWordGames::reportSurvivesLeavingThePage()
{
    QFETCH(QString, gameId);
    GameTestWorld world;
    ReportLog log;
    int pauseMs = 0;
    {
        std::unique_ptr<RoundQuizGame> game;
        if (gameId == u"phonics-train"_s)
            game = std::make_unique<PhonicsTrainGame>();
        else if (gameId == u"idiom-pictures"_s)
            game = std::make_unique<PictureWordGame>();
        else
            game = std::make_unique<SentenceMakerGame>();
        log.attach(*game);
        game->appear();
        if (auto *sentences = qobject_cast<SentenceMakerGame *>(game.get())) {
            pauseMs = 720;
            for (int r = 0; r < 5; ++r) {
                completeSentence(*sentences);
                if (r < 4)
                    world.clock.advance(pauseMs);
            }
        } else {
            pauseMs = playSingleChoice(*qobject_cast<SingleChoiceGame *>(game.get()), world.clock,
                                       gameId == u"phonics-train"_s ? 700 : 680);
        }
        QVERIFY(game->locked());
        world.clock.advance(pauseMs - 1);
        QCOMPARE(log.count(), 0);
    }
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

QTEST_GUILESS_MAIN(TestPictureWordGames)
#include "tst_picture_word_games.moc"

// The character match played through its C++ class on the manual clock: the rotated
// choices, whole plays with and without mistakes, leaving during the last pause.

#include "ChineseMatchGame.h"
#include "GameTestSupport.h"
#include "LanguageTestData.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestChineseMatch : public QObject
{
    Q_OBJECT
private slots:
    void matchOffersTheRotatedChoices();
    void matchPlaysEightRoundsAndSpeaksEachQuestion();
    void matchCountsMistakesAndReportsAfterLeaving();
    void matchOnOneCharacterVocabulary();

private:
    static int rightTile(const QVariantList &tiles, const QString &answer)
    {
        for (int i = 0; i < tiles.size(); ++i) {
            if (tiles[i].toMap().value(u"text"_s).toString() == answer)
                return i;
        }
        return -1;
    }
    static int wrongTile(const QVariantList &tiles, const QString &answer)
    {
        for (int i = 0; i < tiles.size(); ++i) {
            if (tiles[i].toMap().value(u"text"_s).toString() != answer)
                return i;
        }
        return -1;
    }
};

void TestChineseMatch::matchOffersTheRotatedChoices()
{
    GameTestWorld world;
    const Vocabulary vocabulary = testVocabulary(1, 500);
    ChineseMatchGame game;
    game.setVocabulary(&vocabulary);
    // Before the pick the first row shows, with an empty counter.
    QCOMPARE(game.counter(), u"0 / 0"_s);
    QCOMPARE(game.question(), u"哪个字读 p0？"_s);
    QCOMPARE(game.choices(), (QStringList{hanzi(0), hanzi(37), hanzi(113), hanzi(211)}));
    QCOMPARE(game.emoji(), vocabulary.chineseLiteracy().first().emoji);

    // Whatever row a play starts on, its choices are the rows i, i + 37, i + 113 and
    // i + 211 (wrapping), rotated left by i mod 4.
    for (int play = 0; play < 30; ++play) {
        ChineseMatchGame probe;
        probe.setVocabulary(&vocabulary);
        probe.appear();
        const int i = probe.questionIndex();
        QStringList expected{hanzi(i), hanzi((i + 37) % 500), hanzi((i + 113) % 500), hanzi((i + 211) % 500)};
        expected = expected.mid(i % 4) + expected.first(i % 4);
        QCOMPARE(probe.choices(), expected);
        QCOMPARE(probe.choices().indexOf(hanzi(i)), (4 - i % 4) % 4);
    }
    // The shared vocabulary is the bank by default.
    ChineseMatchGame shipped;
    const QList<ChineseLiteracyItem> &characters = LearningContent::chineseLiteracy();
    const qsizetype n = characters.size();
    QCOMPARE(shipped.item(), characters.first());
    QCOMPARE(shipped.choices(), (QStringList{characters[0].character, characters[37 % n].character,
                                             characters[113 % n].character, characters[211 % n].character}));
    const QVariantMap tile = game.tiles().first().toMap();
    QCOMPARE(tile.value(u"pinyin"_s).toString(), u"p0"_s);
}

void TestChineseMatch::matchPlaysEightRoundsAndSpeaksEachQuestion()
{
    GameTestWorld world;
    const Vocabulary vocabulary = testVocabulary(1, 500);
    SpeechLog speech;
    ChineseMatchGame game;
    game.setVocabulary(&vocabulary);
    ReportLog log;
    log.attach(game);

    game.appear();
    game.appear(); // coming back on screen neither re-picks nor speaks again
    QCOMPARE(game.session().size(), 8);
    QCOMPARE(game.counter(), u"1 / 8"_s);
    QCOMPARE(speech.spoken(), QStringList{u"请听题，请选择这个读音对应的汉字。"_s + game.item().character});

    for (int r = 0; r < 8; ++r) {
        const ChineseLiteracyItem item = game.item();
        QCOMPARE(game.question(), u"哪个字读 "_s + item.pinyin + u"？"_s);
        game.choose(rightTile(game.tiles(), item.character));
        QCOMPARE(game.feedback(), u"就是“"_s + item.character + u"”！读作 "_s + item.pinyin);
        QVERIFY(game.feedbackGood());
        // The tile speakers still work during the pause and change nothing.
        game.speakChoice(0);
        QCOMPARE(speech.spoken(), QStringList{game.choices().first()});
        world.clock.advance(750);
        if (r < 7) {
            QVERIFY(game.feedback().isEmpty());
            QCOMPARE(speech.spoken().size(), 1); // the next question
        }
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QCOMPARE(game.counter(), u"8 / 8"_s);
}

void TestChineseMatch::matchCountsMistakesAndReportsAfterLeaving()
{
    GameTestWorld world;
    const Vocabulary vocabulary = testVocabulary(1, 500);
    ReportLog log;
    auto *game = new ChineseMatchGame;
    game->setVocabulary(&vocabulary);
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 8; ++r) {
        const QString answer = game->item().character;
        if (r == 2 || r == 5) {
            game->choose(wrongTile(game->tiles(), answer));
            QCOMPARE(game->feedback(), u"再看看图片，慢慢来"_s);
            QVERIFY(!game->feedbackGood());
            QVERIFY(!game->locked());
        }
        game->choose(rightTile(game->tiles(), answer));
        if (r < 7)
            world.clock.advance(750);
    }
    QCOMPARE(game->firstTryCorrect(), 6);
    QCOMPARE(game->wrongAttempt(), 2);
    delete game; // the child leaves during the last pause
    world.clock.advance(750);
    QCOMPARE(log.only(), (ReportLog::Report{90, 3}));
}

void TestChineseMatch::matchOnOneCharacterVocabulary()
{
    GameTestWorld world;
    const Vocabulary vocabulary(LearningContentPayload::fallback());
    ChineseMatchGame game;
    game.setVocabulary(&vocabulary);
    ReportLog log;
    log.attach(game);
    game.appear();
    QCOMPARE(game.session(), QList<int>{0});
    QCOMPARE(game.choices(), QStringList(4, u"猫"_s));
    game.choose(3);
    QCOMPARE(game.feedback(), u"就是“猫”！读作 māo"_s);
    world.clock.advance(750);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_GUILESS_MAIN(TestChineseMatch)
#include "tst_chinese_match.moc"

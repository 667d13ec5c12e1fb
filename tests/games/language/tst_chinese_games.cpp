#include "ChineseMatchGame.h"
#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "RadicalBuilderGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestChineseGames : public QObject
{
    Q_OBJECT
private slots:
    void matchOffersTheRotatedChoices();
    void matchPlaysEightRoundsAndSpeaksEachQuestion();
    void matchCountsMistakesAndReportsAfterLeaving();
    void matchOnOneCharacterVocabulary();
    void radicalTableRows();
    void radicalPlayWithMistakes();
    void radicalReportSurvivesLeavingThePage();

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

void TestChineseGames::matchOffersTheRotatedChoices()
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

void TestChineseGames::matchPlaysEightRoundsAndSpeaksEachQuestion()
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

void TestChineseGames::matchCountsMistakesAndReportsAfterLeaving()
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

void TestChineseGames::matchOnOneCharacterVocabulary()
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

void TestChineseGames::radicalTableRows()
{
    const QList<RadicalQuestion> &all = RadicalQuestion::all();
    QCOMPARE(all.size(), 20);
    QCOMPARE(all[0].parts, (QStringList{u"木"_s, u"木"_s}));
    QCOMPARE(all[0].answer, u"林"_s);
    QCOMPARE(all[0].choices, (QStringList{u"林"_s, u"休"_s, u"本"_s, u"术"_s}));
    QCOMPARE(all[6].choices.indexOf(u"男"_s), 2);
    QCOMPARE(all[9].parts, (QStringList{u"木"_s, u"木"_s, u"木"_s}));
    QCOMPARE(all[9].choices, (QStringList{u"林"_s, u"森"_s, u"品"_s, u"众"_s}));
    QCOMPARE(all[15].parts, (QStringList{u"宀"_s, u"豕"_s}));
    QCOMPARE(all[19].answer, u"鸣"_s);
    QCOMPARE(all[19].pinyin, u"míng"_s);
    QCOMPARE(all[19].meaning, u"鸟鸣"_s);
    QCOMPARE(all[19].choices, (QStringList{u"鸣"_s, u"吗"_s, u"唱"_s, u"吹"_s}));
    QSet<QString> parts;
    for (int i = 0; i < all.size(); ++i) {
        QCOMPARE(all[i].choices.size(), 4);
        QCOMPARE(all[i].choices.count(all[i].answer), 1);
        QVERIFY(all[i].choices.indexOf(all[i].answer) < 3);
        QVERIFY(all[i].meaning.contains(all[i].answer));
        parts.insert(all[i].parts.join(u'|'));
        // Four pictures carry the emoji presentation selector.
        const bool selector = (i == 7 || i == 10 || i == 13 || i == 14);
        QCOMPARE(all[i].emoji.endsWith(QChar(0xFE0F)), selector);
    }
    QCOMPARE(parts.size(), 20);
    QCOMPARE(all[10].emoji, u"\u2B50\uFE0F"_s);
}

void TestChineseGames::radicalPlayWithMistakes()
{
    GameTestWorld world;
    RadicalBuilderGame game;
    ReportLog log;
    log.attach(game);
    // Until the page appears the first five rows stand.
    QCOMPARE(game.session(), (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(game.feedback(), u"看看这些部件能拼成哪个字"_s);
    QVERIFY(!game.feedbackGood());
    // Those rows take no answer before the page has picked the play's rows.
    game.choose(0);
    game.choose(3);
    QVERIFY(!game.locked());
    QCOMPARE(game.wrongAttempt(), 0);
    QCOMPARE(game.feedback(), u"看看这些部件能拼成哪个字"_s);
    world.settings.setInteger(u"pipwhistle.lastLevel.v1.radical-builder"_s, 0);
    game.appear();
    QCOMPARE(game.session().size(), 5);
    QVERIFY(game.session().first() != 0);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game.counter(), u"第 %1/5 关"_s.arg(r + 1));
        QCOMPARE(game.feedback(), u"看看这些部件能拼成哪个字"_s);
        const RadicalQuestion q = game.current();
        QCOMPARE(game.prompt(), q.parts.join(u" 加 "_s) + u"，可以拼成哪个字？"_s);
        QCOMPARE(game.meaningLine(), q.meaning + u" · "_s + q.pinyin);
        if (r < 2) {
            game.choose(3); // never the answer
            game.choose(3);
            QCOMPARE(game.feedback(), u"再把两边的部件合在一起看看"_s);
            QVERIFY(!game.feedbackGood());
        }
        game.choose(q.choices.indexOf(q.answer));
        QCOMPARE(game.feedback(), u"拼出“"_s + q.answer + u"”啦！"_s + q.parts.join(u" + "_s) + u" = "_s + q.answer);
        QVERIFY(game.feedbackGood());
        game.choose(3); // ignored during the pause
        world.clock.advance(700);
    }
    QCOMPARE(game.wrongAttempt(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestChineseGames::radicalReportSurvivesLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    {
        RadicalBuilderGame game;
        log.attach(game);
        game.appear();
        for (int r = 0; r < 5; ++r) {
            const RadicalQuestion q = game.current();
            if (r == 4)
                game.choose(3);
            game.choose(q.choices.indexOf(q.answer));
            if (r < 4)
                world.clock.advance(700);
        }
    }
    world.clock.advance(699);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
}

QTEST_GUILESS_MAIN(TestChineseGames)
#include "tst_chinese_games.moc"

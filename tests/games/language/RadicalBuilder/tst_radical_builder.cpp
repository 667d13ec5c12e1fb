// The radical builder played through its C++ class on the manual clock: its table rows,
// a play with mistakes, leaving during the last pause.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "RadicalBuilderGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestRadicalBuilder : public QObject
{
    Q_OBJECT
private slots:
    void radicalTableRows();
    void radicalPlayWithMistakes();
    void radicalReportSurvivesLeavingThePage();
};

void TestRadicalBuilder::radicalTableRows()
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
        QCOMPARE(withoutPresetReading(all[i].choices), QString());
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

void TestRadicalBuilder::radicalPlayWithMistakes()
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

void TestRadicalBuilder::radicalReportSurvivesLeavingThePage()
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

QTEST_GUILESS_MAIN(TestRadicalBuilder)
#include "tst_radical_builder.moc"

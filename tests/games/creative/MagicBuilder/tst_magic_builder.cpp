// The fairy-tale builder played through its class: the picked part placed in any cell,
// a filled cell changed but not counted twice, the finish control from six cells on,
// the one report, and building on after it.

#include "GameTestSupport.h"
#include "MagicBuilderGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestMagicBuilder : public QObject
{
    Q_OBJECT
private slots:
    void buildsAndReportsOnce()
    {
        GameTestWorld world;
        world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
        SpeechLog speech;
        MagicBuilderGame game;
        ReportLog log;
        log.attach(game);
        game.appear();
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + MagicBuilderGame::instruction()});
        QCOMPARE(game.selected(), 0);
        QCOMPARE(game.cells(), QStringList(12, QString()));

        // Before any pick, a wall; the same cell six times fills one cell.
        for (int i = 0; i < 6; ++i)
            game.place(5);
        QCOMPARE(game.filledCount(), 1);
        QCOMPARE(game.cells().at(5), u"🧱"_s);
        game.pick(1);
        game.place(5);
        QCOMPARE(game.filledCount(), 1);
        QCOMPARE(game.cells().at(5), u"🏰"_s);
        for (int cell : {0, 1, 2, 3})
            game.place(cell);
        QCOMPARE(game.selected(), 1); // stays picked
        QVERIFY(!game.canFinish());
        game.finish();
        QCOMPARE(log.count(), 0);
        game.pick(5);
        game.place(11);
        QVERIFY(game.canFinish());
        QCOMPARE(game.cells().at(11), u"🏮"_s);
        QVERIFY(speech.spoken().isEmpty()); // placing is silent

        game.finish();
        QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
        QCOMPARE(game.finishTitle(), u"小屋已点亮"_s);
        QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
        game.finish();
        QCOMPARE(log.count(), 1);
        // Building goes on after finishing; nothing reports again.
        game.pick(3);
        for (int cell = 0; cell < 12; ++cell)
            game.place(cell);
        QCOMPARE(game.cells(), QStringList(12, u"🪟"_s));
        QCOMPARE(log.count(), 1);
    }
};

QTEST_MAIN(TestMagicBuilder)
#include "tst_magic_builder.moc"

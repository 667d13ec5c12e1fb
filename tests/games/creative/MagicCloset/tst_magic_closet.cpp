// The dress-up closet played through its class: the look changed by drags longer than
// 55 points (a ring of three, stored at once, any stored integer wrapped without
// overflow), look and accessory taps flipping the stance, the one report, and the look
// kept for the next play.

#include "GameTestSupport.h"
#include "MagicClosetGame.h"

#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

void dragDoll(MagicClosetGame &game, qreal travel)
{
    DragTracker *drag = game.stageDrag();
    drag->press(300, 200);
    drag->move(300 + travel / 2, 204);
    drag->move(300 + travel, 210);
    drag->release(300 + travel, 210);
}

const QString key = QLatin1String(MagicClosetGame::lookKey);

} // namespace

class TestMagicCloset : public QObject
{
    Q_OBJECT
private slots:
    void dressesUpAndKeepsTheLook()
    {
        GameTestWorld world;
        world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
        SpeechLog speech;
        ReportLog log;
        {
            MagicClosetGame game;
            log.attach(game);
            game.appear();
            QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + MagicClosetGame::instruction()});
            QCOMPARE(game.lookImage(), u"doll_3d_casual"_s);
            QCOMPARE(game.lookTitle(), u"清新日常"_s);
            QCOMPARE(game.lookIndex(), 0);
            QCOMPARE(game.accessory(), u"✨"_s);
            QVERIFY(!game.isPosing());
            QCOMPARE(game.finishTitle(), u"完成造型"_s);

            // The doll turns with the drag and swings back; 55 points change nothing.
            DragTracker *drag = game.stageDrag();
            drag->press(300, 200);
            drag->move(311, 200); // under 12 points: no drag yet
            QCOMPARE(game.dragX(), 0.0);
            drag->move(260, 230);
            QCOMPARE(game.dragX(), -40.0);
            drag->release(245, 230);
            QCOMPARE(game.dragX(), 0.0);
            QVERIFY(!world.settings.contains(key));
            dragDoll(game, 55);
            QVERIFY(!world.settings.contains(key));

            // 56 to the left: the next look, stored at once; the ring closes both ways.
            dragDoll(game, -56);
            QCOMPARE(world.settings.integer(key), 1);
            QCOMPARE(game.lookTitle(), u"月光魔法"_s);
            dragDoll(game, -90);
            dragDoll(game, -90);
            QCOMPARE(world.settings.integer(key), 0);
            dragDoll(game, 56);
            QCOMPARE(world.settings.integer(key), 2);
            QCOMPARE(game.lookImage(), u"doll_3d_barista"_s);
            QVERIFY(!game.isPosing()); // a drag never flips the stance

            // Taps flip the stance, the same look too; two accessory taps rest again.
            game.tapLook(2);
            QVERIFY(game.isPosing());
            game.tapLook(0);
            QVERIFY(!game.isPosing());
            QCOMPARE(world.settings.integer(key), 0);
            game.tapAccessory(1);
            game.tapAccessory(5);
            QCOMPARE(game.accessory(), u"🎀"_s);
            QVERIFY(!game.isPosing());
            game.tapAccessory(5);
            QCOMPARE(game.accessory(), u"🎀"_s);
            QVERIFY(game.isPosing());
            game.tapLook(1);
            speech.spoken();

            game.finish();
            QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
            QVERIFY(game.celebrated());
            QCOMPARE(game.finishTitle(), u"造型已收藏"_s);
            QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
            game.finish();
            QCOMPARE(log.count(), 1);
            QVERIFY(speech.spoken().isEmpty());
            // Looks still change after finishing, and are stored.
            dragDoll(game, -70);
            QCOMPARE(world.settings.integer(key), 2);
        }
        // The next play opens on the last look, with the sparkles worn again.
        MagicClosetGame next;
        QCOMPARE(next.lookTitle(), u"奶茶店长"_s);
        QCOMPARE(next.accessory(), u"✨"_s);
        QVERIFY(!next.celebrated());
    }

    void wrapsAnyStoredIndex_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<qint64>("afterLeft");
        QTest::addColumn<qint64>("afterRight");
        QTest::newRow("-4") << qint64(-4) << 2 << qint64(0) << qint64(1);
        QTest::newRow("7") << qint64(7) << 1 << qint64(2) << qint64(0);
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << 1 << qint64(2) << qint64(0);
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << 1 << qint64(2) << qint64(0);
    }
    void wrapsAnyStoredIndex()
    {
        QFETCH(qint64, stored);
        GameTestWorld world;
        world.settings.setInteger(key, stored);
        MagicClosetGame game;
        QFETCH(int, shown);
        QCOMPARE(game.shownLook(), shown);
        QCOMPARE(game.lookIndex(), stored); // no row is marked
        dragDoll(game, -60);
        QFETCH(qint64, afterLeft);
        QCOMPARE(world.settings.integer(key), afterLeft);
        world.settings.setInteger(key, stored);
        dragDoll(game, 60);
        QFETCH(qint64, afterRight);
        QCOMPARE(world.settings.integer(key), afterRight);
    }
};

QTEST_MAIN(TestMagicCloset)
#include "tst_magic_closet.moc"

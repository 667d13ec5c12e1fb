// Pet care played through its class: the four tasks once each in any order, the
// success sound on the fourth, the one report from the finish control, and the two
// settings shown as they are stored.

#include "GameTestSupport.h"
#include "PetCareGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPetCare : public QObject
{
    Q_OBJECT
private slots:
    void caresForThePetInAnyOrderAndReportsOnce()
    {
        GameTestWorld world;
        world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
        SpeechLog speech;
        PetCareGame game;
        ReportLog log;
        log.attach(game);
        game.appear();
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + PetCareGame::instruction()});
        QCOMPARE(game.pet(), u"🦊"_s);
        QCOMPARE(game.petAccessory(), QString());
        QCOMPARE(game.counter(), u"\u2764\uFE0F 0/4"_s);
        QCOMPARE(game.moodMark(), u"✨"_s);
        QCOMPARE(game.status(), u"等你来帮忙"_s);
        QCOMPARE(game.feedback(), u"小宠物在等你照顾它。"_s);

        game.finish(); // no finish control yet
        QCOMPARE(log.count(), 0);

        // Bedtime first: the mood mark sleeps at once.
        game.doTask(3);
        QCOMPARE(game.moodMark(), u"💤"_s);
        QCOMPARE(game.feedback(), u"盖好小被子，晚安！"_s);
        game.doTask(1);
        game.doTask(3); // done: ignored
        QCOMPARE(game.feedback(), u"洗得香喷喷！"_s);
        QCOMPARE(game.counter(), u"\u2764\uFE0F 2/4"_s);
        game.doTask(0);
        QVERIFY(!game.caredFor());
        QVERIFY(speech.spoken().isEmpty());
        game.doTask(2);
        QVERIFY(game.caredFor());
        QCOMPARE(game.status(), u"开心得转圈圈！"_s);
        QCOMPARE(game.feedback(), u"接到球啦，真开心！"_s);
        QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
        game.doTask(2);
        QVERIFY(speech.spoken().isEmpty());
        QCOMPARE(game.finishTitle(), u"照顾完成，点亮爱心徽章"_s);

        game.finish();
        QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
        QCOMPARE(game.finishTitle(), u"爱心徽章已点亮"_s);
        QCOMPARE(game.feedback(), u"接到球啦，真开心！"_s);
        QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
        game.finish();
        QCOMPARE(log.count(), 1);
        QVERIFY(speech.spoken().isEmpty());
    }

    void showsTheStoredPetAsItIs()
    {
        GameTestWorld world; // sounds off: the instruction is still read
        SpeechLog speech;
        world.settings.setString(QLatin1String(PetCareGame::petKey), u"<b>🐰</b>"_s);
        world.settings.setString(QLatin1String(PetCareGame::accessoryKey), u"🎀"_s);
        PetCareGame game;
        QCOMPARE(game.pet(), u"<b>🐰</b>"_s);
        QCOMPARE(game.petAccessory(), u"🎀"_s);
        world.settings.setString(QLatin1String(PetCareGame::accessoryKey), QString());
        game.appear();
        QCOMPARE(game.petAccessory(), QString());
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + PetCareGame::instruction()});
        for (int i = 0; i < 4; ++i)
            game.doTask(i);
        game.finish();
        QVERIFY(speech.spoken().isEmpty());
    }
};

QTEST_MAIN(TestPetCare)
#include "tst_pet_care.moc"

// The milk-tea bakery played through its class: flavour and toppings in any order, the
// cup that only moves once both are there, shakes counted at release by their sideways
// travel, seal and give with the report once; the cup's colour and topping pictures;
// the chips' drop distance and taps.

#include "AppTheme.h"
#include "GameTestSupport.h"
#include "MagicBakeryGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A drag on the tracker from (100, 100) through `path` (offsets), released at the last.
void drag(DragTracker *tracker, const QList<QPointF> &path)
{
    const QPointF start(100, 100);
    tracker->press(start.x(), start.y());
    for (const QPointF &p : path)
        tracker->move(start.x() + p.x(), start.y() + p.y());
    const QPointF end = start + (path.isEmpty() ? QPointF() : path.last());
    tracker->release(end.x(), end.y());
}

void shake(MagicBakeryGame &game, qreal dx)
{
    drag(game.stageDrag(), {{dx / 2, 3}, {dx, 8}});
}

} // namespace

class TestMagicBakery : public QObject
{
    Q_OBJECT
private slots:
    void makesOneDrinkAndGivesItOnce()
    {
        GameTestWorld world;
        world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
        SpeechLog speech;
        MagicBakeryGame game;
        ReportLog log;
        log.attach(game);

        game.appear();
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + MagicBakeryGame::instruction()});
        QCOMPARE(game.headerLine(), u"先选择一种奶茶口味。"_s);
        QCOMPARE(game.badge(), u"口味 · 配料 · 摇一摇 · 封杯"_s);
        QCOMPARE(game.stageCaption(), u"把配料拖进杯子里"_s);
        QVERIFY(!game.canSeal());

        // Toppings first: pearls twice stay one; a chip let go 25 points away (or a
        // 5-point wiggle, which is no drag) adds nothing; a tap adds.
        QList<DragTracker *> chips = game.chipDrags();
        QCOMPARE(chips.size(), 4);
        drag(chips[0], {{10, 0}, {30, 0}});
        QCOMPARE(game.chosen(), QStringList{u"珍珠"_s});
        QCOMPARE(game.feedback(), u"再放一种配料吧。"_s);
        chips[0]->press(0, 0);
        chips[0]->release(1, 1);
        QCOMPARE(game.chosen(), QStringList{u"珍珠"_s});
        QCOMPARE(game.feedback(), u"再放一种配料吧。"_s);
        drag(chips[1], {{15, 20}}); // exactly 25
        drag(chips[1], {{3, 4}});
        QCOMPARE(game.chosen().size(), 1);
        drag(chips[1], {{20, 20}}); // about 28.3, down and right
        QCOMPARE(game.chosen(), (QStringList{u"珍珠"_s, u"布丁"_s}));
        QCOMPARE(game.feedback(), u"抓住中间的杯子，左右摇三次。"_s);

        // No flavour yet: the cup does not move and counts nothing.
        QVERIFY(!game.readyForShake());
        game.stageDrag()->press(0, 0);
        game.stageDrag()->move(80, 0);
        QCOMPARE(game.cupDrag(), QPointF());
        game.stageDrag()->release(80, 0);
        QCOMPARE(game.shakes(), 0);

        game.chooseBase(u"可可奶茶"_s);
        QCOMPARE(game.feedback(), u"把至少两种配料拖进杯子。"_s);
        QCOMPARE(game.stageCaption(), u"抓住杯子左右摇动 0/3"_s);

        // The cup follows the finger; only the sideways travel at release counts.
        game.stageDrag()->press(0, 0);
        game.stageDrag()->move(100, 30);
        QCOMPARE(game.cupDrag(), QPointF(100, 30));
        game.stageDrag()->move(2, 0);
        game.stageDrag()->release(2, 0);
        QCOMPARE(game.cupDrag(), QPointF());
        QCOMPARE(game.shakes(), 0);
        shake(game, 45);
        drag(game.stageDrag(), {{0, 200}});
        QCOMPARE(game.shakes(), 0);
        shake(game, -46);
        QCOMPARE(game.shakes(), 1);
        QCOMPARE(game.feedback(), u"再摇一摇，奶茶会更香！"_s);
        shake(game, 60);
        QVERIFY(!game.canSeal());
        game.seal(); // not ready: nothing
        QVERIFY(!game.sealed());
        shake(game, -60);
        QCOMPARE(game.stageCaption(), u"抓住杯子左右摇动 3/3"_s);
        QCOMPARE(game.feedback(), u"摇匀啦，现在给奶茶封杯。"_s);
        QVERIFY(game.canSeal());
        game.chooseBase(u"茉莉奶绿"_s);
        shake(game, 90);
        QCOMPARE(game.shakes(), 3);
        QCOMPARE(game.feedback(), u"摇匀啦，现在给奶茶封杯。"_s);
        game.chooseBase(u"可可奶茶"_s);
        speech.spoken();

        game.seal();
        QVERIFY(game.sealed());
        QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
        QCOMPARE(game.headerLine(), u"你的招牌奶茶完成啦！"_s);
        QCOMPARE(game.badge(), u"✨ 完成"_s);
        QCOMPARE(game.stageCaption(), u"✨ 可可奶茶 · 梦幻特调"_s);
        QCOMPARE(game.sealTitle(), u"奶茶已封杯"_s);
        QVERIFY(game.readyToSeal()); // keeps its mango look
        QVERIFY(!game.canSeal());
        game.seal(); // sealing a sealed cup does nothing
        QVERIFY(speech.spoken().isEmpty());

        // After sealing the cup stays still; a new flavour shows in the caption only.
        shake(game, 80);
        QCOMPARE(game.cupDrag(), QPointF());
        game.chooseBase(u"草莓牛乳"_s);
        QCOMPARE(game.stageCaption(), u"✨ 草莓牛乳 · 梦幻特调"_s);
        QCOMPARE(game.headerLine(), u"你的招牌奶茶完成啦！"_s);

        QCOMPARE(log.count(), 0);
        game.give();
        QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
        QVERIFY(game.finished());
        QCOMPARE(game.giveTitle(), u"已经送到啦"_s);
        QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
        game.give();
        QCOMPARE(log.count(), 1);
        QCOMPARE(world.clock.pendingCount(), 0);
    }

    void givesNothingBeforeSealingAndIsSilentWithSoundsOff()
    {
        GameTestWorld world; // feedback sounds off
        SpeechLog speech;
        MagicBakeryGame game;
        ReportLog log;
        log.attach(game);
        game.give();
        QCOMPARE(log.count(), 0);
        game.appear();
        game.chooseBase(u"草莓牛乳"_s);
        game.dropTopping(u"草莓"_s);
        game.dropTopping(u"星星糖"_s);
        for (int i = 0; i < 3; ++i)
            shake(game, 50);
        game.seal();
        game.give();
        QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + MagicBakeryGame::instruction()});
    }

    void cupShowsTheFlavourAndToppings()
    {
        QColor coral = AppTheme::coral();
        coral.setAlphaF(0.72f);
        QColor mint = AppTheme::mint();
        mint.setAlphaF(0.7f);
        QCOMPARE(MilkTea::drinkColor(u"草莓牛乳"_s), coral);
        QCOMPARE(MilkTea::drinkColor(u"可可草莓"_s), coral); // strawberry is tested first
        QCOMPARE(MilkTea::drinkColor(u"可可奶茶"_s), QColor::fromRgbF(0.48f, 0.27f, 0.16f));
        QCOMPARE(MilkTea::drinkColor(u"茉莉奶绿"_s), mint);
        QCOMPARE(MilkTea::drinkColor(u"柠檬"_s), mint);
        QCOMPARE(qRound(MilkTea::drinkColor(QString()).alphaF() * 100), 50);
        QCOMPARE(MilkTea::label(QString()), u"选择口味"_s);
        QVERIFY(MilkTea::hasPearls({u"珍珠"_s}));
        QCOMPARE(MilkTea::toppingLine({u"珍珠"_s}), QString());
        QCOMPARE(MilkTea::toppingLine({u"珍珠"_s, u"布丁"_s, u"椰果"_s, u"星星糖"_s, u"草莓"_s}),
                 u"🍮\u2B50\uFE0F🍓"_s);
    }
};

QTEST_MAIN(TestMagicBakery)
#include "tst_magic_bakery.moc"

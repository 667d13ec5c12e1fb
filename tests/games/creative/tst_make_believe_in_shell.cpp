// The make-believe games played in the running application with the mouse: opened from
// the dress-up shelf, the doll and the cup dragged, topping chips dropped, cards tapped,
// finished on the completion card with the play saved; at 1180 × 820 and at 800 × 600.

#include "MagicBakeryGame.h"
#include "MagicBuilderGame.h"
#include "MagicClosetGame.h"
#include "PetCareGame.h"
#include "CreativeShellTest.h"

using namespace CreativeShell;

class TestMakeBelieveInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }

    void dressesTheDoll_data() { sizes(); }
    void dressesTheDoll()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        const auto [view, game] = openPlay<MagicClosetGame>(f, u"magic-closet"_s, windowSize);
        QVERIFY(view && game);
        QQuickItem *doll = named(view, u"doll"_s);
        QVERIFY(doll);
        // Drags in the stage's own points (the page is drawn smaller in a small window).
        QQuickItem *stage = named(view, u"stage"_s);
        const QPointF middle(stage->width() / 2, stage->height() / 2);
        const auto at = [&](QPointF local) { return stage->mapToScene(middle + local).toPoint(); };
        // A short drag only swings back; a long one to the left shows the next look.
        dragIn(stage, middle, QPointF(-50, 0));
        QCOMPARE(game->shownLook(), 0);
        QTest::mousePress(f.window(), Qt::LeftButton, Qt::NoModifier, at({0, 0}), 30);
        QTest::mouseMove(f.window(), at({-40, 0}), 5);
        QTest::mouseMove(f.window(), at({-80, 0}), 5);
        QVERIFY(qAbs(game->dragX() + 80) < 2);
        QTest::mouseRelease(f.window(), Qt::LeftButton, Qt::NoModifier, at({-80, 0}), 5);
        QCOMPARE(game->shownLook(), 1);
        QCOMPARE(f.settings.integer(QLatin1String(MagicClosetGame::lookKey)), 1);
        QCOMPARE(game->dragX(), 0.0);
        dragIn(stage, middle, QPointF(90, 10));
        QCOMPARE(game->shownLook(), 0);
        QVERIFY(f.clickInWindow(view, u"look1"_s));
        QVERIFY(f.clickInWindow(view, u"accessory1"_s));
        QCOMPARE(game->accessory(), u"👑"_s);
        QVERIFY(!game->isPosing());
        grab(f.window(), u"magic-closet"_s);
        QVERIFY(f.clickInWindow(view, u"finish"_s));
        QVERIFY(game->celebrated());
        finishes(f, u"magic-closet"_s, 100, 3);
    }

    void caresForThePet_data() { sizes(); }
    void caresForThePet()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        f.settings.setString(QLatin1String(PetCareGame::petKey), u"<i>🐰</i>"_s);
        f.settings.setString(QLatin1String(PetCareGame::accessoryKey), u"🎀"_s);
        const auto [view, game] = openPlay<PetCareGame>(f, u"pet-care"_s, windowSize);
        QVERIFY(view && game);
        // The stored pet is shown as it is stored, markup and all.
        QQuickItem *pet = named(view, u"pet"_s);
        QCOMPARE(pet->property("textFormat").toInt(), int(Qt::PlainText));
        QVERIFY(pet->property("text").toString().contains(u"<i>"_s));
        // The accessory keeps its place under the pet and is drawn 105 points higher.
        QQuickItem *accessory = named(view, u"petAccessory"_s);
        const QRectF petAt = pet->mapRectToScene(pet->boundingRect());
        const QRectF accessoryAt = accessory->mapRectToScene(accessory->boundingRect());
        const qreal scale = petAt.height() / pet->height();
        QVERIFY(qAbs(accessoryAt.top() - (petAt.bottom() + (7 - 105) * scale)) < 1);
        for (int task : {3, 0, 2}) {
            QVERIFY(f.clickInWindow(view, u"task%1"_s.arg(task)));
        }
        QVERIFY(!ShellTest::findNamed(view, u"finish"_s)); // not there yet
        QVERIFY(f.clickInWindow(view, u"task1"_s));
        QVERIFY(ShellFixture::bubbleShows(view, u"洗得香喷喷！"_s));
        grab(f.window(), u"pet-care"_s);
        QVERIFY(f.clickInWindow(view, u"finish"_s));
        finishes(f, u"pet-care"_s, 100, 3);
    }

    void buildsTheCottage_data() { sizes(); }
    void buildsTheCottage()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        const auto [view, game] = openPlay<MagicBuilderGame>(f, u"magic-builder"_s, windowSize);
        QVERIFY(view && game);
        QVERIFY(f.clickInWindow(view, u"cell0"_s));
        QVERIFY(f.clickInWindow(view, u"part1"_s));
        for (int cell : {1, 2, 3, 0})
            QVERIFY(f.clickInWindow(view, u"cell%1"_s.arg(cell)));
        QCOMPARE(game->filledCount(), 4);
        QVERIFY(f.clickInWindow(view, u"part4"_s));
        QVERIFY(f.clickInWindow(view, u"cell8"_s));
        QVERIFY(!ShellTest::findNamed(view, u"finish"_s)); // not there yet
        QVERIFY(f.clickInWindow(view, u"cell11"_s));
        grab(f.window(), u"magic-builder"_s);
        QVERIFY(f.clickInWindow(view, u"finish"_s));
        finishes(f, u"magic-builder"_s, 100, 3);
    }

    // The milk-tea shop's side panels take their shares of the game's width at every size,
    // whatever size the window had before, and the shopkeeper stands whole in hers.
    void milkTeaPanelsFollowTheWidth_data() { sizes(); }
    void milkTeaPanelsFollowTheWidth()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        QQuickItem *view = openPlay<MagicBakeryGame>(f, u"magic-bakery"_s, windowSize).first;
        QVERIFY(view);
        for (const QSize size : {windowSize, QSize(900, 640), QSize(1366, 1024), QSize(900, 640)}) {
            f.window()->resize(size);
            QTest::qWait(50);
            QQuickItem *barista = named(view, u"baristaPanel"_s);
            QQuickItem *stage = named(view, u"stagePanel"_s);
            QQuickItem *controls = named(view, u"controlsPanel"_s);
            QQuickItem *row = barista->parentItem();
            const QString at = u"%1x%2 after %3x%4"_s.arg(size.width()).arg(size.height()).arg(windowSize.width()).arg(windowSize.height());
            const qreal area = view->width() - 16; // the shop's frame inside the game area
            QVERIFY2(qAbs(barista->width() - qMin(0.24 * area, 235.0)) < 0.5, qPrintable(at));
            QVERIFY2(qAbs(controls->width() - qMin(0.33 * area, 315.0)) < 0.5, qPrintable(at));
            QVERIFY2(qAbs(barista->width() + stage->width() + controls->width() + 20 - row->width()) < 1, qPrintable(at));
            QQuickItem *figure = named(view, u"barista"_s);
            const QRectF drawn = barista->mapRectFromItem(figure, figure->boundingRect());
            QVERIFY2(drawn.top() >= 0 && drawn.bottom() <= barista->height() - 40, qPrintable(at));
        }
    }

    void makesMilkTea_data() { sizes(); }
    void makesMilkTea()
    {
        QFETCH(QSize, windowSize);
        ShellFixture f;
        const auto [view, game] = openPlay<MagicBakeryGame>(f, u"magic-bakery"_s, windowSize);
        QVERIFY(view && game);
        QQuickItem *cup = named(view, u"cupStage"_s);
        const QPointF cupCentre = sceneCentre(cup);

        // Chips: one dragged to the cup, one tapped, one let go 20 points away.
        QQuickItem *pearls = named(view, u"topping0"_s);
        QVERIFY(inWindow(pearls));
        drag(f.window(), sceneCentre(pearls), cupCentre - sceneCentre(pearls), 8);
        QCOMPARE(game->chosen(), QStringList{u"珍珠"_s});
        drag(f.window(), sceneCentre(named(view, u"topping1"_s)), QPointF(-20, 0), 4);
        QCOMPARE(game->chosen().size(), 1);
        QVERIFY(f.clickInWindow(view, u"topping3"_s));
        QCOMPARE(game->chosen(), (QStringList{u"珍珠"_s, u"星星糖"_s}));

        // No flavour yet: the cup stays still. The swings are given in the points of the
        // panel the cup stands on.
        QQuickItem *panel = named(view, u"stagePanel"_s);
        const QPointF cupAt = panel->mapFromItem(cup, QPointF(cup->width() / 2, cup->height() / 2));
        dragIn(panel, cupAt, QPointF(80, 0));
        QCOMPARE(game->shakes(), 0);
        QVERIFY(f.clickInWindow(view, u"flavour1"_s));
        grab(f.window(), u"magic-bakery-cup"_s);
        // Three sideways swings, the cup following the finger.
        for (int i = 0; i < 3; ++i) {
            const qreal dx = i % 2 ? -70 : 70;
            const auto at = [&](qreal x) { return panel->mapToScene(cupAt + QPointF(x, 0)).toPoint(); };
            QTest::mousePress(f.window(), Qt::LeftButton, Qt::NoModifier, at(0), 30);
            for (int s = 1; s <= 5; ++s)
                QTest::mouseMove(f.window(), at(dx * s / 5), 5);
            QVERIFY(qAbs(game->cupDrag().x() - dx) < 2);
            QTest::mouseRelease(f.window(), Qt::LeftButton, Qt::NoModifier, at(dx), 5);
        }
        QCOMPARE(game->shakes(), 3);
        QCOMPARE(game->cupDrag(), QPointF());
        QVERIFY(f.clickInWindow(view, u"seal"_s));
        QVERIFY(game->sealed());
        grab(f.window(), u"magic-bakery-sealed"_s);
        QVERIFY(f.clickInWindow(view, u"give"_s));
        finishes(f, u"magic-bakery"_s, 100, 3);
    }
};

QTEST_MAIN(TestMakeBelieveInShell)
#include "tst_make_believe_in_shell.moc"

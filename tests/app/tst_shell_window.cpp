// The shell in a real window, clicked through as a child and a parent would.
#include "Patience.h"
#include "ShellWindowTest.h"

#include "EntertainmentTimeController.h"
#include "GameDispatch.h"
#include "GameHostController.h"
#include "GameView.h"
#include "PictureCache.h"
#include "ShellCatalog.h"
#include "Storybook.h"
#include "StorybookArtwork.h"
#include "StorybookPicture.h"
#include "TimeForms.h"
#include "WebViewSetup.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QOpenGLContext>
#include <QWheelEvent>
#include <QQmlComponent>
#include <QQuickView>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QThreadPool>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;
using ShellTest::warnings;
using ShellTest::viewWarnings;

class ShellWindowTest : public QObject
{
    Q_OBJECT

    static QQuickItem *stackTop(ShellFixture &f)
    {
        QQuickItem *stack = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
        return stack ? stack->property("currentItem").value<QQuickItem *>() : nullptr;
    }
    static int stackDepth(ShellFixture &f)
    {
        QQuickItem *stack = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
        return stack ? stack->property("depth").toInt() : 0;
    }
    // Whether the still picture of the page on top stays in use while a tap on `target`
    // slides that page out under the next one (drawing its layers again would slow the
    // frame that answers the tap).
    static bool slidesOutAsStillPicture(ShellFixture &f, QQuickItem *target)
    {
        QQuickItem *stack = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
        QQuickItem *leaving = stackTop(f);
        QQuickItem *still = ShellTest::findItem(leaving, [](QQuickItem *i) {
            return QByteArray(i->metaObject()->className()).startsWith("StillLayer");
        });
        if (!stack || !still || !still->property("active").toBool())
            return false;
        ShellTest::click(f.window(), target);
        bool slid = false;
        bool kept = true;
        const bool done = Patience::waitFor([&] {
            const bool sliding = stack->property("busy").toBool();
            slid = slid || sliding;
            // The page is hidden once its own slide has ended, which can be before the
            // next page's has.
            kept = kept && (!sliding || !leaving->isVisible() || still->property("active").toBool());
            return !sliding && stackTop(f) != leaving;
        });
        return done && slid && kept;
    }
    // The playground's page, which opens shelves.
    static QQuickItem *playgroundPage(ShellFixture &f)
    {
        return ShellTest::findItem(
            f.root(), [](QQuickItem *i) { return i->metaObject()->indexOfMethod("openShelf(QVariant)") >= 0; });
    }
    static bool waitStackIdle(ShellFixture &f, int depth)
    {
        QQuickItem *stack = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
        return stack && Patience::waitFor([&] { return !stack->property("busy").toBool() && stackDepth(f) == depth; });
    }
    // The button a text stands on.
    static QQuickItem *buttonOf(QQuickItem *item)
    {
        while (item && !item->inherits("QQuickAbstractButton"))
            item = item->parentItem();
        return item;
    }
    // Whether the picture `name` is decoded, as an item of `size` points with corners of
    // `radius` in the window of `f` draws it.
    static bool pictureReady(ShellFixture &f, const QString &name, QSizeF size, qreal radius)
    {
        const qreal dpr = f.window()->effectiveDevicePixelRatio();
        return PictureCache::shared().isReady(StorybookArtwork::filePath(name), StorybookPicture::pixelsOf(size, dpr),
                                              radius * dpr, false);
    }
    // Cover → setup with a first PIN → playground.
    static void openWithPin(ShellFixture &f, const QString &pin, const QString &choice = QString())
    {
        QVERIFY(f.clickText(u"进入豆铃乐园"_s));
        QVERIFY(f.waitShown(u"首次使用，请设置四位家长密码"_s));
        QVERIFY(!ShellTest::isShown(ShellTest::findNamed(f.root(), u"setupClose"_s)));
        if (!choice.isEmpty())
            QVERIFY(f.clickText(choice));
        f.typeInto(u"setupPin"_s, pin);
        QVERIFY(f.clickText(u"确定，进入乐园"_s));
        QVERIFY(f.waitGone(u"设置娱乐时间"_s));
        QVERIFY(f.waitShown(u"✦ 选择游戏小屋 ✦"_s));
    }

    // The frames the window draws in `ms` of real time; with `ticking`, the play-time
    // clock moves on a second in the middle of each real second, as the chip's tick.
    static int framesOver(ShellFixture &f, int ms, bool ticking)
    {
        int frames = 0;
        const auto counting = QObject::connect(f.window(), &QQuickWindow::frameSwapped, [&] { ++frames; });
        QElapsedTimer elapsed;
        elapsed.start();
        qint64 nextTick = 500;
        while (elapsed.elapsed() < ms) {
            if (ticking && elapsed.elapsed() >= nextTick) {
                f.clock.advance(1000);
                nextTick += 1000;
            }
            QTest::qWait(20);
        }
        QObject::disconnect(counting);
        return frames;
    }
    // Whether the window comes to rest (half a second without a frame) within five
    // seconds, once a screen's entrance has played.
    static bool comesToRest(ShellFixture &f)
    {
        for (int tries = 0; tries < 10; ++tries) {
            if (framesOver(f, 500, false) == 0)
                return true;
        }
        return false;
    }
    static bool isActiveStill(const QQuickItem *item)
    {
        for (const QMetaObject *type = item->metaObject(); type; type = type->superClass()) {
            if (QLatin1String(type->className()).startsWith(QLatin1String("StillLayer")))
                return item->property("active").toBool();
        }
        return false;
    }
    // The items drawn only into the picture of a shader effect source that hides them
    // where they stand: a layer's content, the card a page's veil draws into the page.
    static void collectHiddenSources(QQuickItem *item, QSet<const QQuickItem *> &hidden)
    {
        if (item->inherits("QQuickShaderEffectSource") && item->property("hideSource").toBool()) {
            if (const auto *source = item->property("sourceItem").value<QQuickItem *>())
                hidden.insert(source);
        }
        for (QQuickItem *child : item->childItems())
            collectHiddenSources(child, hidden);
    }
    // Whether `item` draws an active still layer's picture in the layer's place: the
    // layer's shader effect source, or the effect that shows it (an opaque picture).
    static bool showsStillPicture(const QQuickItem *item)
    {
        const QObject *source = item->inherits("QQuickShaderEffectSource") ? item : item->property("source").value<QObject *>();
        const auto *shown = source && source->inherits("QQuickShaderEffectSource")
                                ? source->property("sourceItem").value<QQuickItem *>() : nullptr;
        return shown && isActiveStill(shown);
    }
    // The items under `item` that draw something outside the still pictures and the
    // chip: each of them would be painted afresh with every tick of the chip.
    static QStringList drawnOutsideStill(QQuickItem *item, const QSet<const QQuickItem *> &hidden)
    {
        if (!item->isVisible() || item->opacity() <= 0 || item->objectName() == QLatin1String("timeChip")
            || isActiveStill(item) || hidden.contains(item) || showsStillPicture(item))
            return {};
        QStringList drawn;
        if (item->flags().testFlag(QQuickItem::ItemHasContents) && item->width() > 0 && item->height() > 0)
            drawn << QLatin1String(item->metaObject()->className());
        for (QQuickItem *child : item->childItems())
            drawn << drawnOutsideStill(child, hidden);
        return drawn;
    }
    // What is wrong with a screen that should wait still (nothing when all is well): at
    // rest, only the chip's seconds (one frame each) may reach the screen, and all but
    // the chip is drawn from the still pictures.
    static QString stillness(ShellFixture &f, const char *screen)
    {
        if (!comesToRest(f))
            return QStringLiteral("%1 never comes to rest").arg(QLatin1String(screen));
        QSet<const QQuickItem *> hidden;
        collectHiddenSources(f.window()->contentItem(), hidden);
        const QStringList outside = drawnOutsideStill(f.window()->contentItem(), hidden);
        if (!outside.isEmpty())
            return QStringLiteral("%1 draws outside its still picture: %2").arg(QLatin1String(screen), outside.join(u", "));
        const int frames = framesOver(f, 2000, true);
        return frames <= 3 ? QString() : QStringLiteral("%1: %2 frames for two ticks").arg(QLatin1String(screen)).arg(frames);
    }
    // What differs from a black veil of `alpha` laid over `before` at `points` of `after`
    // (nothing when those pixels are as dark as that, give or take rounding).
    static QString veiled(const QImage &before, const QImage &after, const QList<QPoint> &points, double alpha)
    {
        for (const QPoint point : points) {
            const QColor was = before.pixelColor(point);
            const QColor is = after.pixelColor(point);
            const auto near = [&](int from, int to) { return std::abs(from * (1 - alpha) - to) <= 3; };
            if (!near(was.red(), is.red()) || !near(was.green(), is.green()) || !near(was.blue(), is.blue()))
                return QStringLiteral("at (%1, %2) %3 became %4 under a veil of %5")
                    .arg(point.x()).arg(point.y()).arg(was.name(), is.name()).arg(alpha);
        }
        return {};
    }
#define QVERIFY_VEILED(before, after, points, alpha) do { const QString wrong = veiled(before, after, points, alpha); QVERIFY2(wrong.isEmpty(), qPrintable(wrong)); } while (false)
#define QVERIFY_STILL(f, screen) do { const QString wrong = stillness(f, screen); QVERIFY2(wrong.isEmpty(), qPrintable(wrong)); } while (false)

private slots:
    void mainRoad()
    {
        ShellFixture f;
        QVERIFY(f.window());
        QVERIFY(f.waitShown(u"豆铃乐园"_s));

        // The setup cannot be skipped: the playground under it takes no taps.
        QVERIFY(f.clickText(u"进入豆铃乐园"_s));
        QVERIFY(f.waitShown(u"设置娱乐时间"_s));
        QVERIFY(f.waitShown(u"✦ 选择游戏小屋 ✦"_s));
        QTest::qWait(700); // the overlay has settled
        ShellTest::click(f.window(), f.timeChip()); // beneath the overlay
        QVERIFY(!f.time()->setupCanBeCancelled());
        QVERIFY(f.clickText(u"确定，进入乐园"_s)); // no PIN yet
        QVERIFY(f.waitShown(u"请输入四位数字家长密码"_s));
        f.typeInto(u"setupPin"_s, u"1a2b3c4d5"_s);
        QVERIFY(!ShellTest::isShown(f.text(u"请输入四位数字家长密码"_s))); // an edit clears it
        QVERIFY(f.clickText(u"确定，进入乐园"_s));
        QVERIFY(f.waitGone(u"设置娱乐时间"_s));
        QCOMPARE(f.settings.string(EntertainmentTimeController::pinKey).value_or(QString()), u"1234"_s);
        QCOMPARE(f.time()->timeLabel(), u"30:00"_s);
        PW_TRY_COMPARE(f.chipLabel(), u"30:00"_s);
        // Nothing of the web engine (the video room's player) is loaded before the room
        // opens, nor the word recogniser's library before a game listens, nor the speech
        // engine's before a shelf opens.
        QFile maps(u"/proc/self/maps"_s);
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("libQt6WebEngine"));
        QVERIFY(!mapped.contains("libpocketsphinx"));
        QVERIFY(!mapped.contains("libespeak-ng"));
        // What only games need (the TLS library among it) waits for the first shelf.
        QVERIFY(!f.app->preparedAhead());

        // The first portal rests in the middle of the rail.
        QQuickItem *english = buttonOf(f.text(u"英文"_s));
        QVERIFY(english);
        const RailSize portal = RailSizing::portals(f.window()->width(), f.window()->height());
        QCOMPARE(qRound(english->mapToScene(QPointF()).x()), qRound(portal.inset));
        QCOMPARE(qRound(english->width()), qRound(portal.width));
        QCOMPARE(qRound(english->height()), qRound(portal.height));

        // A mouse wheel turns the rail to its end, where the last portal rests in the middle.
        QQuickItem *rail = ShellTest::findNamed(f.root(), u"portalRail"_s);
        QVERIFY(rail);
        const QPointF overRail = rail->mapToScene(QPointF(rail->width() / 2, rail->height() / 2));
        for (int i = 0; i < 40; ++i) {
            QWheelEvent wheel(overRail, f.window()->mapToGlobal(overRail), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QGuiApplication::sendEvent(f.window(), &wheel);
        }
        const QString lastShelf = ShellCatalog::shelfName(ShellCatalog::categories().constLast());
        QQuickItem *last = buttonOf(f.text(lastShelf));
        QVERIFY(last);
        QCOMPARE(qRound(last->mapToScene(QPointF(last->width(), 0)).x()), qRound(f.window()->width() - portal.inset));
        for (int i = 0; i < 40; ++i) {
            QWheelEvent wheel(overRail, f.window()->mapToGlobal(overRail), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QGuiApplication::sendEvent(f.window(), &wheel);
        }
        QCOMPARE(qRound(english->mapToScene(QPointF()).x()), qRound(portal.inset));

        // A portal opens its shelf; a double tap opens it once.
        QVERIFY(f.waitShown(u"中文"_s));
        ShellTest::click(f.window(), f.text(u"中文"_s));
        ShellTest::click(f.window(), f.text(u"中文"_s));
        QVERIFY(waitStackIdle(f, 2));
        QVERIFY(f.waitShown(u"🀄\uFE0F 中文游戏书架"_s));
        QVERIFY(f.app->preparedAhead());

        // A card opens the game page; a double tap opens it once.
        const QString title = GameCatalog::find(u"chinese-match"_s)->title;
        QVERIFY(f.waitShown(title));
        QQuickItem *card = buttonOf(f.text(title));
        QVERIFY(card);
        const RailSize cardSize = RailSizing::games(f.window()->width(), f.window()->height());
        QCOMPARE(qRound(card->mapToScene(QPointF()).x()), qRound(cardSize.inset));
        QCOMPARE(qRound(card->width()), qRound(cardSize.width));
        // A smaller window: smaller cards, and the first one in the middle again.
        f.window()->resize(800, 600);
        const RailSize smaller = RailSizing::games(800, 600);
        PW_TRY_COMPARE(qRound(card->width()), qRound(smaller.width));
        PW_TRY_COMPARE(qRound(card->mapToScene(QPointF()).x()), qRound(smaller.inset));
        f.window()->resize(1180, 820);
        PW_TRY_COMPARE(qRound(card->mapToScene(QPointF()).x()), qRound(cardSize.inset));
        const QDateTime opened = f.clock.now();
        ShellTest::click(f.window(), f.text(title));
        QTest::qWait(30);
        ShellTest::click(f.window(), f.text(title));
        f.clock.advance(3'000); // while the page slides in
        QVERIFY(waitStackIdle(f, 3));
        QVERIFY(f.waitShown(u"✦ 魔法书任务 ✦"_s));
        auto *host = stackTop(f)->property("host").value<GameHostController *>();
        QVERIFY(host);
        QCOMPARE(host->gameId(), u"chinese-match"_s);

        // A play: the stand-in game reports, the card shows, the play is recorded. It
        // is timed from the moment the page began to come into view.
        QCOMPARE(host->currentPlay()->startedAt, opened);
        // The card over a finished play is built ahead, hidden, while the play runs: the
        // tap that ends the play shows it and builds nothing.
        QQuickItem *completion = ShellTest::findNamed(stackTop(f), u"completion"_s);
        QVERIFY(completion);
        const auto builtCard = [completion] { return completion->property("item").value<QQuickItem *>(); };
        PW_TRY_VERIFY(builtCard());
        QQuickItem *resultCard = builtCard();
        QVERIFY(!resultCard->isVisible());
        f.clock.advance(39'000);
        QVERIFY(f.clickText(u"交卷 87"_s));
        // The still of the finished game is taken first, in a frame of its own (it draws
        // the whole game once more); the card, the dimming and the still come after it.
        QVERIFY(!resultCard->isVisible());
        PW_TRY_VERIFY(resultCard->isVisible());
        QCOMPARE(builtCard(), resultCard);
        QVERIFY(f.waitShown(u"游戏完成！"_s));
        QVERIFY(f.waitShown(u"得分 87 · 获得 10 金币"_s));
        ProgressStore &store = f.app->progress();
        QCOMPARE(store.records().size(), 1);
        QCOMPARE(store.records().first().gameID, u"chinese-match"_s);
        QCOMPARE(store.records().first().seconds, 42);
        // The finished game lies under the card and takes no taps.
        QVERIFY(!stackTop(f)->property("gameView").value<QQuickItem *>()->isEnabled());
        // ... and under a blurred still of it, which goes with "下一关".
        const auto frosted = [](QQuickItem *i) { return i->inherits("FrostedSnapshot"); };
        QQuickItem *frost = nullptr;
        PW_TRY_VERIFY((frost = ShellTest::findItem(stackTop(f), frosted)) && frost->property("ready").toBool());
        // The dimming layer lies over the top bar too: the way back is through "下一关".
        ShellTest::click(f.window(), f.text(u"返回书架"_s));
        ShellTest::click(f.window(), f.timeChip());
        QTest::qWait(100);
        QCOMPARE(stackDepth(f), 3);
        QVERIFY(!f.time()->isShowingSetup());

        // "下一关", tapped twice: one new play, nothing recorded twice.
        const QString firstPlay = host->playId();
        QVERIFY(f.waitShown(u"下一关"_s));
        QTest::qWait(500); // the card has sprung up
        const QPoint next = ShellTest::centre(f.text(u"下一关"_s));
        QTest::mouseClick(f.window(), Qt::LeftButton, Qt::NoModifier, next);
        QTest::mouseClick(f.window(), Qt::LeftButton, Qt::NoModifier, next);
        QVERIFY(f.waitGone(u"游戏完成！"_s));
        QVERIFY(host->playId() != firstPlay);
        QVERIFY(!frost->property("ready").toBool() && !frost->isVisible());
        QCOMPARE(store.records().size(), 1);
        f.clock.advance(5'000);
        QVERIFY(f.clickText(u"满分交卷"_s));
        QVERIFY(f.waitShown(u"太棒啦！"_s));
        QCOMPARE(store.records().size(), 2);
        QCOMPARE(store.records().first().seconds, 5);
        QTest::qWait(500);
        QVERIFY(f.clickText(u"下一关"_s));
        QVERIFY(f.waitGone(u"太棒啦！"_s));

        // Back to the shelf: a double tap on the back button pops one page.
        QVERIFY(f.waitShown(u"返回书架"_s));
        const QPoint back = ShellTest::centre(f.text(u"返回书架"_s));
        QTest::mouseClick(f.window(), Qt::LeftButton, Qt::NoModifier, back);
        QTest::mouseClick(f.window(), Qt::LeftButton, Qt::NoModifier, back);
        QVERIFY(waitStackIdle(f, 2));
        QVERIFY(f.waitShown(u"🀄\uFE0F 中文游戏书架"_s));
        QCOMPARE(store.records().size(), 2);

        // A game that is not built yet shows the "正在建造" card and records nothing.
        const QString unbuilt = GameCatalog::find(u"idiom-pictures"_s)->title;
        GameDispatch::setExtraRows({{u"idiom-pictures"_s, u"PictureWordGame"_s, QString()}});
        QVERIFY(f.clickText(unbuilt));
        QVERIFY(waitStackIdle(f, 3));
        QVERIFY(stackTop(f)->property("host").value<GameHostController *>()->underConstruction());
        QVERIFY(f.waitShown(u"正在建造"_s));
        QVERIFY(f.waitShown(u"这个游戏很快就会加入乐园。"_s));
        QCOMPARE(store.records().size(), 2);
        QVERIFY(f.clickText(u"返回书架"_s));
        QVERIFY(waitStackIdle(f, 2));

        // A game still being built raises the coming-soon sheet.
        QVariantMap comingSoon = ShellCatalog::game(u"radical-builder"_s);
        comingSoon[u"available"_s] = false;
        QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, comingSoon));
        QVERIFY(f.waitShown(comingSoon.value(u"title"_s).toString() + u"正在建造中"_s));
        QVERIFY(f.waitShown(u"小铃已经把它放进下一批游戏啦。先去试试已经开放的玩法吧！"_s));
        QTest::qWait(500);
        QVERIFY(f.clickText(u"知道啦"_s));
        QVERIFY(f.waitGone(u"知道啦"_s));
        QCOMPARE(stackDepth(f), 2);
        // Dragging the sheet down closes it too, and the card can be tapped again.
        for (int i = 0; i < 2; ++i) {
            QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, comingSoon));
            QVERIFY(f.waitShown(u"知道啦"_s));
            QTest::qWait(500);
            QQuickItem *panel = ShellTest::findNamed(f.root(), u"comingSoonPanel"_s);
            const QPoint grip = panel->mapToScene(QPointF(panel->width() / 2, 20)).toPoint();
            QTest::mousePress(f.window(), Qt::LeftButton, Qt::NoModifier, grip);
            for (int dy = 20; dy <= 160; dy += 20)
                QTest::mouseMove(f.window(), grip + QPoint(0, dy));
            QTest::mouseRelease(f.window(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 160));
            QVERIFY(f.waitGone(u"知道啦"_s));
        }

        QVERIFY(f.clickText(u"返回类型"_s));
        QVERIFY(waitStackIdle(f, 1));
        QVERIFY(f.waitShown(u"✦ 选择游戏小屋 ✦"_s));
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // Nothing animates on a screen that waits: the cover, the playground, the setup
    // opened from the chip, a shelf, the coming-soon sheet, a game waiting for an
    // answer and a finished play.
    void waitingScreensStayStill()
    {
        ShellFixture f;
        QVERIFY(f.waitShown(u"进入豆铃乐园"_s));
        QVERIFY2(comesToRest(f), "cover");
        QCOMPARE(framesOver(f, 1000, false), 0);

        openWithPin(f, u"1234"_s);
        QVERIFY_STILL(f, "playground");
        ShellTest::click(f.window(), f.timeChip());
        QVERIFY(f.waitShown(u"输入四位家长密码"_s));
        QVERIFY_STILL(f, "setup over the playground");
        ShellTest::click(f.window(), ShellTest::findNamed(f.root(), u"setupClose"_s));
        QVERIFY(f.waitGone(u"输入四位家长密码"_s));

        QVERIFY(f.waitShown(u"中文"_s));
        QVERIFY(slidesOutAsStillPicture(f, f.text(u"中文"_s)));
        QVERIFY(waitStackIdle(f, 2));
        QVERIFY_STILL(f, "shelf");
        QVariantMap comingSoon = ShellCatalog::game(u"radical-builder"_s);
        comingSoon[u"available"_s] = false;
        QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, comingSoon));
        QVERIFY(f.waitShown(u"知道啦"_s));
        QVERIFY_STILL(f, "coming-soon sheet");
        QVERIFY(f.clickText(u"知道啦"_s));
        QVERIFY(f.waitGone(u"知道啦"_s));

        QVERIFY(slidesOutAsStillPicture(f, f.text(GameCatalog::find(u"chinese-match"_s)->title)));
        QVERIFY(waitStackIdle(f, 3));
        // A game waiting for an answer is drawn from the page's picture from the chip's
        // first tick on.
        QVERIFY(comesToRest(f));
        framesOver(f, 1000, true);
        QVERIFY_STILL(f, "game waiting");
        QVERIFY(f.clickText(u"交卷 87"_s));
        QVERIFY(f.waitShown(u"游戏完成！"_s));
        QVERIFY_STILL(f, "finished play");
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // A waiting overlay darkens the page beneath it once, the time chip as much, and the
    // page is as bright as before once the overlay has gone: the setup opened from the
    // chip and the coming-soon sheet over a shelf.
    void overlaysDimThePageOnce()
    {
        ShellFixture f;
        openWithPin(f, u"1234"_s);
        // Beside the card and the sheet, and on the chip's face above its label.
        const auto points = [&] {
            QQuickItem *chip = f.timeChip();
            return QList<QPoint>{QPoint(8, 8), chip->mapToScene(QPointF(chip->width() / 2, 6)).toPoint()};
        };
        QVERIFY(comesToRest(f));
        const QImage playground = f.window()->grabWindow();
        ShellTest::click(f.window(), f.timeChip());
        QVERIFY(f.waitShown(u"输入四位家长密码"_s));
        QVERIFY(comesToRest(f));
        QVERIFY_VEILED(playground, f.window()->grabWindow(), points(), 0.58);
        ShellTest::click(f.window(), ShellTest::findNamed(f.root(), u"setupClose"_s));
        QVERIFY(f.waitGone(u"输入四位家长密码"_s));
        QVERIFY(comesToRest(f));
        QVERIFY_VEILED(playground, f.window()->grabWindow(), points(), 0);

        QVERIFY(f.clickText(u"中文"_s));
        QVERIFY(waitStackIdle(f, 2));
        QVERIFY(comesToRest(f));
        const QImage shelf = f.window()->grabWindow();
        QVariantMap comingSoon = ShellCatalog::game(u"radical-builder"_s);
        comingSoon[u"available"_s] = false;
        QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, comingSoon));
        QVERIFY(f.waitShown(u"知道啦"_s));
        QVERIFY(comesToRest(f));
        QVERIFY_VEILED(shelf, f.window()->grabWindow(), points(), 0.22);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // The setup opened from the chip looks the same resting as under a finger (when the
    // page beneath draws its card, and when the card is drawn on its own), in a large
    // window and in a small one, where the card reaches over the chip.
    void restingSetupLooksAsTouched()
    {
        ShellFixture f;
        if (f.window()->rendererInterface()->graphicsApi() == QSGRendererInterface::Software)
            QSKIP("the software renderer draws the card on its own");
        openWithPin(f, u"1234"_s);
        QVERIFY(comesToRest(f));
        ShellTest::click(f.window(), f.timeChip());
        QVERIFY(f.waitShown(u"输入四位家长密码"_s));
        QQuickItem *card = ShellTest::findNamed(f.root(), u"setupCard"_s);
        QVERIFY(card);
        for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
            f.window()->resize(size);
            PW_TRY_COMPARE(qRound(card->height()), qMin(620, size.height() - 48));
            PW_TRY_VERIFY(card->parentItem()->property("restingCard").value<QQuickItem *>());
            QVERIFY(comesToRest(f));
            const QImage resting = f.window()->grabWindow();
            const QPoint blank = card->mapToScene(QPointF(40, card->height() - 30)).toPoint();
            QTest::mousePress(f.window(), Qt::LeftButton, {}, blank);
            QVERIFY(!card->parentItem()->property("restingCard").value<QQuickItem *>());
            const QImage touched = f.window()->grabWindow();
            QTest::mouseRelease(f.window(), Qt::LeftButton, {}, blank);
            QCOMPARE(resting, touched);
        }
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    void lockAndUnlock()
    {
        ShellFixture f;
        openWithPin(f, u"２４６８"_s, u"15 分钟"_s); // typed on a full-width keyboard
        QCOMPARE(f.time()->remainingSeconds(), 900);
        QVERIFY(f.clickText(u"中文"_s));
        QVERIFY(waitStackIdle(f, 2));
        QVERIFY(f.clickText(GameCatalog::find(u"chinese-match"_s)->title));
        QVERIFY(waitStackIdle(f, 3));

        // The chip counts down once a second.
        f.clock.advance(1000);
        PW_TRY_COMPARE(f.chipLabel(), u"14:59"_s);

        // The parent opens the setup from the chip; it can be closed, the session runs on.
        ShellTest::click(f.window(), f.timeChip());
        QVERIFY(f.waitShown(u"输入四位家长密码"_s));
        QQuickItem *close = ShellTest::findNamed(f.root(), u"setupClose"_s);
        QVERIFY(ShellTest::isShown(close));
        QTest::qWait(400);
        ShellTest::click(f.window(), close);
        QVERIFY(f.waitGone(u"设置娱乐时间"_s));
        QCOMPARE(f.time()->remainingSeconds(), 899);

        // Time is up while the setup is open again: the lock covers everything.
        ShellTest::click(f.window(), f.timeChip());
        QVERIFY(f.waitShown(u"设置娱乐时间"_s));
        f.clock.advance(899'000);
        QVERIFY(f.waitShown(u"本次娱乐时间到了"_s));
        QVERIFY(f.waitGone(u"设置娱乐时间"_s));
        QVERIFY(f.time()->isLocked());
        QTest::qWait(400);

        // Nothing beneath can be reached, and the game stands still.
        ShellTest::click(f.window(), f.timeChip());
        ShellTest::click(f.window(), f.text(u"交卷 87"_s));
        QVERIFY(!f.time()->isShowingSetup());
        QCOMPARE(f.app->progress().records().size(), 0);
        auto *host = stackTop(f)->property("host").value<GameHostController *>();
        auto *gameView = qobject_cast<GameView *>(stackTop(f)->property("gameView").value<QQuickItem *>());
        QVERIFY(host->isHolding() && gameView && f.clock.isHeld(gameView->game()));

        f.typeInto(u"unlockPin"_s, u"1111"_s);
        QVERIFY(f.clickText(u"家长解锁"_s));
        QVERIFY(f.waitShown(u"家长密码不正确"_s));
        QTest::keyClick(f.window(), Qt::Key_Backspace);
        QVERIFY(f.waitGone(u"家长密码不正确"_s));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.window(), Qt::Key_Backspace);
        f.typeInto(u"unlockPin"_s, u"2468"_s);
        QVERIFY(f.clickText(u"家长解锁"_s));
        QVERIFY(f.waitGone(u"本次娱乐时间到了"_s));

        // A new session must be confirmed; the setup has no close button now, and the
        // game stands still beneath it until then.
        QVERIFY(f.waitShown(u"设置娱乐时间"_s));
        QVERIFY(!ShellTest::isShown(ShellTest::findNamed(f.root(), u"setupClose"_s)));
        QVERIFY(host->isHolding() && f.clock.isHeld(gameView->game()));
        QVERIFY(f.clickText(u"无限制"_s));
        QVERIFY(f.waitShown(u"本次不限制娱乐时间"_s));
        f.typeInto(u"setupPin"_s, u"2468"_s);
        QVERIFY(f.clickText(u"确定，进入乐园"_s));
        QVERIFY(f.waitGone(u"设置娱乐时间"_s));
        QVERIFY(!host->isHolding() && !f.clock.isHeld(gameView->game()));
        PW_TRY_COMPARE(f.chipLabel(), u"无限制"_s);

        // The game page stayed as it was, and still plays.
        QVERIFY(f.clickText(u"交卷 87"_s));
        QVERIFY(f.waitShown(u"游戏完成！"_s));
        QCOMPARE(f.app->progress().records().size(), 1);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // The parent drags the slider, then taps choices: slider, caption and highlight
    // follow every step.
    void setupSliderAndChoices()
    {
        ShellFixture f;
        QVERIFY(f.clickText(u"进入豆铃乐园"_s));
        QVERIFY(f.waitShown(u"滑动选择：30 分钟"_s));
        QTest::qWait(400);
        QQuickItem *slider = ShellTest::findNamed(f.root(), u"minutesSlider"_s);
        QVERIFY(slider);
        QCOMPARE(slider->property("value").toDouble(), 30.0);
        // The card is as large as it may be, whatever its content needs.
        QQuickItem *card = ShellTest::findNamed(f.root(), u"setupCard"_s);
        QVERIFY(card);
        QCOMPARE(card->width(), std::min(650.0, f.window()->width() - 48.0));
        QCOMPARE(card->height(), std::min(620.0, f.window()->height() - 48.0));

        // Drag the handle from 30 to the far right, then back a little.
        const QPointF start = slider->mapToScene(QPointF(slider->property("leftPadding").toDouble()
                                                             + slider->property("visualPosition").toDouble()
                                                                   * (slider->property("availableWidth").toDouble() - 28)
                                                             + 14,
                                                         slider->height() / 2));
        QTest::mousePress(f.window(), Qt::LeftButton, {}, start.toPoint());
        for (int dx = 10; dx <= 400; dx += 10)
            QTest::mouseMove(f.window(), (start + QPointF(dx, 0)).toPoint());
        QTest::mouseRelease(f.window(), Qt::LeftButton, {}, (start + QPointF(400, 0)).toPoint());
        const double dragged = slider->property("value").toDouble();
        QVERIFY(dragged > 60);
        QVERIFY(f.waitShown(u"滑动选择：%1 分钟"_s.arg(qint64(dragged))));

        QVERIFY(f.clickText(u"60 分钟"_s));
        QVERIFY(f.waitShown(u"滑动选择：60 分钟"_s));
        PW_TRY_COMPARE(slider->property("value").toDouble(), 60.0);

        QVERIFY(f.clickText(u"无限制"_s));
        QVERIFY(f.waitShown(u"本次不限制娱乐时间"_s));
        QVERIFY(!slider->isEnabled());
        QVERIFY(f.clickText(u"15 分钟"_s));
        QVERIFY(f.waitShown(u"滑动选择：15 分钟"_s));
        QVERIFY(slider->isEnabled());
        PW_TRY_COMPARE(slider->property("value").toDouble(), 15.0);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    void lockCoversTheCover()
    {
        ShellFixture f;
        QVERIFY(f.waitShown(u"进入豆铃乐园"_s));
        f.settings.setString(EntertainmentTimeController::pinKey, u"1357"_s);
        QVERIFY(!f.time()->beginSession(10, u"1357"_s));
        f.time()->setShowingSetup(true); // never shown before the book is open
        QTest::qWait(300);
        QVERIFY(!ShellTest::isShown(f.text(u"设置娱乐时间"_s)));
        f.clock.advance(600'000);
        QVERIFY(f.waitShown(u"本次娱乐时间到了"_s));
        QTest::qWait(300);
        ShellTest::click(f.window(), f.text(u"进入豆铃乐园"_s));
        QVERIFY(!f.shell()->hasOpenedStorybook());
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // The cover's picture, decoded while the window is being made, is the one the first
    // frame draws, and it is not kept once drawn.
    void coverIsDecodedAhead()
    {
        QThreadPool::globalInstance()->waitForDone();
        PictureCache::shared().clear();
        MemorySettingsStore settings;
        SettingsStore::setStandard(&settings);
        ManualClock clock;
        Clock::setCurrent(&clock);
        {
            PipwhistleApp app;
            app.prepareCover();
            Ui::prepareEngine(app.engine());
            QThreadPool::globalInstance()->waitForDone();
            const int before = PictureCache::shared().notReadyWhenAsked();
            QVERIFY(app.start());
            QSignalSpy frames(app.window(), &QQuickWindow::frameSwapped);
            QVERIFY(frames.wait(Patience::waitMs));
            QCOMPARE(PictureCache::shared().notReadyWhenAsked(), before);
            const QSize shown = StorybookPicture::pixelsOf(app.window()->size(), app.window()->effectiveDevicePixelRatio());
            PW_TRY_VERIFY(!PictureCache::shared().isReady(StorybookArtwork::filePath(QLatin1String(Storybook::welcomeCoverName)),
                                                    shown, 0, false));
        }
        Clock::setCurrent(nullptr);
        SettingsStore::setStandard(nullptr);
    }

    // With OpenGL the shared context made ahead on a worker is taken before the window is
    // made: making a Qt Quick window sets up the platform's OpenGL support, which the
    // worker, still making its context, would otherwise be setting up at the same time.
    void windowIsMadeOnceTheContextMadeAheadIsTaken()
    {
        // Whether the shared context was installed when the window had its first event.
        struct WindowWatch : QObject
        {
            std::optional<bool> taken;
            bool eventFilter(QObject *object, QEvent *) override
            {
                if (!taken && qobject_cast<QQuickWindow *>(object))
                    taken = QOpenGLContext::globalShareContext() != nullptr;
                return false;
            }
        } watch;
        delete QOpenGLContext::globalShareContext();
        MemorySettingsStore settings;
        SettingsStore::setStandard(&settings);
        {
            PipwhistleApp app;
            Ui::prepareEngine(app.engine());
            WebViewSetup::makeSharedContextAhead();
            qApp->installEventFilter(&watch);
            QVERIFY(app.start());
            qApp->removeEventFilter(&watch);
        }
        SettingsStore::setStandard(nullptr);
        delete QOpenGLContext::globalShareContext();
        QCOMPARE(watch.taken, std::optional<bool>(true));
    }

    // The playground holds no picture that only a shelf or a game shows, neither before
    // a shelf has opened nor after it has closed. A shelf, as it opens, decodes ahead the
    // game page's backdrop, off the interface thread: a game opened from it decodes none
    // of its pictures while it comes, the first time and again.
    void playgroundHoldsNoPictureOfTheNextScreens()
    {
        QThreadPool::globalInstance()->waitForDone();
        PictureCache::shared().clear();
        ShellFixture f;
        openWithPin(f, u"1234"_s);
        QTest::qWait(300);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(PictureCache::shared().keptBytes(), 0);

        QSignalSpy frames(f.window(), &QQuickWindow::frameSwapped);
        const auto nextFrame = [&] {
            frames.clear();
            f.window()->update();
            return Patience::waitFor([&] { return frames.count() > 0; });
        };
        const QString title = GameCatalog::find(u"chinese-match"_s)->title;
        for (int visit = 0; visit < 2; ++visit) {
            ShellTest::click(f.window(), f.text(u"中文"_s));
            QVERIFY(waitStackIdle(f, 2));
            QVERIFY(f.waitShown(title));
            PW_TRY_VERIFY(pictureReady(f, u"storybook_game_stage"_s, f.window()->size(), 0));
            QVERIFY(nextFrame());
            const int before = PictureCache::shared().notReadyWhenAsked();
            ShellTest::click(f.window(), buttonOf(f.text(title)));
            QVERIFY(waitStackIdle(f, 3));
            QVERIFY(nextFrame());
            QCOMPARE(PictureCache::shared().notReadyWhenAsked(), before);
            QVERIFY(f.clickText(u"返回书架"_s));
            QVERIFY(waitStackIdle(f, 2));
            QVERIFY(f.clickText(u"返回类型"_s));
            QVERIFY(waitStackIdle(f, 1));
            PW_TRY_COMPARE(PictureCache::shared().keptBytes(), 0);
        }
    }

    // A shelf decodes its games' backdrops as it opens, at the size their page shows them
    // (so they are kept after the page has taken them), and they push out none of the
    // pictures decoded ahead for the shelf's next taps.
    void shelfDecodesItsGamesBackdrops()
    {
        QThreadPool::globalInstance()->waitForDone();
        PictureCache::shared().clear();
        ShellFixture f;
        GameDispatch::setExtraRows({});
        openWithPin(f, u"1234"_s);
        const QSizeF window = f.window()->size();
        const auto ready = [&](const QString &name, QSizeF size, qreal radius) { return pictureReady(f, name, size, radius); };
        QQuickItem *playground = playgroundPage(f);
        QVERIFY(playground);
        QMetaObject::invokeMethod(playground, "openShelf", Q_ARG(QVariant, u"dress-up"_s));
        QVERIFY(waitStackIdle(f, 2));
        QThreadPool::globalInstance()->waitForDone();

        for (const QString &id : {u"magic-closet"_s, u"magic-bakery"_s}) {
            QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, ShellCatalog::game(id)));
            QVERIFY(waitStackIdle(f, 3));
            const QString name = GameDispatch::backdropFor(id);
            QQuickItem *view = stackTop(f)->property("gameView").value<QQuickItem *>();
            QQuickItem *backdrop = view ? ShellTest::findItem(view, [&](QQuickItem *i) {
                return i->property("name").toString() == name;
            }) : nullptr;
            QVERIFY2(backdrop && !backdrop->size().isEmpty(), qPrintable(id));
            QCOMPARE(backdrop->property("radius").toReal(), 28);
            QVERIFY2(ready(name, backdrop->size(), 28), qPrintable(id));
            QVERIFY(f.clickText(u"返回书架"_s));
            QVERIFY(waitStackIdle(f, 2));
        }
        QVERIFY(ready(u"storybook_game_stage"_s, window, 0));
    }

    // A shelf at rest has loaded the view types of its games, and holds them while it is
    // open (also past the release that follows a game's page), so that a card's tap builds
    // its game's view from types already loaded: loaded in the tap, they held a game's
    // first opening, its page and its first prompt, some 50 ms on a quiet machine.
    void shelfLoadsItsGamesViewsAhead()
    {
        ShellFixture f;
        GameDispatch::setExtraRows({});
        openWithPin(f, u"1234"_s);
        QQuickItem *playground = playgroundPage(f);
        QVERIFY(playground);
        for (const QString &category : {u"chinese"_s, u"math"_s}) {
            QMetaObject::invokeMethod(playground, "openShelf", Q_ARG(QVariant, category));
            QVERIFY(waitStackIdle(f, 2));
            QQuickItem *shelf = stackTop(f);
            QQmlEngine *engine = qmlEngine(shelf);
            QVERIFY(engine);
            QList<QUrl> views;
            for (const QVariant &game : ShellCatalog::games(category)) {
                const std::optional<GameDispatch::View> view = GameDispatch::viewFor(game.toMap().value(u"id"_s).toString());
                if (game.toMap().value(u"available"_s).toBool() && view && !view->webView)
                    views << view->url;
            }
            QVERIFY(views.size() >= 4);
            const auto loaded = [&] {
                // Ready at once only when the engine holds the type already.
                for (const QUrl &url : std::as_const(views)) {
                    QQmlComponent probe(engine, url, QQmlComponent::Asynchronous);
                    if (!probe.isReady())
                        return false;
                }
                return true;
            };
            // Held by the shelf: the prepared ones are ready.
            PW_TRY_VERIFY(std::all_of(views.begin(), views.end(), [&](const QUrl &url) {
                const QList<QQmlComponent *> held = shelf->findChildren<QQmlComponent *>();
                return std::any_of(held.begin(), held.end(), [&](QQmlComponent *c) { return c->url() == url && c->isReady(); });
            }));
            QVERIFY(loaded());
            // A game opened and left, and the release after it: the types stay.
            QMetaObject::invokeMethod(shelf, "openGame", Q_ARG(QVariant, ShellCatalog::game(ShellCatalog::games(category)
                                                                                             .first().toMap().value(u"id"_s).toString())));
            QVERIFY(waitStackIdle(f, 3));
            QVERIFY(f.clickText(u"返回书架"_s));
            QVERIFY(waitStackIdle(f, 2));
            engine->trimComponentCache();
            QVERIFY(loaded());
            QVERIFY(f.clickText(u"返回类型"_s));
            QVERIFY(waitStackIdle(f, 1));
        }
    }

    // A game's backdrop starts decoding on a worker while its view is being built: the
    // view is built once its page has its size, so the picture does not wait for the
    // layout of the frame that shows it (and that would then wait for the picture).
    void backdropDecodesWhileTheGameIsBuilt()
    {
        ShellFixture f;
        QVERIFY(f.openFromShelf(u"magic-bakery"_s, {}));
        QVERIFY(f.clickText(u"返回书架"_s));
        QVERIFY(waitStackIdle(f, 2));
        QThreadPool::globalInstance()->waitForDone();
        PictureCache::shared().clear();

        // Opened and looked at before any event or frame.
        QMetaObject::invokeMethod(stackTop(f), "openGame", Q_ARG(QVariant, ShellCatalog::game(u"magic-bakery"_s)));
        QQuickItem *view = stackTop(f)->property("gameView").value<QQuickItem *>();
        QVERIFY(view && view->width() > 0 && view->height() > 0);
        QQuickItem *backdrop = ShellTest::findItem(view, [](QQuickItem *i) {
            return i->property("name").toString() == u"storybook_game_stage"_s;
        });
        QVERIFY(backdrop && !backdrop->size().isEmpty());
        QThreadPool::globalInstance()->waitForDone();
        const qreal dpr = f.window()->effectiveDevicePixelRatio();
        QVERIFY(PictureCache::shared().isReady(StorybookArtwork::filePath(u"storybook_game_stage"_s),
                                               StorybookPicture::pixelsOf(backdrop->size(), dpr),
                                               backdrop->property("radius").toReal() * dpr, false));
        QVERIFY(waitStackIdle(f, 3));
    }

    // Every QML file of the shell loads and shows without a warning.
    void everyViewLoadsCleanly()
    {
        ShellFixture f;
        QVERIFY(f.time());
        QStringList files;
        QDirIterator it(u":/qt/qml/Pipwhistle/App"_s, {u"*.qml"_s});
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        QVERIFY(files.size() >= 17);

        TimeSetupForm form;
        form.setController(f.time());
        for (const QString &file : files) {
            if (file.endsWith(u"/PipwhistleWindow.qml"_s))
                continue; // the window of every other test
            QQmlComponent component(&f.app->engine(), QUrl(u"qrc"_s + file));
            QVERIFY2(component.isReady(), qPrintable(component.errorString()));
            QVariantMap properties;
            const QString source = QString::fromUtf8([&] {
                QFile qml(file);
                qml.open(QIODevice::ReadOnly);
                return qml.readAll();
            }());
            if (source.contains(u"required property EntertainmentTimeController controller"_s))
                properties[u"controller"_s] = QVariant::fromValue(f.time());
            if (source.contains(u"required property EntertainmentTimeController timeController"_s))
                properties[u"timeController"_s] = QVariant::fromValue(f.time());
            if (source.contains(u"required property PinForm form"_s))
                properties[u"form"_s] = QVariant::fromValue<QObject *>(&form);
            if (file.endsWith(u"/GameHostView.qml"_s))
                properties[u"gameId"_s] = u"maze"_s;
            if (file.endsWith(u"/CategoryShelfView.qml"_s) || file.endsWith(u"/CategoryPortal.qml"_s))
                properties[u"category"_s] = u"math"_s;
            std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
            QVERIFY2(object, qPrintable(file + u": "_s + component.errorString()));
            auto *item = qobject_cast<QQuickItem *>(object.get());
            QVERIFY2(item, qPrintable(file));
            item->setParentItem(f.root());
            item->setSize(QSizeF(800, 600));
            item->setZ(100);
            QTest::qWait(50);
            // The hosted game may speak: a machine without a sound server says so.
            const QStringList own = ShellTest::viewWarnings();
            QVERIFY2(own.isEmpty(), qPrintable(file + u":\n"_s + own.join(u'\n')));
        }
    }
};

QTEST_MAIN(ShellWindowTest)
#include "tst_shell_window.moc"

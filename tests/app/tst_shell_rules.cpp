// The shell's rules without a window: the host's plays, the dispatch table, the
// playground's shelves and rail sizes.
#include "Clock.h"
#include "ComingSoonSheetState.h"
#include "EntertainmentTimeController.h"
#include "Fonts.h"
#include "FruitCatcherGame.h"
#include "GameBase.h"
#include "GameCatalog.h"
#include "GameDispatch.h"
#include "GameHostController.h"
#include "GameView.h"
#include "LevelRotation.h"
#include "PipwhistleApp.h"
#include "ProgressStore.h"
#include "Patience.h"
#include "Resident.h"
#include "RootState.h"
#include "RoundQuizGame.h"
#include "SettingsStore.h"
#include "ShellCatalog.h"
#include "WebViewSetup.h"

#include <QFile>
#include <QMetaProperty>
#include <QOpenGLContext>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRawFont>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <functional>
#include <limits>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// A game that reports when told to.
class ScriptedGame : public GameBase
{
public:
    using GameBase::GameBase;
    void reportNow(qint64 score, qint64 stars) { complete(score, stars); }
    void reportLater(int ms, qint64 score, qint64 stars) { completeAfter(ms, score, stars); }
};


// Three rounds, each answered by its row number.
class ThreeRoundQuiz : public RoundQuizGame
{
public:
    explicit ThreeRoundQuiz(QObject *parent)
        : RoundQuizGame({.gameID = u"counting"_s, .take = 3, .pauseMs = 800}, parent)
    {
    }
    void answerRightly() { answerRight(u"对啦"_s); }

protected:
    int bankCount() const override { return 3; }
};

// What the host reads of a game view: the game its GameView holds.
template <class G = ScriptedGame>
struct FakeView
{
    GameView item;
    G *game = new G(&item);
    FakeView() { item.setGame(game); }
};

// A host page with a game of `id` on it.
template <class G = ScriptedGame>
struct HostedGame
{
    GameHostController host;
    FakeView<G> view;
    HostedGame(ProgressStore &store, const QString &id)
        : host(store)
    {
        host.setGameId(id);
        host.attachView(&view.item);
    }
    G &game() { return *view.game; }
};
} // namespace

class ShellRulesTest : public QObject
{
    Q_OBJECT

    MemorySettingsStore settings;
    std::unique_ptr<ManualClock> clock;
    std::unique_ptr<ProgressStore> store;

private slots:
    void init()
    {
        settings.clear();
        SettingsStore::setStandard(&settings);
        clock = std::make_unique<ManualClock>();
        Clock::setCurrent(clock.get());
        store = std::make_unique<ProgressStore>(settings);
    }
    void cleanup()
    {
        store.reset();
        Clock::setCurrent(nullptr);
        clock.reset();
        SettingsStore::setStandard(nullptr);
    }

    void onlyTheFirstReportOfAPlayCounts()
    {
        HostedGame hosted(*store, u"maze"_s);
        clock->advance(12'500);
        hosted.game().reportNow(87, 2);
        hosted.game().reportNow(100, 3);
        QCOMPARE(store->records().size(), 1);
        const ActivityRecord &record = store->records().first();
        QCOMPARE(record.gameID, u"maze"_s);
        QCOMPARE(record.score, 87);
        QCOMPARE(record.stars, 2);
        QCOMPARE(record.seconds, 12);
        QVERIFY(hosted.host.hasResult());
        QCOMPARE(hosted.host.resultScore(), 87);
        QCOMPARE(hosted.host.resultEmoji(), u"🌟"_s);
        QCOMPARE(hosted.host.resultHeadline(), u"游戏完成！"_s);
        QCOMPARE(hosted.host.resultScoreLine(), u"得分 87 · 获得 10 金币"_s);
    }

    void oneReleaseComesAfterTheLastScreenLeft()
    {
        // A game's page goes, then its shelf's half a second later: the release waits for
        // the shelf's page too.
        PipwhistleApp &app = PipwhistleApp::current();
        app.screenLeft();
        clock->advance(500);
        app.screenLeft();
        clock->advance(PipwhistleApp::releaseDelayMs - 100);
        QVERIFY(app.releasePending());
        clock->advance(100);
        QVERIFY(!app.releasePending());
        // The free pages go back once more when the next screen's first seconds have
        // passed, once for the two screens as well.
        QVERIFY(app.settledTrimPending());
        clock->advance(PipwhistleApp::settledTrimDelayMs);
        QVERIFY(!app.settledTrimPending());
    }

    void releaseHandsPagesBackOnAWorker()
    {
        // Handing the fonts' pages back takes each page out of every processor's address
        // cache: a worker does it, and a tap that comes meanwhile is not held up.
        const QByteArray path = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
        Fonts::install();
        if (!QFile::exists(QString::fromLatin1(path)) || residentKiB(path) < 0)
            QSKIP("the Debian fonts or /proc are not there");
        const QRawFont font = QRawFont::fromFont(Fonts::text(40));
        QVERIFY(!font.alphaMapForGlyph(font.glyphIndexesForString(u"森"_s).value(0)).isNull());
        QVERIFY(residentKiB(path) > 0);
        // Every worker is busy until the release has come on this thread.
        QThreadPool *pool = QThreadPool::globalInstance();
        const int workers = pool->maxThreadCount();
        QSemaphore go;
        auto released = qScopeGuard([&] {
            go.release(workers);
            pool->waitForDone();
        });
        for (int i = 0; i < workers; ++i)
            pool->start([&go] { go.acquire(); });
        PipwhistleApp &app = PipwhistleApp::current();
        app.screenLeft();
        clock->advance(PipwhistleApp::releaseDelayMs);
        QVERIFY(!app.releasePending());
        QVERIFY(residentKiB(path) > 0);
        released.dismiss();
        go.release(workers);
        pool->waitForDone();
        QCOMPARE(residentKiB(path), 0);
        clock->advance(PipwhistleApp::settledTrimDelayMs);
    }

    void nextLevelStartsANewTimedPlay()
    {
        GameHostController host(*store);
        host.setGameId(u"maze"_s);
        FakeView first;
        host.attachView(&first.item);
        clock->advance(30'000);
        first.game->reportNow(90, 3);
        QCOMPARE(host.resultEmoji(), u"🎉"_s);
        QCOMPARE(host.resultHeadline(), u"太棒啦！"_s);
        const QString firstPlay = host.playId();

        clock->advance(5'000); // the child looks at the card
        host.nextLevel();
        host.nextLevel(); // a double tap starts one play, not two
        QVERIFY(!host.hasResult());
        QVERIFY(host.playId() != firstPlay);
        const QString secondPlay = host.playId();

        FakeView second;
        host.attachView(&second.item);
        clock->advance(7'000);
        second.game->reportNow(70, 1);
        QCOMPARE(host.playId(), secondPlay);
        QCOMPARE(store->records().size(), 2);
        QCOMPARE(store->records().first().seconds, 7);
    }

    // The play-time lock comes while a game runs by itself, then while a round game waits
    // to report: nothing moves, ends or is recorded under it, nor under the setup that
    // follows the unlock, and the play goes on and is recorded once (without the time
    // held) after the parent has confirmed a new session.
    void gameStandsStillUnderTheLock()
    {
        EntertainmentTimeController time(settings);
        QVERIFY(!time.beginSession(10, u"2468"_s));
        clock->every(RootState::refreshIntervalMs, &time, [&] { time.refresh(); });
        // Ten minutes under the lock, then the parent unlocks and takes five minutes over
        // the setup, which cannot be cancelled, before starting a new session.
        const auto underTheLock = [&](GameHostController &host, const std::function<void()> &check) {
            QVERIFY(time.isLocked() && host.isHolding());
            clock->advance(10 * 60'000);
            check();
            QVERIFY(time.verifyUnlock(u"2468"_s));
            QVERIFY(time.isShowingSetup() && host.isHolding());
            clock->advance(5 * 60'000);
            check();
            QVERIFY(host.isHolding());
            QVERIFY(!time.beginSession(10, u"2468"_s));
            QVERIFY(!host.isHolding() && !host.hasResult());
        };

        // The fruit catcher (26.5 s a play), started 25 s before the session ends.
        clock->advance(10 * 60'000 - 25'000);
        HostedGame<FruitCatcherGame> fruitPage(*store, u"fruit-catcher"_s);
        fruitPage.host.setTimeController(&time);
        FruitCatcherGame *fruit = &fruitPage.game();
        fruit->start();
        clock->advance(25'000);
        const int drops = fruit->drops(), row = fruit->fruitRow();
        QVERIFY(fruit->running() && drops > 0);
        underTheLock(fruitPage.host, [&] {
            QCOMPARE(fruit->drops(), drops);
            QCOMPARE(fruit->fruitRow(), row);
            QVERIFY(store->records().isEmpty());
        });
        if (QTest::currentTestFailed())
            return;
        clock->advance(FruitCatcherGame::tickMs);
        QVERIFY(fruit->drops() > drops || fruit->fruitRow() != row);
        clock->advance(60'000);
        QCOMPARE(fruit->drops(), 10);
        QCOMPARE(store->records().size(), 1);
        // Ten fruits of five ticks each, and the report's half second.
        QCOMPARE(store->records().first().seconds,
                 (10 * FruitCatcherGame::rowCount * FruitCatcherGame::tickMs + FruitCatcherGame::reportMs) / 1000);

        // A round game whose last answer comes 0.4 s before the session ends.
        clock->advance(clock->now().msecsTo(*time.deadline()) - 2'000);
        HostedGame<ThreeRoundQuiz> quizPage(*store, u"memory-match"_s);
        GameHostController &quizHost = quizPage.host;
        quizHost.setTimeController(&time);
        quizPage.game().appear();
        for (int round = 0; round < 3; ++round) {
            quizPage.game().answerRightly();
            clock->advance(round < 2 ? 800 : 400);
        }
        underTheLock(quizHost, [&] { QCOMPARE(store->records().size(), 1); });
        if (QTest::currentTestFailed())
            return;
        clock->advance(399);
        QVERIFY(!quizHost.hasResult());
        clock->advance(1);
        QVERIFY(quizHost.hasResult());
        QCOMPARE(store->records().size(), 2);
        QCOMPARE(store->records().first().score, 100);
        QCOMPARE(store->records().first().seconds, 2);
    }

    // A parent opens the setup from the time chip during a play and closes it again: the
    // game runs on beneath it, and its play is recorded with all the time it took.
    void gameRunsOnUnderTheChipsSetup()
    {
        EntertainmentTimeController time(settings);
        QVERIFY(!time.beginSession(60, u"2468"_s));
        HostedGame<FruitCatcherGame> page(*store, u"fruit-catcher"_s);
        page.host.setTimeController(&time);
        FruitCatcherGame &fruit = page.game();
        fruit.start();
        clock->advance(5'000);
        const int drops = fruit.drops();
        time.requestCancellableSetup();
        QVERIFY(time.isShowingSetup() && !page.host.isHolding());
        clock->advance(60'000);
        QCOMPARE(fruit.drops(), 10);
        QCOMPARE(store->records().size(), 1);
        QVERIFY(drops < 10);
        QCOMPARE(store->records().first().seconds,
                 (10 * FruitCatcherGame::rowCount * FruitCatcherGame::tickMs + FruitCatcherGame::reportMs) / 1000);
        time.cancelSetup();
        QVERIFY(!page.host.isHolding());
    }

    void comingSoonSheetClosesOnALongDragDown()
    {
        ComingSoonSheetState sheet;
        sheet.show({});
        QVERIFY(!sheet.isShown());
        sheet.show({{u"id"_s, u"tangram"_s}});
        QVERIFY(sheet.isShown());
        // The finger holds the sheet below its place, never above it.
        sheet.drag()->press(100, 300);
        sheet.drag()->move(100, 250);
        QCOMPARE(sheet.offset(), 0.0);
        sheet.drag()->move(100, 380);
        QCOMPARE(sheet.offset(), 80.0);
        // Exactly the closing distance springs back; one point more closes it.
        sheet.drag()->release(100, 380);
        QVERIFY(sheet.isShown());
        QCOMPARE(sheet.offset(), 0.0);
        sheet.drag()->press(100, 300);
        sheet.drag()->release(100, 381);
        QVERIFY(!sheet.isShown());
        QCOMPARE(sheet.offset(), 0.0);
    }

    void secondsAreWholeAndAtLeastOne_data()
    {
        QTest::addColumn<qint64>("playMs");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("0.4 s") << qint64(400) << qint64(1);
        QTest::newRow("59.9 s") << qint64(59'900) << qint64(59);
        QTest::newRow("clock set back") << qint64(-90'000) << qint64(1);
    }
    void secondsAreWholeAndAtLeastOne()
    {
        QFETCH(qint64, playMs);
        QFETCH(qint64, seconds);
        HostedGame hosted(*store, u"reaction"_s);
        clock->setNow(clock->now().addMSecs(playMs));
        hosted.game().reportNow(80, 2);
        QCOMPARE(store->records().first().seconds, seconds);
    }

    void pageAppearingRestartsThePlayClock()
    {
        HostedGame hosted(*store, u"maze"_s);
        clock->advance(40'000); // the push transition, say
        hosted.host.pageAppeared();
        clock->advance(3'000);
        hosted.game().reportNow(80, 2);
        QCOMPARE(store->records().first().seconds, 3);
    }

    // The card never claims more (or less) than the record holds and the profile was paid.
    void cardShowsWhatWasRecorded_data()
    {
        QTest::addColumn<qint64>("score");
        QTest::addColumn<qint64>("stars");
        QTest::addColumn<qint64>("shownStars");
        QTest::addColumn<QString>("line");
        QTest::newRow("four stars, score 140") << qint64(140) << qint64(4) << qint64(3) << u"得分 100 · 获得 15 金币"_s;
        QTest::newRow("no stars, score -5") << qint64(-5) << qint64(0) << qint64(1) << u"得分 0 · 获得 5 金币"_s;
        QTest::newRow("two stars") << qint64(87) << qint64(2) << qint64(2) << u"得分 87 · 获得 10 金币"_s;
        QTest::newRow("64-bit extremes") << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::min()
                                         << qint64(1) << u"得分 100 · 获得 5 金币"_s;
    }
    void cardShowsWhatWasRecorded()
    {
        QFETCH(qint64, score);
        QFETCH(qint64, stars);
        QFETCH(qint64, shownStars);
        QFETCH(QString, line);
        const qint64 coinsBefore = store->profile().coins;
        HostedGame hosted(*store, u"maze"_s);
        hosted.game().reportNow(score, stars);
        QCOMPARE(hosted.host.resultStars(), shownStars);
        QCOMPARE(hosted.host.resultScoreLine(), line);
        QCOMPARE(hosted.host.resultHeadline(), shownStars == 3 ? u"太棒啦！"_s : u"游戏完成！"_s);
        QCOMPARE(store->records().first().stars, shownStars);
        QCOMPARE(hosted.host.resultScore(), store->records().first().score);
        QCOMPARE(u"获得 %1 金币"_s.arg(store->profile().coins - coinsBefore), line.section(u" · "_s, 1));
    }

    void reportAfterLeavingThePageIsRecordedOnce()
    {
        auto host = std::make_unique<GameHostController>(*store);
        host->setGameId(u"memory-match"_s);
        auto view = std::make_unique<FakeView<>>();
        host->attachView(&view->item);
        clock->advance(20'000);
        view->game->reportLater(1'000, 95, 3);
        view->game->reportLater(1'500, 10, 1);
        // The child leaves during the final pause: page and game view are gone.
        view.reset();
        host.reset();
        clock->advance(2'000);
        QCOMPARE(store->records().size(), 1);
        const ActivityRecord &record = store->records().first();
        QCOMPARE(record.gameID, u"memory-match"_s);
        QCOMPARE(record.gameTitle, GameCatalog::find(u"memory-match"_s)->title);
        QCOMPARE(record.score, 95);
        QCOMPARE(record.seconds, 21);
    }

    void unlistedGamePlaysUnderItsIdentifier()
    {
        GameHostController host(*store);
        host.setGameId(u"not-a-game"_s);
        QVERIFY(host.underConstruction());
        QCOMPARE(host.title(), u"not-a-game"_s);
        QVERIFY(!host.playId().isEmpty());
    }

    // The web view needs an OpenGL context to share; drawn by the software renderer the
    // program has none until a room with a web view opens, and only such a room makes it.
    // The room also has a worker load the engine's library as it comes in.
    void onlyTheVideoRoomMakesTheSharedContext()
    {
        const auto engineLoaded = [] {
            QFile maps(u"/proc/self/maps"_s);
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libQt6WebEngineCore.so");
        };
        QVERIFY(!QOpenGLContext::globalShareContext());
        GameHostController host(*store);
        host.setGameId(u"chinese-match"_s);
        QVERIFY(!QOpenGLContext::globalShareContext());
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(!engineLoaded());
        host.setGameId(u"space-trip"_s);
        QVERIFY(QOpenGLContext::globalShareContext());
        PW_TRY_VERIFY(engineLoaded());
    }

    // With OpenGL the program makes the shared context on a worker while its first scene
    // is made: the window made next shares with it, and it stays the interface thread's.
    void sharedContextMadeAheadIsTheApplications()
    {
        delete QOpenGLContext::globalShareContext();
        QVERIFY(!QOpenGLContext::globalShareContext());
        WebViewSetup::makeSharedContextAhead();
        WebViewSetup::takeSharedContext();
        QOpenGLContext *shared = QOpenGLContext::globalShareContext();
        QVERIFY(shared);
        QCOMPARE(shared->thread(), QThread::currentThread());
        QCOMPARE(shared->parent(), QCoreApplication::instance());
        WebViewSetup::takeSharedContext(); // nothing more is made ahead
        QCOMPARE(QOpenGLContext::globalShareContext(), shared);
        delete shared;
    }

    void dispatchTableRows()
    {
        const QList<GameDispatch::Row> &rows = GameDispatch::rows();
        QCOMPARE(rows.size(), 48);
        QSet<QString> ids, types, urls;
        for (const GameDispatch::Row &row : rows) {
            ids.insert(row.id);
            types.insert(row.viewType);
            if (!row.url.isEmpty())
                urls.insert(row.url);
        }
        QCOMPARE(ids.size(), 48);
        QCOMPARE(types.size(), 48);
        // Each built game has its own view.
        const auto built = std::count_if(rows.begin(), rows.end(), [](const auto &r) { return !r.url.isEmpty(); });
        QCOMPARE(urls.size(), qsizetype(built));
        // Every identifier of the built-in catalogue has a row.
        for (const GameDefinition &game : GameCatalog::fallback())
            QVERIFY2(ids.contains(game.id), qPrintable(game.id));
        // The blaster learns which game it is from its row.
        const auto hidden = std::find_if(rows.begin(), rows.end(), [](const auto &r) { return r.id == u"hidden-objects"_s; });
        QCOMPARE(hidden->properties.value(u"gameID"_s).toString(), u"hidden-objects"_s);
        QCOMPARE(hidden->properties.value(u"launcher"_s).toString(), u"🏹"_s);
    }

    // What a game's page shows from its first frame on: whatever appearing, and the
    // timed steps that follow it, change in a game (its session, its first question,
    // every list drawn from them) is announced, so no view keeps what it read before.
    // The questions are made to start elsewhere than at the first row, which is what a
    // game shows before it has its session.
    void appearingAnnouncesEveryChange()
    {
        QQmlEngine engine;
        engine.addImportPath(u"qrc:/qt/qml"_s);
        QStringList unannounced;
        for (const GameDispatch::Row &row : GameDispatch::rows()) {
            if (row.url.isEmpty())
                continue;
            settings.setInteger(LevelRotation::settingsKey(row.id), 0);
            const QString module = row.url.section(u'/', 3, 5).replace(u'/', u'.');
            QQmlComponent component(&engine);
            component.setData(u"import %1\n%2 {}\n"_s.arg(module, row.viewType).toUtf8(), QUrl());
            std::unique_ptr<QObject> game(component.create());
            QVERIFY2(game, qPrintable(component.errorString()));
            for (auto it = row.properties.begin(); it != row.properties.end(); ++it) {
                if (game->metaObject()->indexOfProperty(it.key().toUtf8()) >= 0)
                    game->setProperty(it.key().toUtf8(), it.value());
            }

            // The game, and the parts it holds for good (its feedback line, its playback).
            QList<QObject *> objects{game.get()};
            for (int i = 0; i < game->metaObject()->propertyCount(); ++i) {
                const QMetaProperty property = game->metaObject()->property(i);
                if (auto *part = property.isConstant() ? property.read(game.get()).value<QObject *>() : nullptr)
                    objects.append(part);
            }
            const auto watch = [&](const QString &step, const std::function<void()> &run) {
                QList<QVariant> before;
                std::map<std::pair<QObject *, int>, std::unique_ptr<QSignalSpy>> spies; // by the notifying signal
                for (QObject *object : objects) {
                    for (int i = 0; i < object->metaObject()->propertyCount(); ++i) {
                        const QMetaProperty property = object->metaObject()->property(i);
                        before.append(property.read(object));
                        auto &spy = spies[{object, property.notifySignalIndex()}];
                        if (property.hasNotifySignal() && !spy)
                            spy = std::make_unique<QSignalSpy>(object, property.notifySignal());
                    }
                }
                run();
                qsizetype k = 0;
                for (QObject *object : objects) {
                    for (int i = 0; i < object->metaObject()->propertyCount(); ++i, ++k) {
                        const QMetaProperty property = object->metaObject()->property(i);
                        const auto &spy = spies[{object, property.notifySignalIndex()}];
                        if (property.read(object) != before[k] && (!spy || spy->isEmpty()))
                            unannounced << u"%1 (%2): %3.%4"_s.arg(row.id, step,
                                                                   QLatin1String(object->metaObject()->className()),
                                                                   QLatin1String(property.name()));
                    }
                }
            };
            watch(u"appearing"_s, [&] { QMetaObject::invokeMethod(game.get(), "appear"); });
            for (int ms = 250; ms <= 5000; ms += 250)
                watch(u"after %1 ms"_s.arg(ms), [&] { clock->advance(250); });
        }
        QVERIFY2(unannounced.isEmpty(), qPrintable(unannounced.join(u", "_s)));
    }

    // A game can be started from its shelf exactly when it is built: the others are
    // dimmed and open the coming-soon sheet.
    void onlyBuiltGamesAreAvailable()
    {
        QCOMPARE(GameCatalog::all().size(), 48);
        for (const GameDefinition &game : GameCatalog::all()) {
            const auto row = std::find_if(GameDispatch::rows().begin(), GameDispatch::rows().end(),
                                          [&](const auto &r) { return r.id == game.id; });
            QVERIFY2(row != GameDispatch::rows().end(), qPrintable(game.id));
            QVERIFY2(game.isAvailable() == !row->url.isEmpty(),
                     qPrintable(u"%1 is %2 in the catalogue"_s.arg(game.id, game.statusName())));
        }
    }

    // The window opens whole on any screen: its preferred size where there is room,
    // else the free area, centred in it; with the window manager's frame inside too.
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("opened");
        QTest::newRow("1366x1024") << QRect(0, 0, 1366, 1024) << QRect(93, 102, 1180, 820);
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768);
        QTest::newRow("800x600") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("1280x800 below a 28 px panel") << QRect(0, 28, 1280, 772) << QRect(50, 28, 1180, 772);
        QTest::newRow("second screen") << QRect(1920, 0, 1920, 1080) << QRect(2290, 130, 1180, 820);
    }
    void windowFitsTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, opened);
        QCOMPARE(PipwhistleApp::initialWindowGeometry(available), opened);
        QVERIFY(available.contains(opened));
        const QMargins frame(4, 30, 4, 4);
        const QRect fitted = PipwhistleApp::fittedWindowGeometry(opened, frame, available);
        QVERIFY(available.contains(fitted.marginsAdded(frame)));
        if (available.contains(opened.marginsAdded(frame)))
            QCOMPARE(fitted, opened); // nothing moves where the frame fits already
        QCOMPARE(PipwhistleApp::fittedWindowGeometry(opened, QMargins(), available), opened);
    }

    void dispatchMatchesExactly()
    {
        GameDispatch::setExtraRows({{u"maze"_s, u"MazeGame"_s, u"qrc:/qt/qml/Pipwhistle/App/qmldir"_s}});
        QVERIFY(GameDispatch::viewFor(u"maze"_s));
        for (const QString &id : {u"Maze"_s, u"MAZE"_s, u" maze"_s, u"maze "_s, u""_s, u"ma"_s})
            QVERIFY2(!GameDispatch::viewFor(id), qPrintable(id));
        // A view that is not among the resources shows the card rather than an error.
        GameDispatch::setExtraRows({{u"maze"_s, u"MazeGame"_s, u"qrc:/qt/qml/Pipwhistle/Nowhere/MazeGameView.qml"_s}});
        QVERIFY(!GameDispatch::viewFor(u"maze"_s));
        GameDispatch::setExtraRows({});
    }

    void shelvesFollowDeclarationOrder()
    {
        const QStringList categories = ShellCatalog::categories();
        QVERIFY(!categories.isEmpty());
        int last = -1;
        for (const QString &stored : categories) {
            GameCategory category;
            QVERIFY(categoryFromStored(stored, &category));
            QVERIFY(int(category) > last);
            last = int(category);
            QVERIFY(!ShellCatalog::games(stored).isEmpty());
        }
        QCOMPARE(ShellCatalog::shelfTitle(u"chinese"_s), u"🀄\uFE0F 中文游戏书架"_s);
        QCOMPARE(ShellCatalog::shelfTitle(u"math"_s), u"🔢 数学游戏书架"_s);
        QCOMPARE(ShellCatalog::emoji(u"english"_s), u"🇬🇧"_s);
        QCOMPARE(ShellCatalog::shelfName(u"coordination-memory"_s), u"协调记忆"_s);
    }

    void shelfGamesAndCoversFollowCatalogueOrder()
    {
        for (const QString &category : ShellCatalog::categories()) {
            QStringList expected;
            for (const GameDefinition &game : GameCatalog::all()) {
                if (game.categoryName() == category)
                    expected.append(game.id);
            }
            QStringList shown;
            for (const QVariant &game : ShellCatalog::games(category))
                shown.append(game.toMap().value(u"id"_s).toString());
            QCOMPARE(shown, expected);
            QCOMPARE(ShellCatalog::coverName(category), u"game_cover_"_s + QString(expected.first()).replace(u'-', u'_'));
        }
        QCOMPARE(ShellCatalog::coverName(u"no-such-shelf"_s), u"game_cover_no_such_shelf"_s);
    }

    void railSizes_data()
    {
        QTest::addColumn<bool>("portal");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("inset");
        QTest::newRow("portal 1180x820") << true << 1180.0 << 820.0 << 271.4 << 390.0 << 454.3;
        QTest::newRow("portal 800x600") << true << 800.0 << 600.0 << 184.0 << 336.0 << 308.0;
        QTest::newRow("portal 600x400") << true << 600.0 << 400.0 << 174.72 << 224.0 << 212.64;
        QTest::newRow("portal 1366x1024") << true << 1366.0 << 1024.0 << 290.0 << 390.0 << 538.0;
        QTest::newRow("portal narrow") << true << 150.0 << 400.0 << 174.72 << 224.0 << 14.0;
        QTest::newRow("card 1180x820") << false << 1180.0 << 820.0 << 277.3 << 420.0 << 451.35;
        QTest::newRow("card 800x600") << false << 800.0 << 600.0 << 205.0 << 360.0 << 297.5;
        QTest::newRow("card 600x400") << false << 600.0 << 400.0 << 195.0 << 250.0 << 202.5;
        QTest::newRow("card 1366x1024") << false << 1366.0 << 1024.0 << 310.0 << 420.0 << 528.0;
    }
    void railSizes()
    {
        QFETCH(bool, portal);
        QFETCH(double, w);
        QFETCH(double, h);
        const RailSize size = portal ? RailSizing::portals(w, h) : RailSizing::games(w, h);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, inset);
        QVERIFY2(qAbs(size.width - width) < 0.01, qPrintable(QString::number(size.width)));
        QVERIFY2(qAbs(size.height - height) < 0.01, qPrintable(QString::number(size.height)));
        QVERIFY2(qAbs(size.inset - inset) < 0.01, qPrintable(QString::number(size.inset)));
    }
};

QTEST_MAIN(ShellRulesTest)
#include "tst_shell_rules.moc"

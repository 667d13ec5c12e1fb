// The stories games played in the running application: opened from their shelves and
// played to the completion card with the play saved, at the usual size and in a small
// window. The books are read by real input: a drag across the page, the buttons and
// the arrow keys (quick turns among them, to a page and to the cover); the round games by clicks on their cells and names; the video room by
// a card, the route picker and its done button (its web view offline). The video room's
// player also meets the lock while it fills the window, and its helper processes end
// with the room.

#include "GameHostController.h"
#include "InstrumentEarsGame.h"
#include "OfflineWebView.h"
#include "GameTestSupport.h"
#include "Patience.h"
#include "PictureBookGame.h"
#include "PictureCache.h"
#include "Random.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"
#include "StoryChainGame.h"
#include "StorybookArtwork.h"
#include "StorybookPicture.h"
#include "TrackingBallsGame.h"
#include "VideoLibraryGame.h"
#include "VideoShelf.h"

#include <QDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestStoriesInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }
    void played_data();
    void played();
    void longPageTextShrinksBeforeItIsCut();
    void lockCoversTheFullWindowPlayer();
    void programmeCardIsDrawnBeforeItsPageLoads();
    void roomLetsItsHelpersGo();

private:
    void readBook(ShellFixture &f, QQuickItem *view, StorybookReader *reader);
};

void TestStoriesInShell::readBook(ShellFixture &f, QQuickItem *view, StorybookReader *reader)
{
    QQuickItem *pager = ShellTest::findNamed(view, u"pager"_s);
    QVERIFY(pager && ShellTest::isShown(pager));
    QVERIFY(f.waitShown(reader->coverTitle()));
    // A book open at its cover comes to rest: nothing hidden keeps the window drawing.
    const auto comesToRest = [&] {
        for (int tries = 0; tries < 10; ++tries) {
            int frames = 0;
            const auto counting = QObject::connect(f.window(), &QQuickWindow::frameSwapped, [&] { ++frames; });
            QTest::qWait(500);
            QObject::disconnect(counting);
            if (frames == 0)
                return true;
        }
        return false;
    };
    QVERIFY2(comesToRest(), "the open book keeps drawing frames");
    // The cover card is drawn: its shade darkens the foot of its picture (also where the
    // device pixel ratio is not 1).
    QQuickItem *cover = ShellTest::findItem(view, [](QQuickItem *item) { return item->property("shade").isValid(); });
    QVERIFY(cover);
    const QImage shot = f.window()->grabWindow();
    const QPointF foot = cover->mapToScene(QPointF(cover->width() / 2, cover->height() - 22));
    QVERIFY2(qGray(shot.pixel((foot * f.window()->effectiveDevicePixelRatio()).toPoint())) < 100, "the cover card is not drawn");
    // A drag from right to left across the page opens the book.
    const QPointF from = pager->mapToScene(QPointF(pager->width() * 0.7, pager->height() / 2));
    QTest::mousePress(f.window(), Qt::LeftButton, {}, from.toPoint());
    for (int step = 1; step <= 6; ++step)
        QTest::mouseMove(f.window(), (from - QPointF(step * 25, 0)).toPoint(), 10);
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, (from - QPointF(150, 0)).toPoint());
    PW_TRY_COMPARE(reader->page(), 1);
    QVERIFY(f.waitShown(reader->header()));
    // The arrow keys turn the pages too. The page a turn brings beside the one shown is
    // built once the pages have come to rest, not as they begin to move.
    const auto built = [&](int page) {
        return ShellTest::findItem(view, [&](QQuickItem *item) {
                   return item->objectName() == u"storyText"_s && item->property("text") == reader->pageText(page);
               }) != nullptr;
    };
    QVERIFY(reader->pageCount() >= 3);
    PW_TRY_VERIFY(built(2));
    // The pages are drawn from their parts, also by the software renderer: a card painted
    // into a layer of its own cost the frame its page was built in twice its budget
    // (the layer filled and then copied upside down, each in fresh memory).
    const QQuickItem *layered = ShellTest::findItem(view, [](QQuickItem *item) {
        const auto *layer = item->property("layer").value<QObject *>();
        return layer && layer->property("enabled").toBool();
    });
    QVERIFY2(!layered, layered ? layered->metaObject()->className() : "");
    QQuickItem *pages = ShellTest::findItem(view, [](QQuickItem *item) { return item->property("restingPage").isValid(); });
    QVERIFY(pages);
    const auto resting = [&] { return pages->property("restingPage").toInt(); };
    QTest::keyClick(f.window(), Qt::Key_Right);
    QCOMPARE(reader->page(), 2);
    // A key click runs the events due: a busy machine may have ended the slide already.
    QVERIFY(resting() == 2 || !built(3));
    PW_TRY_VERIFY(built(3));
    QTest::keyClick(f.window(), Qt::Key_Left);
    PW_TRY_COMPARE(reader->page(), 1);
    // A second turn while the pages still move brings a page not built yet: the page
    // beside the one shown has its picture decoded ahead, and the new page's first
    // frame finds it there.
    PW_TRY_VERIFY(built(2));
    QQuickItem *beside = ShellTest::findItem(view, [&](QQuickItem *item) {
        return item->property("radius").isValid() && item->property("name") == reader->pagePicture(2);
    });
    QVERIFY(beside);
    const qreal dpr = f.window()->effectiveDevicePixelRatio();
    const QString third = StorybookArtwork::filePath(reader->pagePicture(3));
    QVERIFY(!third.isEmpty());
    PW_TRY_VERIFY(PictureCache::shared().isReady(third, StorybookPicture::pixelsOf(beside->size(), dpr),
                                               beside->property("radius").toReal() * dpr, false));
    // The pictures not ready when asked for in the first two frames of `times` turns by
    // `key`, or in those drawn before the pages rested (a busy machine may end a slide in
    // one): the page the rest brings beside the shown one decodes its picture in a frame
    // of its own.
    const auto askedInTurn = [&](Qt::Key key, int times) {
        const int before = PictureCache::shared().notReadyWhenAsked();
        int frames = 0, asked = 0;
        const auto counting = connect(f.window(), &QQuickWindow::frameSwapped, pages, [&] {
            if (frames < 2 && resting() != reader->page()) {
                ++frames;
                asked = PictureCache::shared().notReadyWhenAsked() - before;
            }
        });
        for (int i = 0; i < times; ++i)
            QTest::keyClick(f.window(), key);
        const bool turned = Patience::waitFor([&] { return frames >= 2 || resting() == reader->page(); });
        disconnect(counting);
        return turned ? asked : -1;
    };
    QCOMPARE(askedInTurn(Qt::Key_Right, 2), 0);
    QCOMPARE(reader->page(), 3);
    QVERIFY(built(3));
    // Quick turns back to the cover and on to the first page: the cover's picture is of
    // another size than the pages' (its card has wider margins), and neither page finds
    // its picture decoding in its first frame.
    PW_TRY_COMPARE(resting(), 3);
    QCOMPARE(askedInTurn(Qt::Key_Left, 3), 0);
    QCOMPARE(reader->page(), 0);
    PW_TRY_COMPARE(resting(), 0);
    QCOMPARE(askedInTurn(Qt::Key_Right, 1), 0);
    QCOMPARE(reader->page(), 1);
    // Back to the cover and forward again by the buttons.
    QVERIFY(f.clickInWindow(view, u"previous"_s));
    PW_TRY_COMPARE(reader->page(), 0);
    while (reader->page() < reader->pageCount()) {
        const int page = reader->page();
        QVERIFY(f.clickInWindow(view, u"next"_s));
        PW_TRY_COMPARE(reader->page(), page + 1);
    }
    QVERIFY(f.waitShown(reader->pageBadge(reader->pageCount())));
    QVERIFY(f.waitShown(reader->nextText()));
    QVERIFY(f.clickInWindow(view, u"next"_s));
}

void TestStoriesInShell::played_data()
{
    ShellTest::addGameRowsAtBothSizes({u"story-chain"_s, u"picture-book"_s, u"tracking-balls"_s, u"instrument-ears"_s, u"space-trip"_s});
}

void TestStoriesInShell::played()
{
    QFETCH(QString, gameId);
    QFETCH(QSize, size);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(gameId, size);
    QVERIFY(view);
    QObject *object = view->property("game").value<QObject *>();
    QVERIFY(object);
    const auto settle = [&](int ms) {
        f.clock.advance(ms);
        QTest::qWait(10);
    };

    if (auto *reader = qobject_cast<StorybookReader *>(object)) {
        readBook(f, view, reader);
        QVERIFY(f.savedPlay(gameId, 100, 3));
    } else if (auto *game = qobject_cast<TrackingBallsGame *>(object)) {
        for (int r = 0; r < 5; ++r) {
            settle(TrackingBallsGame::leadInMs + int(game->current().path.size()) * TrackingBallsGame::cellMs);
            QVERIFY(game->accepting());
            if (r == 0) {
                QVERIFY(f.clickInWindow(view, u"cell%1"_s.arg(game->current().path.first())));
                QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
                settle(TrackingBallsGame::replayMs);
                settle(TrackingBallsGame::leadInMs + int(game->current().path.size()) * TrackingBallsGame::cellMs);
            }
            QVERIFY(f.clickInWindow(view, u"cell%1"_s.arg(game->current().path.last())));
            QVERIFY(game->locked());
            settle(TrackingBallsGame::pauseMs);
        }
        QVERIFY(f.savedPlay(gameId, 92, 3));
    } else if (auto *game = qobject_cast<InstrumentEarsGame *>(object)) {
        for (int r = 0; r < 5; ++r) {
            const int answer = int(game->choices().indexOf(game->current().answer));
            if (r == 0) {
                QVERIFY(f.clickInWindow(view, u"choice%1"_s.arg((answer + 1) % 4)));
                QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
            }
            QVERIFY(f.clickInWindow(view, u"choice%1"_s.arg(answer)));
            QVERIFY(game->locked());
            settle(InstrumentEarsGame::pauseMs);
        }
        QVERIFY(f.savedPlay(gameId, 92, 3));
    } else if (auto *room = qobject_cast<VideoLibraryGame *>(object)) {
        const VideoNetworkRoute other =
            room->route() == VideoNetworkRoute::china ? VideoNetworkRoute::overseas : VideoNetworkRoute::china;
        QVERIFY(f.clickInWindow(view, u"card-planets"_s));
        QCOMPARE(room->selectedID(), u"planets"_s);
        QCOMPARE(room->playbackToken(), 1);
        QVERIFY(f.clickInWindow(view, u"route-"_s + VideoRoutes::rawValue(other)));
        QCOMPARE(room->route(), other);
        QVERIFY(f.waitShown(VideoRoutes::note(other)));
        QVERIFY(f.waitShown(u"从太阳系出发，认识星星、月亮和行星。"_s));
        QVERIFY(f.clickInWindow(view, u"done"_s));
        QVERIFY(f.savedPlay(gameId, 100, 3));
    } else {
        QFAIL("not a stories game");
    }
}

// A page text longer than three lines is drawn smaller, to 0.72 of its size at the
// least, before its end is cut; a short one keeps its size.
void TestStoriesInShell::longPageTextShrinksBeforeItIsCut()
{
    GameTestWorld world;
    ViewWindow w;
    QVERIFY(w.open(u"Stories"_s, u"StoryChainGameView"_s, QSize(800, 600)));
    auto *reader = w.game<StorybookReader>();
    QVERIFY(reader);
    reader->turn(1);
    QQuickItem *text = nullptr;
    PW_TRY_VERIFY((text = ShellTest::findNamed(w.item, u"storyText"_s)));
    QQuickItem *page = text; // the page view, which has the text and the badge
    while (page && page->metaObject()->indexOfProperty("badge") < 0)
        page = page->parentItem();
    QVERIFY(page);
    const auto pixelSize = [&] { return text->property("font").value<QFont>().pixelSize(); };
    const QString sentence = u"小熊把种子埋进土里，每天早上都给它浇一点水。"_s;

    page->setProperty("text", sentence);
    QCOMPARE(pixelSize(), 29);
    QVERIFY(!text->property("truncated").toBool());

    // Four lines at full size fit in three at a smaller one.
    const QString longer = sentence + sentence + sentence;
    page->setProperty("text", longer);
    QVERIFY2(pixelSize() < 29 && pixelSize() >= 21, qPrintable(u"%1 px, %2 wide, %3 lines"_s.arg(pixelSize()).arg(text->width()).arg(text->property("lineCount").toInt())));
    QVERIFY(!text->property("truncated").toBool());
    QVERIFY(text->property("lineCount").toInt() <= 3);

    // What three lines cannot hold even at the smallest size is cut there.
    page->setProperty("text", longer + longer);
    QCOMPARE(pixelSize(), 21);
    QVERIFY(text->property("truncated").toBool());
}

namespace {

// The web view of the video room in `view`, once its page has loaded.
QObject *loadedPlayer(QQuickItem *view)
{
    QObject *web = nullptr;
    const bool loaded = Patience::waitFor([&] {
        web = view->findChild<QObject *>(u"videoWebView"_s);
        return web && !web->property("loading").toBool() && web->property("url").toUrl().isValid();
    });
    return loaded ? web : nullptr;
}

// What `expression` gives in the page on screen, through the page's title.
QString ask(QObject *web, const QString &expression)
{
    static int asked = 0;
    const QString tag = u"asked%1:"_s.arg(++asked);
    QMetaObject::invokeMethod(web, "runJavaScript", Q_ARG(QString, u"document.title = '%1' + String(%2)"_s.arg(tag, expression)));
    if (!Patience::waitFor([&] { return web->property("title").toString().startsWith(tag); }))
        return {};
    return web->property("title").toString().mid(tag.size());
}

// The web engine's helper processes below this one.
int engineHelpers()
{
    QMap<qint64, qint64> parents;
    QMap<qint64, QByteArray> commands;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        QFile stat(u"/proc/%1/stat"_s.arg(pid));
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        parents[pid] = line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toLongLong();
        QFile command(u"/proc/%1/cmdline"_s.arg(pid));
        if (command.open(QIODevice::ReadOnly))
            commands[pid] = command.readAll();
    }
    int helpers = 0;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        qint64 above = it.value();
        while (above > 1 && above != ::getpid())
            above = parents.value(above, 0);
        if (above == ::getpid() && commands.value(it.key()).contains("QtWebEngineProcess"))
            ++helpers;
    }
    return helpers;
}
} // namespace

void TestStoriesInShell::lockCoversTheFullWindowPlayer()
{
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(u"space-trip"_s, QSize(1180, 820));
    QVERIFY(view);
    auto *room = view->property("game").value<VideoLibraryGame *>();
    QVERIFY(room);
    QObject *web = loadedPlayer(view);
    QVERIFY(web);
    auto *webItem = qobject_cast<QQuickItem *>(web);
    // Offline, the room shows its own frame; here the service is taken to have answered,
    // and the page plays a tone and asks for full screen at a tap.
    QVERIFY(Patience::waitFor([&] { return room->player()->offline(); }));
    QMetaObject::invokeMethod(web, "runJavaScript",
                              Q_ARG(QString, u"document.title = document.title.replace(':offline', ':online')"_s));
    QVERIFY(Patience::waitFor([&] { return !room->player()->offline() && webItem->isVisible(); }));
    QCOMPARE(ask(web, uR"((() => {
        document.querySelector('iframe').style.pointerEvents = 'none';
        document.addEventListener('click', () => document.documentElement.requestFullscreen());
        const rate = 8000, header = 44, samples = new Uint8Array(header + rate);
        const view = new DataView(samples.buffer);
        [[0, 0x46464952], [8, 0x45564157], [12, 0x20746d66], [36, 0x61746164]].forEach(([at, word]) => view.setUint32(at, word, true));
        [[4, 36 + rate], [16, 16], [24, rate], [28, rate], [40, rate]].forEach(([at, value]) => view.setUint32(at, value, true));
        [[20, 1], [22, 1], [32, 1], [34, 8]].forEach(([at, value]) => view.setUint16(at, value, true));
        for (let i = 0; i < rate; ++i) samples[header + i] = 128 + 60 * Math.sin(i / 3);
        window.tone = new Audio(URL.createObjectURL(new Blob([samples], {type: 'audio/wav'})));
        tone.loop = true;
        tone.play();
        return 'ready';
    })())"_s), u"ready"_s);
    QVERIFY(Patience::waitFor([&] { return ask(web, u"!tone.paused && tone.currentTime > 0"_s) == u"true"_s; }));

    ShellTest::click(f.window(), webItem);
    QVERIFY(Patience::waitFor([&] { return room->player()->fullWindow(); }));
    PW_TRY_COMPARE(webItem->size(), QSizeF(f.window()->size()));

    // What the player hands the web view from here on, and whether the view was muted
    // at that moment.
    struct Load
    {
        bool programme = false;
        bool muted = false;
    };
    QList<Load> loads;
    connect(room->player(), &VideoEmbedCoordinator::loadPage, web, [&](const QString &html) {
        loads.append({!html.contains(u" src=\"\""_s), web->property("audioMuted").toBool()});
    });
    QVERIFY(!web->property("audioMuted").toBool());

    // The time is up: the sound stops with the lock's first frame, before the page
    // without a programme has replaced the player; the lock lies over all of the
    // window, the player has left full window and plays nothing.
    f.clock.advance(30 * 60 * 1000);
    QVERIFY(f.time()->isLocked());
    QVERIFY(web->property("audioMuted").toBool());
    QCOMPARE(loads.size(), 1);
    QVERIFY(!loads[0].programme && loads[0].muted);
    QVERIFY(f.waitShown(u"本次娱乐时间到了"_s));
    QTest::qWait(500); // the lock has faded in
    QVERIFY(!room->player()->fullWindow());
    QVERIFY(webItem->size() != QSizeF(f.window()->size()));
    QVERIFY(Patience::waitFor([&] { return ask(web, u"!!window.tone && !tone.paused"_s) == u"false"_s; }));
    const QImage shot = f.window()->grabWindow();
    for (const QPoint at : {QPoint(20, 20), QPoint(shot.width() / 2, shot.height() - 20), QPoint(shot.width() - 20, 200)}) {
        const QColor seen = shot.pixelColor(at * shot.devicePixelRatio());
        QVERIFY2(seen.red() < 60 && seen.green() < 60 && seen.blue() < 80, qPrintable(seen.name()));
    }
    // A tap where the player was reaches the lock, not the player.
    for (const QPoint at : {QPoint(20, 20), QPoint(f.window()->width() / 2, f.window()->height() - 20)}) {
        QTest::mousePress(f.window(), Qt::LeftButton, {}, at);
        QQuickItem *grabber = f.window()->mouseGrabberItem();
        QTest::mouseRelease(f.window(), Qt::LeftButton, {}, at);
        QVERIFY(grabber);
        QVERIFY(grabber != webItem && !webItem->isAncestorOf(grabber));
    }
    QVERIFY(f.time()->isLocked());

    // The parent unlocks: the setup that follows keeps the programme stopped and silent
    // until a new session is confirmed, then the programme loads again and is heard.
    f.typeInto(u"unlockPin"_s, u"2468"_s);
    QVERIFY(f.clickText(u"家长解锁"_s));
    QVERIFY(f.waitShown(u"设置娱乐时间"_s));
    QVERIFY(f.waitGone(u"本次娱乐时间到了"_s));
    QCOMPARE(loads.size(), 1);
    QVERIFY(web->property("audioMuted").toBool());
    f.typeInto(u"setupPin"_s, u"2468"_s);
    QVERIFY(f.clickText(u"确定，进入乐园"_s));
    QVERIFY(f.waitGone(u"设置娱乐时间"_s));
    QVERIFY(!web->property("audioMuted").toBool());
    QCOMPARE(loads.size(), 2);
    QVERIFY(loads[1].programme && !loads[1].muted);
}

// Resident KiB of the program's mappings whose line in /proc/self/maps matches `pattern`.
qint64 residentKiB(const QRegularExpression &pattern)
{
    QFile smaps(u"/proc/self/smaps"_s);
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression mapping(u"^[0-9a-f]+-[0-9a-f]+ "_s);
    qint64 kib = 0;
    bool matching = false;
    for (const QByteArray &bytes : smaps.readAll().split('\n')) {
        const QString line = QString::fromUtf8(bytes);
        if (mapping.match(line).hasMatch())
            matching = pattern.match(line).hasMatch();
        else if (matching && line.startsWith(u"Rss:"_s))
            kib += line.section(u' ', 1, -1, QString::SectionSkipEmpty).section(u' ', 0, 0).toLongLong();
    }
    return kib;
}

// The web engine does its share of a new page on the interface thread: a tap on a
// programme card is answered, and its frame drawn, before that work begins.
void TestStoriesInShell::programmeCardIsDrawnBeforeItsPageLoads()
{
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(u"space-trip"_s, QSize(1180, 820));
    QVERIFY(view);
    QObject *web = loadedPlayer(view);
    QVERIFY(web);
    const QUrl shown = web->property("url").toUrl();
    const auto pageAsked = [&] { return web->property("loading").toBool() || web->property("url").toUrl() != shown; };
    QQuickItem *card = ShellTest::findNamed(view, u"card-"_s + VideoShelfItem::items().at(1).id);
    QVERIFY(card);
    // Frames drawn with the card chosen before the page was asked for.
    int answeredFirst = 0;
    connect(f.window(), &QQuickWindow::frameSwapped, card, [&] {
        if (card->property("selected").toBool() && !pageAsked())
            ++answeredFirst;
    });
    ShellTest::click(f.window(), card);
    QVERIFY(card->property("selected").toBool());
    QVERIFY(Patience::waitFor(pageAsked));
    QVERIFY(answeredFirst > 0);
}

void TestStoriesInShell::roomLetsItsHelpersGo()
{
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        QSKIP("with the engine's sandbox its zygote processes stay for the whole run");
    const QRegularExpression engineCode(u" r-xp .*/libQt6WebEngineCore\\.so"_s);
    const QRegularExpression openGLDriver(u"/dri/|/libLLVM"_s);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(u"space-trip"_s, QSize(1180, 820));
    for (int visit = 1; visit <= 2; ++visit) {
        if (visit == 2) { // from the shelf, as its card does
            QQuickItem *stack = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
            QMetaObject::invokeMethod(stack->property("currentItem").value<QQuickItem *>(), "openGame",
                                      Q_ARG(QVariant, ShellCatalog::game(u"space-trip"_s)));
            QVERIFY(Patience::waitFor([&] {
                QQuickItem *page = ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->property("host").value<GameHostController *>(); });
                view = page ? page->property("gameView").value<QQuickItem *>() : nullptr;
                return view != nullptr && !stack->property("busy").toBool();
            }));
        }
        QVERIFY(view);
        QVERIFY(loadedPlayer(view));
        QVERIFY(Patience::waitFor([] { return engineHelpers() > 0; }));
        QVERIFY(residentKiB(engineCode) > 16 * 1024);
        // Drawn by the software renderer, the engine draws in software too: no OpenGL
        // driver is loaded for it.
        if (QQuickWindow::sceneGraphBackend() == u"software"_s)
            QCOMPARE(residentKiB(openGLDriver), 0);
        QVERIFY(f.clickText(u"返回书架"_s));
        QVERIFY(Patience::waitFor([&] { return !f.host(); }));
        QVERIFY(Patience::waitFor([] { return engineHelpers() == 0; }));
        // Once the engine has rested, the code it ran is no longer held (the few pages
        // its idle threads run come back); the room opens again as before.
        f.clock.advance(WebViewSetup::engineRestMs - 1);
        QVERIFY(residentKiB(engineCode) > 16 * 1024);
        f.clock.advance(1);
        QVERIFY2(Patience::waitFor([&] { return residentKiB(engineCode) < 8 * 1024; }),
                 qPrintable(u"%1 KiB of the engine's code still resident"_s.arg(residentKiB(engineCode))));
    }
}

PW_WEB_VIEW_TEST_MAIN(TestStoriesInShell)
#include "tst_stories_in_shell.moc"

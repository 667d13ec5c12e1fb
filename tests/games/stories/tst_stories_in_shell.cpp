// The stories games played in the running application: opened from their shelves and
// played to the completion card with the play saved, at the usual size and in a small
// window. The books are read by real input: a drag across the page, the buttons and
// the arrow keys; the round games by clicks on their cells and names; the video room by
// a card, the route picker and its done button (its web view offline).

#include "GameHostController.h"
#include "InstrumentEarsGame.h"
#include "OfflineWebView.h"
#include "GameTestSupport.h"
#include "PictureBookGame.h"
#include "Random.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"
#include "StoryChainGame.h"
#include "TrackingBallsGame.h"
#include "VideoLibraryGame.h"

#include <QtTest>

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
    QTRY_COMPARE(reader->page(), 1);
    QVERIFY(f.waitShown(reader->header()));
    // The arrow keys turn the pages too. The page a turn brings beside the one shown is
    // built once the pages have come to rest, not as they begin to move.
    const auto built = [&](int page) {
        return ShellTest::findItem(view, [&](QQuickItem *item) {
                   return item->objectName() == u"storyText"_s && item->property("text") == reader->pageText(page);
               }) != nullptr;
    };
    QVERIFY(reader->pageCount() >= 3);
    QTRY_VERIFY(built(2));
    QTest::keyClick(f.window(), Qt::Key_Right);
    QCOMPARE(reader->page(), 2);
    QVERIFY(!built(3));
    QTRY_VERIFY(built(3));
    QTest::keyClick(f.window(), Qt::Key_Left);
    QTRY_COMPARE(reader->page(), 1);
    // Back to the cover and forward again by the buttons.
    QVERIFY(f.clickInWindow(view, u"previous"_s));
    QTRY_COMPARE(reader->page(), 0);
    while (reader->page() < reader->pageCount()) {
        const int page = reader->page();
        QVERIFY(f.clickInWindow(view, u"next"_s));
        QTRY_COMPARE(reader->page(), page + 1);
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
    QTRY_VERIFY((text = ShellTest::findNamed(w.item, u"storyText"_s)));
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

PW_WEB_VIEW_TEST_MAIN(TestStoriesInShell)
#include "tst_stories_in_shell.moc"

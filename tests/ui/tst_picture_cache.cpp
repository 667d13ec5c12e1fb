// Pictures decoded ahead of their show: what an item asks for is always the picture it
// would have decoded itself, whether the worker has finished, is still at it, or has not
// started; what was prepared for the next time is kept within the budget, what was
// prepared until shown goes with its last asker, what is held stays until let go,
// nothing else is kept.
#include "Patience.h"
#include "PictureCache.h"
#include "StorybookArtwork.h"
#include "StorybookPicture.h"

#include <QThreadPool>
#include <QtTest>

using namespace Qt::StringLiterals;

class PictureCacheTest : public QObject
{
    Q_OBJECT

    static QString art(const QString &name)
    {
        const QString path = StorybookArtwork::filePath(name);
        if (path.isEmpty())
            qFatal("no picture %s", qPrintable(name));
        return path;
    }

private slots:
    void cleanup()
    {
        QThreadPool::globalInstance()->waitForDone();
        PictureCache::shared().clear();
    }

    void askedAtOnceStillShows()
    {
        PictureCache &cache = PictureCache::shared();
        const QString world = art(u"storybook_playground_world"_s);
        const QImage expected = StorybookPicture::shownPicture(world, QSize(683, 512), 0, false);
        QVERIFY(!expected.isNull());
        // Prepared and asked for at once, many times over: the asker waits for the worker
        // under way or decodes it itself; the picture is the same either way.
        for (int round = 0; round < 8; ++round) {
            const QSize pixels(683 - round, 512);
            cache.prepare(world, pixels, 12, false);
            const QImage shown = cache.picture(world, pixels, 12, false);
            QCOMPARE(shown, StorybookPicture::shownPicture(world, pixels, 12, false));
            QVERIFY(cache.isReady(world, pixels, 12, false));
        }
        // Several pictures under way at once, asked for in the opposite order.
        QStringList covers;
        for (const QString &id : {u"chinese-match"_s, u"math-battle"_s, u"maze"_s, u"tangram"_s, u"pattern"_s})
            covers << art(StorybookArtwork::coverName(id));
        for (const QString &cover : covers)
            cache.prepare(cover, QSize(310, 420), 34, false);
        for (auto it = covers.crbegin(); it != covers.crend(); ++it)
            QCOMPARE(cache.picture(*it, QSize(310, 420), 34, false),
                     StorybookPicture::shownPicture(*it, QSize(310, 420), 34, false));
    }

    void preparedOnesAreKeptOthersAreNot()
    {
        PictureCache &cache = PictureCache::shared();
        const QString cover = art(StorybookArtwork::coverName(u"jigsaw"_s));
        const int notReady = cache.notReadyWhenAsked();

        // Decoded ahead: the page that shows it decodes nothing.
        cache.prepare(cover, QSize(300, 400), 34, false);
        PW_TRY_VERIFY(cache.isReady(cover, QSize(300, 400), 34, false));
        const qsizetype kept = cache.keptBytes();
        QCOMPARE(kept, qsizetype(300 * 400 * 4));
        QVERIFY(!cache.picture(cover, QSize(300, 400), 34, false).isNull());
        QCOMPARE(cache.notReadyWhenAsked(), notReady);
        // Preparing again decodes nothing again.
        cache.prepare(cover, QSize(300, 400), 34, false);
        QCOMPARE(cache.keptBytes(), kept);

        // Another size, never prepared: decoded for its asker only.
        QVERIFY(!cache.picture(cover, QSize(301, 400), 34, false).isNull());
        QCOMPARE(cache.notReadyWhenAsked(), notReady + 1);
        QVERIFY(!cache.isReady(cover, QSize(301, 400), 34, false));
        QCOMPARE(cache.keptBytes(), kept);

        // A missing picture draws the wash and is no decoding.
        QVERIFY(!cache.picture(QString(), QSize(30, 40), 4, false).isNull());
        QCOMPARE(cache.notReadyWhenAsked(), notReady + 1);

        // Prepared until shown: it goes with its asker.
        cache.prepare(cover, QSize(200, 260), 20, false, PictureCache::Keep::UntilShown);
        PW_TRY_VERIFY(cache.isReady(cover, QSize(200, 260), 20, false));
        QCOMPARE(cache.keptBytes(), kept + 200 * 260 * 4);
        QCOMPARE(cache.picture(cover, QSize(200, 260), 20, false),
                 StorybookPicture::shownPicture(cover, QSize(200, 260), 20, false));
        QCOMPARE(cache.notReadyWhenAsked(), notReady + 1);
        QVERIFY(!cache.isReady(cover, QSize(200, 260), 20, false));
        QCOMPARE(cache.keptBytes(), kept);
        // ... unless it is also wanted for the next time.
        cache.prepare(cover, QSize(200, 260), 20, false, PictureCache::Keep::UntilShown);
        cache.prepare(cover, QSize(200, 260), 20, false);
        QVERIFY(!cache.picture(cover, QSize(200, 260), 20, false).isNull());
        PW_TRY_VERIFY(cache.isReady(cover, QSize(200, 260), 20, false));
        // One that will not be shown after all is forgotten, decoded or not.
        cache.prepare(cover, QSize(100, 130), 20, false, PictureCache::Keep::UntilShown);
        cache.forget(cover, QSize(100, 130), 20, false);
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(!cache.isReady(cover, QSize(100, 130), 20, false));
        QCOMPARE(cache.keptBytes(), kept + 200 * 260 * 4);
    }

    // What was kept of a file goes at every size at once, and only it; one let go while
    // still to be decoded is not kept either, and its asker still gets it.
    void keptOnesGoByFile()
    {
        PictureCache &cache = PictureCache::shared();
        const QString lobby = art(u"storybook_magic_lobby"_s);
        const QString stage = art(u"storybook_game_stage"_s);
        cache.prepare(lobby, QSize(300, 200), 28, false);
        cache.prepare(lobby, QSize(600, 400), 0, false);
        cache.prepare(stage, QSize(300, 200), 28, false);
        QThreadPool::globalInstance()->waitForDone();
        cache.forgetKept(lobby);
        QVERIFY(!cache.isReady(lobby, QSize(300, 200), 28, false));
        QVERIFY(!cache.isReady(lobby, QSize(600, 400), 0, false));
        QVERIFY(cache.isReady(stage, QSize(300, 200), 28, false));
        QCOMPARE(cache.keptBytes(), qsizetype(300 * 200 * 4));

        cache.prepare(lobby, QSize(640, 480), 0, false);
        cache.forgetKept(lobby);
        QCOMPARE(cache.picture(lobby, QSize(640, 480), 0, false),
                 StorybookPicture::shownPicture(lobby, QSize(640, 480), 0, false));
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(!cache.isReady(lobby, QSize(640, 480), 0, false));
        QCOMPARE(cache.keptBytes(), qsizetype(300 * 200 * 4));
    }

    // A picture held stays however often it is shown, until its last holder lets go;
    // one awaited by two pages until shown stays for the second; a page dropped and
    // built again between two quick turns, whose picture a page beside it holds, finds
    // it ready, even where the page that prepared it let go of it first.
    void heldOnesStayUntilLetGo()
    {
        PictureCache &cache = PictureCache::shared();
        const QString seed = art(u"storybook_scene_seed"_s);
        const QSize pixels(443, 273);
        const int notReady = cache.notReadyWhenAsked();
        cache.hold(seed, pixels, 18, false);
        cache.hold(seed, pixels, 18, false);
        PW_TRY_VERIFY(cache.isReady(seed, pixels, 18, false));
        for (int shown = 0; shown < 3; ++shown) {
            cache.prepare(seed, pixels, 18, false, PictureCache::Keep::UntilShown);
            cache.forget(seed, pixels, 18, false); // a page built and dropped before its frame
            cache.prepare(seed, pixels, 18, false, PictureCache::Keep::UntilShown);
            QCOMPARE(cache.picture(seed, pixels, 18, false), StorybookPicture::shownPicture(seed, pixels, 18, false));
        }
        QCOMPARE(cache.notReadyWhenAsked(), notReady);
        cache.release(seed, pixels, 18, false);
        QVERIFY(cache.isReady(seed, pixels, 18, false));
        cache.release(seed, pixels, 18, false);
        QVERIFY(!cache.isReady(seed, pixels, 18, false));
        QCOMPARE(cache.keptBytes(), 0);
        cache.release(seed, pixels, 18, false); // let go once too often: nothing to drop

        // Awaited twice: the first show leaves it for the second.
        cache.prepare(seed, pixels, 18, false, PictureCache::Keep::UntilShown);
        cache.prepare(seed, pixels, 18, false, PictureCache::Keep::UntilShown);
        PW_TRY_VERIFY(cache.isReady(seed, pixels, 18, false));
        QVERIFY(!cache.picture(seed, pixels, 18, false).isNull());
        QVERIFY(cache.isReady(seed, pixels, 18, false));
        QVERIFY(!cache.picture(seed, pixels, 18, false).isNull());
        QVERIFY(!cache.isReady(seed, pixels, 18, false));

        // Let go by its holder as the page that shows it is built: still there for its frame.
        cache.hold(seed, pixels, 18, false);
        PW_TRY_VERIFY(cache.isReady(seed, pixels, 18, false));
        cache.prepare(seed, pixels, 18, false, PictureCache::Keep::UntilShown);
        cache.release(seed, pixels, 18, false);
        QVERIFY(cache.isReady(seed, pixels, 18, false));
        QVERIFY(!cache.picture(seed, pixels, 18, false).isNull());
        QCOMPARE(cache.notReadyWhenAsked(), notReady);
        QCOMPARE(cache.keptBytes(), 0);
    }

    void keptWithinTheBudget()
    {
        PictureCache &cache = PictureCache::shared();
        const QString lobby = art(u"storybook_magic_lobby"_s);
        // Five pictures of 12 MB: the oldest go, the newest stay.
        const QList<QSize> sizes{{2000, 1500}, {2001, 1500}, {2002, 1500}, {2003, 1500}, {2004, 1500}};
        for (const QSize &pixels : sizes) {
            cache.prepare(lobby, pixels, 0, true);
            QVERIFY(!cache.picture(lobby, pixels, 0, true).isNull());
            QVERIFY(cache.keptBytes() <= PictureCache::budgetBytes);
        }
        QVERIFY(cache.isReady(lobby, sizes.last(), 0, true));
        QVERIFY(!cache.isReady(lobby, sizes.first(), 0, true));
        // Asked for again after it went: decoded again, still the same picture.
        QCOMPARE(cache.picture(lobby, sizes.first(), 0, true), StorybookPicture::shownPicture(lobby, sizes.first(), 0, true));
    }
};

QTEST_GUILESS_MAIN(PictureCacheTest)
#include "tst_picture_cache.moc"

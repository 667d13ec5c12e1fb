// The video room through its C++ class and its player's rules: addresses, load keys,
// the page text, the navigation policy, the locale rule and whole visits to the room.

#include "GameTestSupport.h"
#include "Patience.h"
#include "StoryMusicPlayer.h"
#include "VideoEmbed.h"
#include "VideoLibraryGame.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// How the web engine addresses a page handed to it with a base address.
QUrl asLoaded(const QString &html)
{
    return QUrl(QString::fromLatin1("data:text/html;charset=UTF-8," + html.toUtf8().toPercentEncoding()));
}

// Sets the locale variables for one scope and restores them.
struct LocaleEnvironment
{
    QHash<QByteArray, QByteArray> saved;
    explicit LocaleEnvironment(const QHash<QByteArray, QByteArray> &values)
    {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            saved.insert(name, qgetenv(name));
            if (values.contains(name))
                qputenv(name, values.value(name));
            else
                qunsetenv(name);
        }
    }
    ~LocaleEnvironment()
    {
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            if (it.value().isEmpty())
                qunsetenv(it.key());
            else
                qputenv(it.key(), it.value());
        }
    }
};
} // namespace

class TestVideoLibrary : public QObject
{
    Q_OBJECT
private slots:
    void shelfAndIdentifiers();
    void addressesAndKeys();
    void pageText();
    void navigationPolicy();
    void localeRule_data();
    void localeRule();
    void reloadDecisions();
    void coveredAndOffline();
    void visitingTheRoom();
    void musicWhileTheRoomIsOpen();
};

void TestVideoLibrary::shelfAndIdentifiers()
{
    const QList<VideoShelfItem> &items = VideoShelfItem::items();
    QStringList ids;
    for (const VideoShelfItem &item : items) {
        ids.append(item.id);
        QVERIFY2(VideoEmbed::isYoutubeID(item.youtubeID), qPrintable(item.youtubeID));
        QVERIFY2(VideoEmbed::isBilibiliBVID(item.bilibiliBVID), qPrintable(item.bilibiliBVID));
        QVERIFY(item.tag.contains(u" · "_s));
    }
    QCOMPARE(ids.join(u' '), u"animals planets ocean buildings countries money"_s);
    QCOMPARE(codePoints(items[5].emoji), u"1FA99"_s);
    QCOMPARE(items[4].youtubeID, u"eWXZ7-_o_R4"_s);
    QCOMPARE(VideoShelfItem::find(u"nothing"_s).id, u"animals"_s);

    // Shapes of the two services: nothing else reaches an address.
    for (const QString &bad : {u"hG0-HS1cRT"_s, u"hG0-HS1cRT44"_s, u"hG0-HS1cR/4"_s, u"hG0-HS1c\"T4"_s, u"hG0 HS1cRT4"_s,
                               u"hG0-HS1cRTé"_s, QString()})
        QVERIFY2(!VideoEmbed::isYoutubeID(bad), qPrintable(bad));
    for (const QString &bad : {u"bv1CazyYTEv2"_s, u"BV1CazyYTEv"_s, u"BV1CazyYTEv22"_s, u"BV1Cazy_TEv2"_s,
                               u"BV1Cazy-TEv2"_s, u"BV1CazyYTE&2"_s, u"XX1CazyYTEv2"_s})
        QVERIFY2(!VideoEmbed::isBilibiliBVID(bad), qPrintable(bad));
}

void TestVideoLibrary::addressesAndKeys()
{
    using VideoEmbed::embedURL;
    const QString china = embedURL(VideoNetworkRoute::china, u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2"_s);
    QCOMPARE(china, u"https://player.bilibili.com/player.html?bvid=BV1CazyYTEv2"
                    "&page=1&autoplay=1&muted=0&high_quality=1&danmaku=0"_s);
    QCOMPARE(VideoEmbed::loadKey(VideoNetworkRoute::china, china, 0), u"china:"_s + china + u":0"_s);
    const QString overseas = embedURL(VideoNetworkRoute::overseas, u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2"_s);
    QCOMPARE(overseas,
             u"https://www.youtube-nocookie.com/embed/hG0-HS1cRT4?autoplay=1&playsinline=1&rel=0&modestbranding=1"_s);
    QCOMPARE(VideoEmbed::loadKey(VideoNetworkRoute::overseas, overseas, 12), u"overseas:"_s + overseas + u":12"_s);
    QCOMPARE(VideoEmbed::origin(VideoNetworkRoute::china), u"https://player.bilibili.com"_s);
    QCOMPARE(VideoEmbed::origin(VideoNetworkRoute::overseas), u"https://www.youtube-nocookie.com"_s);
    // A malformed identifier never reaches the address (it could add query items or
    // leave the attribute); only the route's own identifier is checked.
    QCOMPARE(embedURL(VideoNetworkRoute::overseas, u"x\" onload=\"a"_s, u"BV1CazyYTEv2"_s), QString());
    QCOMPARE(embedURL(VideoNetworkRoute::china, u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2&page=9"_s), QString());
    QCOMPARE(embedURL(VideoNetworkRoute::china, u"bad"_s, u"BV1CazyYTEv2"_s), china);
}

void TestVideoLibrary::pageText()
{
    const QString url = VideoEmbed::embedURL(VideoNetworkRoute::china, {}, u"BV1CazyYTEv2"_s);
    const QString page = VideoEmbed::pageText(u"动物真奇妙"_s, url);
    QCOMPARE(page,
             u"<!doctype html><html><head><meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0, "
             "maximum-scale=1.0\"><style>html,body{margin:0;width:100%;height:100%;background:#fff7e6;overflow:hidden}"
             "iframe{width:100%;height:100%;border:0}</style></head><body><iframe title=\"动物真奇妙\" src=\""_s
                 + url
                 + u"\" allow=\"accelerometer; autoplay; clipboard-write; encrypted-media; gyroscope; picture-in-picture; "
                   "web-share\" allowfullscreen></iframe></body></html>"_s);
    const QByteArray bytes = page.toUtf8();
    const QByteArray title = u"动物真奇妙"_s.toUtf8();
    QCOMPARE(bytes.indexOf(title), 275);
    const qsizetype closing = bytes.indexOf(url.toUtf8()) + url.toUtf8().size();
    QCOMPARE(bytes.size() - closing, 149);
    QCOMPARE(bytes.sliced(275 + title.size(), 7), QByteArray("\" src=\""));
    QVERIFY(!page.contains(u'\n'));

    // "&" first, so an inserted "&lt;" is not escaped again; '"' cannot end the attribute.
    QCOMPARE(VideoEmbed::escapeTitle(u"A&B <i> \"q\" &lt;"_s), u"A&amp;B &lt;i> &quot;q&quot; &amp;lt;"_s);
    const QString hostile = VideoEmbed::pageText(VideoEmbed::escapeTitle(u"x\" onload=\"alert(1)"_s), url);
    QVERIFY(hostile.contains(u"title=\"x&quot; onload=&quot;alert(1)\" src="_s));
}

void TestVideoLibrary::navigationPolicy()
{
    using VideoEmbed::navigationAllowed;
    const QString own = VideoEmbed::pageText(u"动物真奇妙 & <friends>"_s,
                                             VideoEmbed::embedURL(VideoNetworkRoute::overseas, u"hG0-HS1cRT4"_s, {}));
    // The page's own load, as the engine reports it.
    QVERIFY(navigationAllowed(asLoaded(own), true, own));
    // Another page given as data, or the own page before any was loaded, is not ours.
    QVERIFY(!navigationAllowed(asLoaded(own + u"<script></script>"_s), true, own));
    QVERIFY(!navigationAllowed(asLoaded(own), true, QString()));
    QVERIFY(!navigationAllowed(QUrl(u"data:text/plain,"_s + own), true, own));

    // The two player hosts, over any scheme and in any case, in the top frame.
    for (const QString &url : {u"https://player.bilibili.com/player.html?bvid=BV1CazyYTEv2"_s,
                               u"https://WWW.YOUTUBE-NOCOOKIE.COM/embed/hG0-HS1cRT4"_s,
                               u"https://Player.Bilibili.com"_s, u"http://www.youtube-nocookie.com/embed/x"_s})
        QVERIFY2(navigationAllowed(QUrl(url), true, own), qPrintable(url));
    // Everything else is cancelled in the top frame and allowed inside the inline frame.
    for (const QString &url : {u"https://www.youtube.com/watch?v=hG0-HS1cRT4"_s, u"https://www.bilibili.com/video/x"_s,
                               u"http://example.org/"_s, u"https://player.bilibili.com.example.org/"_s,
                               u"ftp://example.org/file"_s, u"about:blank"_s, u"javascript:alert(1)"_s,
                               u"file:///etc/passwd"_s, u"intent://x"_s}) {
        QVERIFY2(!navigationAllowed(QUrl(url), true, own), qPrintable(url));
        QVERIFY2(navigationAllowed(QUrl(url), false, own), qPrintable(url));
    }
}

void TestVideoLibrary::localeRule_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("route");
    for (const char *id : {"zh_CN", "zh_Hans_CN", "en_CN", "ZH_cn", "zh_CN.UTF-8", "en_cn@euro"})
        QTest::newRow(id) << QString::fromLatin1(id) << u"china"_s;
    for (const char *id : {"en_US", "zh_TW", "zh_HK", "zh_Hans", "C", "", "zh-CN", "en_CA.UTF-8"})
        QTest::newRow(*id ? id : "empty") << QString::fromLatin1(id) << u"overseas"_s;
}

void TestVideoLibrary::localeRule()
{
    QFETCH(QString, identifier);
    QFETCH(QString, route);
    QCOMPARE(VideoRoutes::rawValue(VideoRoutes::preferred(identifier)), route);
}

void TestVideoLibrary::reloadDecisions()
{
    VideoEmbedCoordinator player;
    QSignalSpy loads(&player, &VideoEmbedCoordinator::loadPage);
    VideoEmbedArguments args{VideoNetworkRoute::china, u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2"_s, u"动物真奇妙"_s, 0};
    player.setArguments(args);
    QCOMPARE(loads.count(), 0); // no web view yet
    player.attach();
    QCOMPARE(loads.count(), 1); // the first update always loads
    QCOMPARE(loads.at(0).at(1).toUrl(), QUrl(u"https://player.bilibili.com"_s));
    QCOMPARE(loads.at(0).at(0).toString(), player.loadedPage());
    QVERIFY(player.loadedKey().endsWith(u"danmaku=0:0"_s));

    const auto loadsAfter = [&](auto change) {
        loads.clear();
        change(args);
        player.setArguments(args);
        return loads.count();
    };
    QCOMPARE(loadsAfter([](auto &) {}), 0);                                   // a redraw
    QCOMPARE(loadsAfter([](auto &a) { a.title = u"Other"_s; }), 0);           // the title alone
    QCOMPARE(loadsAfter([](auto &a) { a.youtubeID = u"K6dqHEoj-AU"_s; }), 0); // the other route's id
    QCOMPARE(loadsAfter([](auto &a) { ++a.playbackToken; }), 1);
    QCOMPARE(loadsAfter([](auto &a) { a.bilibiliBVID = u"BV1Nq4y1579s"_s; }), 1);
    QCOMPARE(loadsAfter([](auto &a) { a.route = VideoNetworkRoute::overseas; }), 1);
    QCOMPARE(loads.at(0).at(1).toUrl(), QUrl(u"https://www.youtube-nocookie.com"_s));
    QVERIFY(loads.at(0).at(0).toString().contains(u"/embed/K6dqHEoj-AU?"_s));
    QVERIFY(loads.at(0).at(0).toString().contains(u"title=\"Other\""_s));
    // A new web view starts with nothing on screen.
    loads.clear();
    player.attach();
    QCOMPARE(loads.count(), 1);
    // A programme whose identifier is malformed leaves the frame blank (and keeps it so).
    QCOMPARE(loadsAfter([](auto &a) { a.youtubeID = u"../../x?y=1"_s; }), 1);
    QVERIFY(loads.at(0).at(0).toString().contains(u"src=\"\""_s));
    QCOMPARE(loadsAfter([](auto &) {}), 0);
}

void TestVideoLibrary::coveredAndOffline()
{
    VideoEmbedCoordinator player;
    QSignalSpy loads(&player, &VideoEmbedCoordinator::loadPage);
    VideoEmbedArguments args{VideoNetworkRoute::china, u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2"_s, u"动物真奇妙"_s, 0};
    player.setArguments(args);
    player.attach();
    const QString embed = VideoEmbed::embedURL(VideoNetworkRoute::china, {}, u"BV1CazyYTEv2"_s);
    // The probe's answer as the page's title would carry it (its own tag, then the answer).
    const auto answer = [&](bool reached) {
        static const QRegularExpression tag(u"'(pipwhistle-probe:\\d+):online'"_s);
        const QRegularExpressionMatch found = tag.match(player.pageLoaded());
        return found.hasMatch() ? found.captured(1) + (reached ? u":online"_s : u":offline"_s) : QString();
    };

    // The service out of reach: offline (and out of full window) until a probe of a
    // later load reaches it; an answer for an earlier page and any other title change
    // nothing.
    QVERIFY(player.pageLoaded().contains(embed));
    const QString staleOnline = answer(true);
    player.fullScreenRequested(true);
    player.pageTitled(answer(false));
    QVERIFY(player.offline());
    QVERIFY(!player.fullWindow()); // the hidden web view does not fill the window
    player.pageTitled(u"动物真奇妙"_s);
    args.playbackToken = 1;
    player.setArguments(args);
    QVERIFY(player.offline());
    player.pageTitled(staleOnline);
    QVERIFY(player.offline());
    player.pageTitled(answer(true));
    QVERIFY(!player.offline());

    // Covered: out of full window at once, the page without a programme replaces the
    // programme, and nothing fills the window or loads until uncovered.
    player.fullScreenRequested(true);
    QVERIFY(player.fullWindow());
    loads.clear();
    player.setCovered(true);
    QVERIFY(!player.fullWindow());
    QCOMPARE(loads.count(), 1);
    QVERIFY(loads.at(0).at(0).toString().contains(u"src=\"\""_s));
    QVERIFY(player.pageLoaded().isEmpty());
    player.fullScreenRequested(true);
    QVERIFY(!player.fullWindow());
    args.bilibiliBVID = u"BV1Nq4y1579s"_s;
    player.setArguments(args);
    player.attach();
    QCOMPARE(loads.count(), 1);
    player.setCovered(false);
    QCOMPARE(loads.count(), 2);
    QVERIFY(loads.at(1).at(0).toString().contains(u"bvid=BV1Nq4y1579s&"_s));
}

void TestVideoLibrary::visitingTheRoom()
{
    GameTestWorld world;
    LocaleEnvironment locale({{"LC_ALL", "en_CN.UTF-8"}, {"LANG", "en_US.UTF-8"}});
    VideoLibraryGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy loads(game.player(), &VideoEmbedCoordinator::loadPage);

    QCOMPARE(game.selectedID(), u"animals"_s);
    QCOMPARE(game.route(), VideoNetworkRoute::china); // LC_ALL wins over LANG, unchanged by Qt
    QCOMPARE(game.routeNote(), u"国内线路使用国内播放器；若当前节目暂不可用，可切换海外线路或选择另一张卡片。"_s);
    QCOMPARE(game.description(), u"看看小动物怎样移动、觅食和保护自己。"_s);
    QCOMPARE(game.playbackToken(), 0);
    QVERIFY(!game.wasMarkedComplete());
    {
        // The route was read when the room was made; a later change of locale is not.
        LocaleEnvironment later({{"LANG", "en_US.UTF-8"}});
        QCOMPARE(game.route(), VideoNetworkRoute::china);
        QCOMPARE(VideoLibraryGame().route(), VideoNetworkRoute::overseas);
    }
    game.appear();
    game.player()->attach();
    QCOMPARE(loads.count(), 1);
    QVERIFY(game.player()->loadedKey().startsWith(u"china:https://player.bilibili.com/player.html?bvid=BV1CazyYTEv2&"_s));

    // Done: one report of full marks, no reload; a second press does nothing.
    game.markWatched();
    game.markWatched();
    QCOMPARE(*log.reports, (QList<ReportLog::Report>{{100, 3}}));
    QVERIFY(game.wasMarkedComplete());
    QCOMPARE(loads.count(), 1);

    // The route changes alone: same programme, same mark, the other player.
    QSignalSpy selection(&game, &VideoLibraryGame::selectionChanged);
    game.chooseRoute(u"overseas"_s);
    QCOMPARE(game.route(), VideoNetworkRoute::overseas);
    QCOMPARE(game.selectedID(), u"animals"_s);
    QVERIFY(game.wasMarkedComplete());
    QCOMPARE(game.playbackToken(), 0);
    QCOMPARE(selection.count(), 0);
    QCOMPARE(loads.count(), 2);
    QVERIFY(game.player()->loadedKey().startsWith(u"overseas:https://www.youtube-nocookie.com/embed/hG0-HS1cRT4?"_s));
    game.chooseRoute(u"overseas"_s); // tapping the route in use changes nothing
    game.chooseRoute(u"moon"_s);     // no such route
    QCOMPARE(loads.count(), 2);
    QCOMPARE(game.route(), VideoNetworkRoute::overseas);

    // The selected card again: the programme restarts and the done button is armed.
    game.selectItem(u"animals"_s);
    QCOMPARE(game.playbackToken(), 1);
    QVERIFY(!game.wasMarkedComplete());
    QCOMPARE(loads.count(), 3);
    // Another card, then done: a second report (the host keeps the first).
    game.selectItem(u"money"_s);
    QCOMPARE(game.description(), u"认识硬币、买东西和生活里的简单规则。"_s);
    QVERIFY(game.player()->loadedPage().contains(u"title=\"钱币与生活\" src=\"https://www.youtube-nocookie.com/embed/13FUtlLK6p8?"_s));
    game.markWatched();
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.reports->last(), (ReportLog::Report{100, 3}));
    QCOMPARE(loads.count(), 4);
}

void TestVideoLibrary::musicWhileTheRoomIsOpen()
{
    GameTestWorld world;
    StoryMusicPlayer &music = StoryMusicPlayer::shared();
    QSignalSpy stopped(&music.channel(), &SoundChannel::stopped);
    QSignalSpy started(&music.channel(), &SoundChannel::started);
    {
        VideoLibraryGame room;
        room.appear();
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(music.currentMood(), StoryMusicMood::home);
        room.disappear(); // the music is on: its loop starts again
        PW_TRY_COMPARE(started.count(), 1);
        QVERIFY(started.at(0).at(2).toBool());
    }
    music.disable(); // as the root view does
    started.clear();
    VideoLibraryGame room;
    room.appear();
    room.disappear();
    QTest::qWait(200);
    QCOMPARE(started.count(), 0);
}

QTEST_MAIN(TestVideoLibrary)
#include "tst_video_library.moc"

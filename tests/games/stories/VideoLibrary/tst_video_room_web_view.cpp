// The video room's player in a real web view, offline: the page's own load and its
// inline frame are allowed, a top-frame navigation elsewhere is cancelled and leaves the
// page as it was, a new window is refused, a card tap reloads and the done button does
// not; with no network the room shows its own frame in place of the player, and the
// engine starts without writing to the terminal. Every wait is bounded.

#include "GameTestSupport.h"
#include "OfflineWebView.h"
#include "Patience.h"
#include "ShellWindowTest.h"
#include "VideoLibraryGame.h"

#include <QRegularExpression>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Records what the web view was asked and what it decided: it listens after the
// view's own handlers, so a request's action is the view's answer.
constexpr auto watcherSource = R"(
import QtQuick
import QtWebEngine
Item {
    property var web
    property var navigations: []
    property var windows: []
    Connections {
        target: web
        function onNavigationRequested(request) {
            navigations.push({ url: request.url.toString(), main: request.isMainFrame,
                               accepted: request.action === WebEngineNavigationRequest.AcceptRequest })
        }
        function onNewWindowRequested(request) { windows.push(request.requestedUrl.toString()) }
    }
}
)";

struct Navigation
{
    QString url;
    bool main = false;
    bool accepted = false;
};
} // namespace

class TestVideoRoomWebView : public QObject
{
    Q_OBJECT
public slots:
    void playerLoaded() { m_watchPlayer(); }

private slots:
    void engineStartsQuietly();
    void navigationsInTheRealView();

private:
    QList<Navigation> navigations() const;
    QStringList windows() const { return m_watcher->property("windows").toStringList(); }
    // The address the page shows as its own (the base address it was given).
    QString pageAddress() const
    {
        const QUrl url = m_web->property("url").toUrl();
        return url.scheme() + u"://"_s + url.host() + (url.path() == u"/"_s ? QString() : url.path());
    }
    bool waitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, Patience::waitMs); }
    void run(const QString &script);

    QObject *m_web = nullptr;
    QObject *m_watcher = nullptr;
    std::function<void()> m_watchPlayer;
};

void TestVideoRoomWebView::engineStartsQuietly()
{
    // Only what the offscreen platform says of its graphics, which a window has not.
    static const QRegularExpression platformNotes(
        u"^(?!QStandardPaths:|No suitable graphics backend found$|WebEngineContext used before QtWebEngineCore::initialize\\(\\) or OpenGL context creation failed\\.$)"_s);
    QCOMPARE(WebViewTest::startNotes().filter(platformNotes), QStringList());
}

QList<Navigation> TestVideoRoomWebView::navigations() const
{
    QList<Navigation> list;
    for (const QVariant &entry : m_watcher->property("navigations").toList()) {
        const QVariantMap map = entry.toMap();
        list.append({map.value(u"url"_s).toString(), map.value(u"main"_s).toBool(), map.value(u"accepted"_s).toBool()});
    }
    return list;
}

void TestVideoRoomWebView::run(const QString &script)
{
    QVERIFY(QMetaObject::invokeMethod(m_web, "runJavaScript", Q_ARG(QString, script)));
}

void TestVideoRoomWebView::navigationsInTheRealView()
{
    GameTestWorld world;
    qputenv("LC_ALL", "zh_CN.UTF-8");
    ShellTest::installWarningCollector();
    ShellTest::warnings().clear();
    ViewWindow view;
    // What is built asynchronously is made between the window's frames, as under the
    // program's window.
    view.engine.setIncubationController(view.window.incubationController());
    QVERIFY(view.create(u"Stories"_s, u"VideoLibraryGameView"_s));
    auto *room = view.game<VideoLibraryGame>();
    QVERIFY(room);
    QCOMPARE(room->route(), VideoNetworkRoute::china);
    // The player's web view is built once the room is on the screen; the watcher
    // listens from the moment it is there.
    QQuickItem *slot = ShellTest::findNamed(view.item, u"playerSlot"_s);
    QVERIFY(slot);
    QCOMPARE(slot->property("item").value<QObject *>(), nullptr);
    QQmlComponent component(&view.engine);
    component.setData(watcherSource, QUrl());
    std::unique_ptr<QObject> watcher;
    // The room's first frame on the screen does not wait for the engine: the player is
    // made once that frame is up (the room is `shown`; its file, and the engine's module
    // with it, are loaded then).
    bool shownAtLoad = false;
    m_watchPlayer = [&] {
        shownAtLoad = view.item->property("shown").toBool();
        m_web = slot->findChild<QObject *>(u"videoWebView"_s);
        if (m_web)
            watcher.reset(component.createWithInitialProperties({{u"web"_s, QVariant::fromValue(m_web)}}));
    };
    QVERIFY(connect(slot, SIGNAL(loaded()), this, SLOT(playerLoaded())));

    view.window.resize(1100, 760);
    view.item->setParentItem(view.window.contentItem());
    view.item->setSize(QSizeF(1100, 760));
    view.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view.window, Patience::waitMs));
    QVERIFY(waitFor([&] { return view.item->property("shown").toBool(); }));
    QVERIFY(waitFor([&] { return m_web != nullptr; }));
    QVERIFY2(shownAtLoad, "the player was made before the room's first frame");
    QVERIFY2(watcher, qPrintable(component.errorString()));
    m_watcher = watcher.get();

    // The page's own load (as data, in the top frame) and the player in its frame.
    QVERIFY(waitFor([&] { return navigations().size() >= 2; }));
    QList<Navigation> seen = navigations();
    QVERIFY(seen[0].url.startsWith(u"data:text/html"_s));
    QVERIFY(seen[0].main && seen[0].accepted);
    QCOMPARE(seen[1].url, VideoEmbed::embedURL(VideoNetworkRoute::china, {}, u"BV1CazyYTEv2"_s));
    QVERIFY(!seen[1].main && seen[1].accepted);
    QVERIFY(waitFor([&] { return pageAddress() == u"https://player.bilibili.com"_s; }));
    QVERIFY(waitFor([&] { return !m_web->property("loading").toBool(); }));
    // The player's service cannot be reached: the room's own frame shows instead.
    auto *offline = view.item->findChild<QQuickItem *>(u"offlineFrame"_s);
    QVERIFY(offline);
    QVERIFY(waitFor([&] { return offline->isVisible() && !qobject_cast<QQuickItem *>(m_web)->isVisible(); }));
    QVERIFY(ShellTest::isShown(offline));

    // Leaving the players in the top frame, over https or plain http, is cancelled.
    const int before = int(navigations().size());
    const int windowsBefore = int(QGuiApplication::topLevelWindows().size());
    run(u"location.href = 'https://www.bilibili.com/video/BV1CazyYTEv2'"_s);
    QVERIFY(waitFor([&] { return navigations().size() == before + 1; }));
    run(u"location.href = 'http://example.org/'"_s);
    QVERIFY(waitFor([&] { return navigations().size() == before + 2; }));
    seen = navigations();
    QCOMPARE(seen[before].url, u"https://www.bilibili.com/video/BV1CazyYTEv2"_s);
    QVERIFY(seen[before].main && !seen[before].accepted);
    QCOMPARE(seen[before + 1].url, u"http://example.org/"_s);
    QVERIFY(seen[before + 1].main && !seen[before + 1].accepted);

    // A new window is refused: nothing opens and the page stays.
    run(u"window.open('https://www.youtube.com/watch?v=hG0-HS1cRT4', '_blank')"_s);
    QVERIFY(waitFor([&] { return windows().size() == 1; }));
    QCOMPARE(windows().first(), u"https://www.youtube.com/watch?v=hG0-HS1cRT4"_s);
    QTest::qWait(300);
    QCOMPARE(int(QGuiApplication::topLevelWindows().size()), windowsBefore);
    QCOMPARE(pageAddress(), u"https://player.bilibili.com"_s);

    // Done redraws the room without a reload; a card tap loads the other programme.
    const int loaded = int(navigations().size());
    QQuickItem *done = ShellTest::findNamed(view.item, u"done"_s);
    QVERIFY(done);
    view.click(done);
    QVERIFY(room->wasMarkedComplete());
    QTest::qWait(300);
    QCOMPARE(int(navigations().size()), loaded);
    QQuickItem *card = ShellTest::findNamed(view.item, u"card-ocean"_s);
    QVERIFY(card);
    view.click(card);
    QCOMPARE(room->selectedID(), u"ocean"_s);
    QVERIFY(waitFor([&] { return navigations().size() >= loaded + 2; }));
    seen = navigations();
    QVERIFY(seen[loaded].url.startsWith(u"data:text/html"_s) && seen[loaded].main && seen[loaded].accepted);
    QCOMPARE(seen[loaded + 1].url, VideoEmbed::embedURL(VideoNetworkRoute::china, {}, u"BV1zF411o7Wb"_s));
    // The watcher reads each answer through the request's `action`, which Qt 6.4 notes
    // as deprecated (it has no other way to read it); the room itself warns of nothing.
    QCOMPARE(ShellTest::viewWarnings().filter(QRegularExpression(u"^(?!Navigation request: action)"_s)), QStringList());
    qunsetenv("LC_ALL");
}

PW_WEB_VIEW_TEST_MAIN(TestVideoRoomWebView)
#include "tst_video_room_web_view.moc"

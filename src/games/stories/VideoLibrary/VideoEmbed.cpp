#include "VideoEmbed.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace VideoEmbed {

namespace {
constexpr auto mainlandHost = "player.bilibili.com";
constexpr auto overseasHost = "www.youtube-nocookie.com";
constexpr auto probeMark = "pipwhistle-probe:";

bool isWordCharacter(QChar c, bool allowPunctuation)
{
    const char16_t u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
        return true;
    return allowPunctuation && (u == '_' || u == '-');
}

bool isOwnPage(const QUrl &url, const QString &ownPage)
{
    if (ownPage.isEmpty() || url.scheme() != "data"_L1)
        return false;
    const QByteArray encoded = url.toEncoded();
    const qsizetype comma = encoded.indexOf(',');
    if (comma < 0 || !encoded.first(comma).toLower().startsWith("data:text/html"))
        return false;
    return QByteArray::fromPercentEncoding(encoded.mid(comma + 1)) == ownPage.toUtf8();
}
} // namespace

QString host(VideoNetworkRoute route)
{
    return QString::fromLatin1(route == VideoNetworkRoute::china ? mainlandHost : overseasHost);
}

QString origin(VideoNetworkRoute route)
{
    return u"https://"_s + host(route);
}

bool isYoutubeID(const QString &id)
{
    return id.size() == 11 && std::all_of(id.begin(), id.end(), [](QChar c) { return isWordCharacter(c, true); });
}

bool isBilibiliBVID(const QString &id)
{
    return id.size() == 12 && id.startsWith("BV"_L1)
           && std::all_of(id.begin() + 2, id.end(), [](QChar c) { return isWordCharacter(c, false); });
}

QString embedURL(VideoNetworkRoute route, const QString &youtubeID, const QString &bilibiliBVID)
{
    if (route == VideoNetworkRoute::overseas) {
        if (!isYoutubeID(youtubeID))
            return {};
        return origin(route) + u"/embed/"_s + youtubeID + u"?autoplay=1&playsinline=1&rel=0&modestbranding=1"_s;
    }
    if (!isBilibiliBVID(bilibiliBVID))
        return {};
    return origin(route) + u"/player.html?bvid="_s + bilibiliBVID
           + u"&page=1&autoplay=1&muted=0&high_quality=1&danmaku=0"_s;
}

QString loadKey(VideoNetworkRoute route, const QString &embedURL, int playbackToken)
{
    return VideoRoutes::rawValue(route) + u':' + embedURL + u':' + QString::number(playbackToken);
}

QString escapeTitle(const QString &title)
{
    QString escaped = title;
    escaped.replace(u'&', u"&amp;"_s);
    escaped.replace(u'<', u"&lt;"_s);
    escaped.replace(u'"', u"&quot;"_s);
    return escaped;
}

QString pageText(const QString &escapedTitle, const QString &embedURL)
{
    return u"<!doctype html><html><head>"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0, maximum-scale=1.0\">"
           "<style>html,body{margin:0;width:100%;height:100%;background:#fff7e6;overflow:hidden}"
           "iframe{width:100%;height:100%;border:0}</style>"
           "</head><body>"
           "<iframe title=\""_s
           + escapedTitle + u"\" src=\""_s + embedURL
           + u"\" allow=\"accelerometer; autoplay; clipboard-write; encrypted-media; gyroscope; picture-in-picture; web-share\""
             " allowfullscreen></iframe></body></html>"_s;
}

bool navigationAllowed(const QUrl &url, bool isMainFrame, const QString &ownPage)
{
    if (!isMainFrame)
        return true;
    if (isOwnPage(url, ownPage))
        return true;
    const QString target = url.host().toLower();
    return !target.isEmpty() && (target == QLatin1String(mainlandHost) || target == QLatin1String(overseasHost));
}

QString reachabilityProbe(const QString &embedURL, int load)
{
    const QByteArray quoted = QJsonDocument(QJsonArray{embedURL}).toJson(QJsonDocument::Compact);
    const QString tag = QLatin1String(probeMark) + QString::number(load);
    // A request that may not read the answer still fails when the host cannot be
    // reached, and only then.
    return u"fetch("_s + QString::fromUtf8(quoted.sliced(1, quoted.size() - 2))
           + u", {mode: 'no-cors', cache: 'no-store', credentials: 'omit'}).then("_s
           + u"() => { document.title = '"_s + tag + u":online'; }, "_s
           + u"() => { document.title = '"_s + tag + u":offline'; })"_s;
}

std::optional<bool> probeAnswer(const QString &title, int load)
{
    const QString tag = QLatin1String(probeMark) + QString::number(load);
    if (title == tag + u":online"_s)
        return true;
    if (title == tag + u":offline"_s)
        return false;
    return std::nullopt;
}

} // namespace VideoEmbed

VideoEmbedCoordinator::VideoEmbedCoordinator(QObject *parent)
    : QObject(parent)
{
    m_handing.setSingleShot(true);
    m_handing.setInterval(handDelayMs);
    connect(&m_handing, &QTimer::timeout, this, [this] { emit pageDue(m_loadedPage, m_loadedBase); });
}

void VideoEmbedCoordinator::attach()
{
    m_attached = true;
    m_loadedKey.clear();
    m_loadedPage.clear();
    update();
}

void VideoEmbedCoordinator::setArguments(const VideoEmbedArguments &arguments)
{
    m_arguments = arguments;
    if (m_attached)
        update();
}

void VideoEmbedCoordinator::update()
{
    if (m_covered)
        return;
    const QString url = VideoEmbed::embedURL(m_arguments.route, m_arguments.youtubeID, m_arguments.bilibiliBVID);
    const QString key = VideoEmbed::loadKey(m_arguments.route, url, m_arguments.playbackToken);
    if (key == m_loadedKey)
        return;
    // Stored before the load: a page that fails is not retried by later updates.
    m_loadedKey = key;
    load(url);
}

void VideoEmbedCoordinator::load(const QString &embedURL)
{
    m_loadedURL = embedURL;
    ++m_loads;
    m_loadedPage = VideoEmbed::pageText(VideoEmbed::escapeTitle(m_arguments.title), embedURL);
    m_loadedBase = QUrl(VideoEmbed::origin(m_arguments.route));
    emit loadPage(m_loadedPage, m_loadedBase);
    m_handing.start();
}

void VideoEmbedCoordinator::setCovered(bool covered)
{
    if (m_covered == covered)
        return;
    m_covered = covered;
    emit coveredChanged();
    if (covered) {
        fullScreenRequested(false);
        // The page without a programme stops whatever played; the key is forgotten, so
        // the programme loads again once the window is uncovered.
        if (m_attached && !m_loadedKey.isEmpty()) {
            m_loadedKey.clear();
            load(QString());
        }
    } else if (m_attached) {
        update();
    }
}

QString VideoEmbedCoordinator::pageLoaded() const
{
    return m_loadedURL.isEmpty() ? QString() : VideoEmbed::reachabilityProbe(m_loadedURL, m_loads);
}

void VideoEmbedCoordinator::pageTitled(const QString &title)
{
    const std::optional<bool> reached = VideoEmbed::probeAnswer(title, m_loads);
    if (!reached || m_offline == !*reached)
        return;
    m_offline = !*reached;
    // The web view hides: it does not fill the window either.
    if (m_offline)
        fullScreenRequested(false);
    emit offlineChanged();
}

bool VideoEmbedCoordinator::allowsNavigation(const QUrl &url, bool isMainFrame) const
{
    return VideoEmbed::navigationAllowed(url, isMainFrame, m_loadedPage);
}

void VideoEmbedCoordinator::fullScreenRequested(bool on)
{
    // Nothing fills a covered window.
    if (m_fullWindow == on || (on && m_covered))
        return;
    m_fullWindow = on;
    emit fullWindowChanged();
}

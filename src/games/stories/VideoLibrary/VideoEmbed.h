#pragma once

#include "VideoShelf.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The embedded player: a one-line page of our own whose only content is an inline frame
// on one of the two player services, and the rules that keep the web view on them.
namespace VideoEmbed {

// The two players' origins ("https://" and the host, no path, no trailing slash).
QString origin(VideoNetworkRoute route);
QString host(VideoNetworkRoute route);

// The identifiers the two services use: 11 characters of [A-Za-z0-9_-] overseas;
// "BV" and 10 of [0-9A-Za-z] on the mainland.
bool isYoutubeID(const QString &id);
bool isBilibiliBVID(const QString &id);

// The player address of a programme on `route`; empty when the programme's identifier
// for that route does not have the service's shape (then the frame stays blank).
QString embedURL(VideoNetworkRoute route, const QString &youtubeID, const QString &bilibiliBVID);
// "<route>:<embed URL>:<token>": the page is loaded again only when this changes.
QString loadKey(VideoNetworkRoute route, const QString &embedURL, int playbackToken);
// The title made safe inside a double-quoted attribute: "&" first, then "<" and '"'.
QString escapeTitle(const QString &title);
// The whole page, on one line.
QString pageText(const QString &escapedTitle, const QString &embedURL);

// Whether the web view may follow a navigation to `url`. Inside the inline frame
// everything is allowed (the player loads its own pages there). The top frame may load
// only `ownPage` (the page last handed to the web view, which arrives as a data
// address) and pages of the two player hosts, over any scheme; everything else there is
// cancelled, so the child never leaves the players.
bool navigationAllowed(const QUrl &url, bool isMainFrame, const QString &ownPage);

} // namespace VideoEmbed

// What the video room hands its player.
struct VideoEmbedArguments
{
    VideoNetworkRoute route = VideoNetworkRoute::overseas;
    QString youtubeID;
    QString bilibiliBVID;
    QString title;
    int playbackToken = 0;
};

// The player's side of the web view: remembers the key of the page on screen, asks the
// web view for a new page only when the key changes, answers its navigation requests
// and holds whether the player fills the window (full screen asked for by the page).
class VideoEmbedCoordinator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The video room owns its player")
    Q_PROPERTY(bool fullWindow READ fullWindow NOTIFY fullWindowChanged)
public:
    explicit VideoEmbedCoordinator(QObject *parent = nullptr);

    // A web view came on screen: it shows nothing yet, so the current programme loads.
    Q_INVOKABLE void attach();
    // The room's state changed; the page loads again only when its key changed (and
    // only once a web view is attached).
    void setArguments(const VideoEmbedArguments &arguments);

    Q_INVOKABLE bool allowsNavigation(const QUrl &url, bool isMainFrame) const;
    // The page asks to enter (or leave) full screen: the player fills the window.
    Q_INVOKABLE void fullScreenRequested(bool on);

    QString loadedKey() const { return m_loadedKey; }
    QString loadedPage() const { return m_loadedPage; }
    bool fullWindow() const { return m_fullWindow; }

signals:
    // Hand `html` to the web view with `baseUrl` as its address.
    void loadPage(const QString &html, const QUrl &baseUrl);
    void fullWindowChanged();

private:
    void update();

    VideoEmbedArguments m_arguments;
    bool m_attached = false;
    QString m_loadedKey;
    QString m_loadedPage;
    bool m_fullWindow = false;
};

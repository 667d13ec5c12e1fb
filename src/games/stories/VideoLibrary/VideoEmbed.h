#pragma once

#include "VideoShelf.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

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

// A script for the page on screen that asks the player's address of its service (without
// reading the answer) and writes into the page's title whether the service answered,
// tagged with the number of the load it was made for. The page's own text stays as it is.
QString reachabilityProbe(const QString &embedURL, int load);
// What the probe of load `load` found, from the page's title: true when the service
// answered, false when it could not be reached; nothing when the title is not that
// probe's answer.
std::optional<bool> probeAnswer(const QString &title, int load);

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
// web view for a new page only when the key changes, answers its navigation requests,
// holds whether the player fills the window (full screen asked for by the page) and
// whether the programme's service could be reached. While the window is covered (the
// time is up) the player leaves full window and plays nothing: the web view is muted at
// once, its page is replaced by the same page without a programme, and the programme
// loads again once uncovered.
class VideoEmbedCoordinator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The video room owns its player")
    Q_PROPERTY(bool fullWindow READ fullWindow NOTIFY fullWindowChanged)
    Q_PROPERTY(bool covered READ covered WRITE setCovered NOTIFY coveredChanged)
    Q_PROPERTY(bool offline READ offline NOTIFY offlineChanged)
public:
    explicit VideoEmbedCoordinator(QObject *parent = nullptr);

    // A page is handed to the web view a frame's time after it is decided: the tap that
    // asked for it is answered and its frame drawn before the web engine's own work for
    // the page (on the interface thread) begins. Real time, not the play's clock: it
    // waits for a frame.
    static constexpr int handDelayMs = 16;

    // A web view came on screen: it shows nothing yet, so the current programme loads.
    Q_INVOKABLE void attach();
    // The room's state changed; the page loads again only when its key changed (and
    // only once a web view is attached).
    void setArguments(const VideoEmbedArguments &arguments);

    Q_INVOKABLE bool allowsNavigation(const QUrl &url, bool isMainFrame) const;
    // The page asks to enter (or leave) full screen: the player fills the window.
    Q_INVOKABLE void fullScreenRequested(bool on);
    void setCovered(bool covered);

    // The page on screen has loaded: the script that finds out whether its programme's
    // service can be reached (empty when it shows no programme).
    Q_INVOKABLE QString pageLoaded() const;
    // The page's title changed (the probe writes its answer there).
    Q_INVOKABLE void pageTitled(const QString &title);

    QString loadedKey() const { return m_loadedKey; }
    QString loadedPage() const { return m_loadedPage; }
    bool fullWindow() const { return m_fullWindow; }
    bool covered() const { return m_covered; }
    // The last probe found the programme's service out of reach: the room shows its own
    // frame in place of the web view until a later probe reaches it.
    bool offline() const { return m_offline; }

signals:
    // The web view is to show `html` with `baseUrl` as its address.
    void loadPage(const QString &html, const QUrl &baseUrl);
    // Hand the page decided last to the web view now (handDelayMs after loadPage; a
    // newer page replaces one still waiting).
    void pageDue(const QString &html, const QUrl &baseUrl);
    void fullWindowChanged();
    void coveredChanged();
    void offlineChanged();

private:
    void update();
    void load(const QString &embedURL);

    VideoEmbedArguments m_arguments;
    bool m_attached = false;
    QString m_loadedKey;
    QString m_loadedPage;
    QString m_loadedURL;
    QUrl m_loadedBase;
    QTimer m_handing;
    int m_loads = 0;
    bool m_fullWindow = false;
    bool m_covered = false;
    bool m_offline = false;
};

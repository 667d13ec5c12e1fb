#pragma once

#include "GameBase.h"
#include "VideoEmbed.h"
#include "VideoShelf.h"

#include <QVariantList>

// "space-trip": the science video room. A shelf of six programme cards, a route picker
// between the mainland and the overseas player, the player itself and a done button
// that marks the programme as watched and reports full marks. The background music is
// silenced while the room is on screen.
class VideoLibraryGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList items READ items CONSTANT)
    Q_PROPERTY(QVariantList routes READ routes CONSTANT)
    Q_PROPERTY(QString selectedID READ selectedID NOTIFY selectionChanged)
    Q_PROPERTY(QString description READ description NOTIFY selectionChanged)
    Q_PROPERTY(QString route READ routeValue NOTIFY routeChanged)
    Q_PROPERTY(QString routeNote READ routeNote NOTIFY routeChanged)
    Q_PROPERTY(bool wasMarkedComplete READ wasMarkedComplete NOTIFY markChanged)
    Q_PROPERTY(int playbackToken READ playbackToken NOTIFY selectionChanged)
    Q_PROPERTY(VideoEmbedCoordinator *player READ player CONSTANT)
public:
    // Starts on "animals", on the route the user's locale prefers (read once, here).
    explicit VideoLibraryGame(QObject *parent = nullptr);

    static constexpr auto gameID = "space-trip";

    // Cards for the shelf: id, title, tag, emoji and the two theme colour names.
    QVariantList items() const;
    // Route buttons in picker order: value, label, symbol.
    QVariantList routes() const;

    QString selectedID() const { return m_selectedID; }
    const VideoShelfItem &selected() const { return VideoShelfItem::find(m_selectedID); }
    QString description() const { return selected().description; }
    VideoNetworkRoute route() const { return m_route; }
    QString routeValue() const { return VideoRoutes::rawValue(m_route); }
    QString routeNote() const { return VideoRoutes::note(m_route); }
    bool wasMarkedComplete() const { return m_wasMarkedComplete; }
    int playbackToken() const { return m_playbackToken; }
    VideoEmbedCoordinator *player() { return &m_player; }

    // The room came on screen: the background music stops.
    Q_INVOKABLE void appear() override;
    // The room left the screen: the music starts again if it is switched on.
    Q_INVOKABLE void disappear();
    // A card tap: that programme (again, from its start), not yet marked.
    Q_INVOKABLE void selectItem(const QString &id);
    // A route button (its value); the programme and its mark stay.
    Q_INVOKABLE void chooseRoute(const QString &value);
    // 看完啦，点亮书签: marks the programme and reports full marks, once until the next
    // card tap.
    Q_INVOKABLE void markWatched();

signals:
    void selectionChanged();
    void routeChanged();
    void markChanged();

private:
    void updatePlayer();

    QString m_selectedID;
    VideoNetworkRoute m_route;
    bool m_wasMarkedComplete = false;
    int m_playbackToken = 0;
    VideoEmbedCoordinator m_player{this};
};

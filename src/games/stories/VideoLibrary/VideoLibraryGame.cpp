#include "VideoLibraryGame.h"

#include "GameAudio.h"
#include "StoryMusicPlayer.h"

#include <QVariantMap>

using namespace Qt::StringLiterals;

VideoLibraryGame::VideoLibraryGame(QObject *parent)
    : GameBase(parent)
    , m_selectedID(VideoShelfItem::items().first().id)
    , m_route(VideoRoutes::preferred(VideoRoutes::rawLocaleIdentifier()))
{
    updatePlayer();
}

QVariantList VideoLibraryGame::items() const
{
    QVariantList cards;
    for (const VideoShelfItem &item : VideoShelfItem::items()) {
        cards.append(QVariantMap{{u"id"_s, item.id},
                                 {u"title"_s, item.title},
                                 {u"tag"_s, item.tag},
                                 {u"emoji"_s, item.emoji},
                                 {u"colors"_s, QVariant(item.colors)}});
    }
    return cards;
}

QVariantList VideoLibraryGame::routes() const
{
    QVariantList buttons;
    for (VideoNetworkRoute route : VideoRoutes::all()) {
        buttons.append(QVariantMap{{u"value"_s, VideoRoutes::rawValue(route)},
                                   {u"label"_s, VideoRoutes::label(route)},
                                   {u"symbol"_s, VideoRoutes::symbol(route)}});
    }
    return buttons;
}

void VideoLibraryGame::appear()
{
    StoryMusicPlayer::shared().pause();
}

void VideoLibraryGame::disappear()
{
    StoryMusicPlayer::shared().resume();
}

void VideoLibraryGame::selectItem(const QString &id)
{
    m_selectedID = id;
    const bool wasMarked = m_wasMarkedComplete;
    m_wasMarkedComplete = false;
    ++m_playbackToken;
    updatePlayer();
    emit selectionChanged();
    if (wasMarked)
        emit markChanged();
}

void VideoLibraryGame::chooseRoute(const QString &value)
{
    const std::optional<VideoNetworkRoute> route = VideoRoutes::fromRawValue(value);
    if (!route)
        return;
    const bool changed = *route != m_route;
    m_route = *route;
    updatePlayer();
    if (changed)
        emit routeChanged();
}

void VideoLibraryGame::markWatched()
{
    if (m_wasMarkedComplete)
        return;
    m_wasMarkedComplete = true;
    // The room redraws; its player keeps what it plays (the key has not changed).
    updatePlayer();
    emit markChanged();
    GameAudio::correct();
    complete(100, 3);
}

void VideoLibraryGame::updatePlayer()
{
    const VideoShelfItem &item = selected();
    m_player.setArguments({m_route, item.youtubeID, item.bilibiliBVID, item.title, m_playbackToken});
}

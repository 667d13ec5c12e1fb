#pragma once

#include <QList>
#include <QString>

#include <optional>

// One programme on the video room's shelf.
struct VideoShelfItem
{
    QString id;
    QString title;
    QString tag;         // subject · topic
    QString description; // shown under the player while the programme is selected
    QString emoji;
    QString youtubeID;    // overseas embed
    QString bilibiliBVID; // mainland player
    // The card's gradient, top-leading to bottom-trailing, as names of theme colours.
    QList<QString> colors;

    // The six programmes in shelf order.
    static const QList<VideoShelfItem> &items();
    // The programme of `id`, or the first one when no programme has that id.
    static const VideoShelfItem &find(const QString &id);
};

// Which embedded player serves the programme.
enum class VideoNetworkRoute { china, overseas };

namespace VideoRoutes {
// Both routes in picker order.
QList<VideoNetworkRoute> all();
QString rawValue(VideoNetworkRoute route);
std::optional<VideoNetworkRoute> fromRawValue(const QString &raw);
QString label(VideoNetworkRoute route);
QString symbol(VideoNetworkRoute route);
// The note under the header while `route` is in use.
QString note(VideoNetworkRoute route);

// The route a locale identifier starts on: the mainland player when the identifier,
// in lower case, contains "_cn" ("zh_CN", "zh_Hans_CN", "en_CN"); else the overseas one.
VideoNetworkRoute preferred(const QString &localeIdentifier);
// The user's locale identifier as the environment gives it (LC_ALL, then LC_MESSAGES,
// then LANG, the first one set), before Qt turns it into one of its own locales (which
// would make "en_CN" "en_US" and "zh_Hans" "zh_CN"); the system locale's name when none
// is set.
QString rawLocaleIdentifier();
} // namespace VideoRoutes

#pragma once

#include <QList>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

namespace Art {

// One picture the generator writes: its file name (without ".png"), its pixel size and
// the function that paints it onto a transparent canvas of that size.
struct Picture
{
    QString name;
    QSize size;
    std::function<void(QPainter &)> paint;
    bool transparent = false; // kept with its alpha channel (figures stand on any page)
    // For a cover: its page without the subject, and the part of the picture that the
    // card lays its icon tile over. The generator fails when the subject reaches into it.
    std::function<void(QPainter &)> page = {};
    QRectF hidden = {};
};

// The full-page storybook scenes: the welcome cover, the playground world, the game
// stage and the playground lobby.
QList<Picture> scenes();

// The picture-book pictures: a cover for each hero animal ("storybook_<animal>") and a
// page picture for each story moment ("storybook_scene_<moment>").
QList<Picture> storybookPictures();

// The backdrops of the spot-the-difference scenes, "spot_pair_001" to "spot_pair_010".
QList<Picture> spotScenes();

// The figures on transparent canvases: the dress-up doll's looks and the milk tea.
QList<Picture> figures();

// One cover per game identifier, named "game_cover_<id with '_' for '-'>".
QList<Picture> covers();

// The game identifiers that have a cover, with their shelf, in shelf order.
QList<std::pair<QString, QString>> coveredGames();

} // namespace Art

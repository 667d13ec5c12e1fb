#pragma once

#include <QImage>
#include <QString>

// Named pictures (storybook art, game covers, scene pictures). A name is only ever
// looked up, never used as a path: names with anything outside [A-Za-z0-9_-] are
// refused. Lookup order: the pictures embedded in the program (":/images/<name>.png"),
// then a file "<name>.png" in each data folder (DataFiles::folders(): ":/data", then
// "resources" beside the executable), also in its "images" subfolder. The first match
// wins; nothing is cached here.
namespace StorybookArtwork {

bool isValidName(const QString &name);

// The location of the picture, or an empty string when there is none.
QString filePath(const QString &name);
// The decoded picture, or a null image when it is missing or cannot be decoded.
QImage image(const QString &name);
// Whether a picture of that name is there and looks decodable.
bool exists(const QString &name);

// The cover picture of a game: "game_cover_" + the identifier with every "-" made "_".
QString coverName(const QString &gameId);

} // namespace StorybookArtwork

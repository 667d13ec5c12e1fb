#pragma once

#include <QStringList>

// Where the program's data files ("game_catalog.json", "learning_content.json") and
// named images are looked up, in order: the copy compiled into the program's own
// resources first, then the "resources" folder beside the executable.
namespace DataFiles {

QStringList candidates(const QString &name, const QString &extension);

// The folders searched for a file, in the same order (":/data" first).
QStringList folders();

} // namespace DataFiles

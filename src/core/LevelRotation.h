#pragma once

#include <QList>
#include <QString>

// Chooses which questions of a game's bank a play uses, so that two plays in a row
// never begin with the same question. The index that began the last play of each game
// is kept in the standard settings store under "pipwhistle.lastLevel.v1.<gameID>".
namespace LevelRotation {

QString settingsKey(const QString &gameID);

// One index in 0..count-1 different from the last one remembered for the game (0 when
// count < 2, without touching the setting); remembers the pick.
int nextIndex(const QString &gameID, int count);

// This play's question indices: nextIndex() first, then the other indices shuffled,
// cut to `take`. Empty when count or take is below 1.
QList<int> indices(const QString &gameID, int count, int take);

} // namespace LevelRotation

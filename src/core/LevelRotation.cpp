#include "LevelRotation.h"

#include "Random.h"
#include "SettingsStore.h"

namespace LevelRotation {

QString settingsKey(const QString &gameID)
{
    return QStringLiteral("pipwhistle.lastLevel.v1.") + gameID;
}

int nextIndex(const QString &gameID, int count)
{
    if (count < 2)
        return 0;
    SettingsStore &store = SettingsStore::standard();
    const QString key = settingsKey(gameID);
    // The candidates are 0..count-1 without the last index (when it is in range); a
    // uniform draw over them is a draw over count-1 values that skips `last`.
    int pick;
    if (store.contains(key)) {
        const qint64 last = store.integer(key);
        if (last >= 0 && last < count) {
            pick = Random::shared().below(count - 1);
            if (pick >= last)
                ++pick;
        } else {
            pick = Random::shared().below(count);
        }
    } else {
        pick = Random::shared().below(count);
    }
    store.setInteger(key, pick);
    return pick;
}

QList<int> indices(const QString &gameID, int count, int take)
{
    if (count < 1 || take < 1)
        return {};
    const int first = nextIndex(gameID, count);
    QList<int> rest;
    rest.reserve(count - 1);
    for (int i = 0; i < count; ++i) {
        if (i != first)
            rest.append(i);
    }
    Random::shared().shuffle(rest);
    QList<int> result;
    const int wanted = std::min(count, take);
    result.reserve(wanted);
    result.append(first);
    for (int i = 0; result.size() < wanted; ++i)
        result.append(rest.at(i));
    return result;
}

} // namespace LevelRotation

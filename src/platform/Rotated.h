#pragma once

#include <QList>

// The list rotated left by `n` places: element n mod count comes first (the answer
// choices of generated rows, "rotated left by i mod 3"). An empty list stays empty;
// callers pass n >= 0 (an index taken modulo the length).
template <typename T>
QList<T> rotated(const QList<T> &list, qsizetype n)
{
    if (list.isEmpty())
        return {};
    const qsizetype k = n % list.size();
    if (k == 0)
        return list;
    return list.mid(k) + list.first(k);
}

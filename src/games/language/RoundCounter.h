#pragma once

#include <QString>

// The header counter of the five-question games: "第 n / 5 <unit>", n the round on screen
// counted from 1, never above 5.
inline QString fiveRoundCounter(int round, const QString &unit)
{
    return QStringLiteral("第 ") + QString::number(std::min(round + 1, 5)) + QStringLiteral(" / 5 ") + unit;
}

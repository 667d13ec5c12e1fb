#pragma once

#include <QString>

#include <algorithm>

// The "N/M" counter of a round game's header: the round on screen out of the play's
// rounds, never past the last one during the pause after the final answer ("0/0"
// before the play's rounds are chosen).
inline QString sessionProgress(int round, qsizetype count)
{
    const int total = int(count);
    return QString::number(std::min(round + 1, total)) + QLatin1Char('/') + QString::number(total);
}

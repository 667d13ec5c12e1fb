#include "GameScoring.h"

#include <algorithm>
#include <cmath>

namespace GameScoring {

GameScore firstTry(qint64 firstTryCorrect, qint64 totalRounds)
{
    const qint64 total = totalRounds < 1 ? 1 : totalRounds;
    const qint64 correct = std::clamp<qint64>(firstTryCorrect, 0, total);
    // std::round rounds halves away from zero: 2.5 → 3, 7.5 → 8.
    const int points = 60 + int(std::round(double(correct) * 40.0 / double(total)));
    const int stars = points >= 90 ? 3 : points >= 75 ? 2 : 1;
    return GameScore{points, stars};
}

} // namespace GameScoring

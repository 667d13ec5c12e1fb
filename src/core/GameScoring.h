#pragma once

#include <QtGlobal>

// The result of a round-based play: points 60 to 100 and one to three stars.
struct GameScore
{
    int points = 60;
    int stars = 1;

    friend bool operator==(const GameScore &, const GameScore &) = default;
};

namespace GameScoring {

// Scores a play by the rounds answered right at the first try: 60 plus 40 times the
// share right (rounded half away from zero); three stars from 90 points, two from 75.
// A total below 1 counts as 1 and the count right is clamped to 0..total.
GameScore firstTry(qint64 firstTryCorrect, qint64 totalRounds);

} // namespace GameScoring

#include "ReactionGame.h"

#include "Random.h"

#include <QVariantMap>

#include <algorithm>

using namespace Qt::StringLiterals;

ReactionGame::ReactionGame(QObject *parent)
    : GameBase(parent)
    , m_targetEmoji(starPictures().first())
{
}

const QStringList &ReactionGame::starPictures()
{
    static const QStringList pictures{u"\u2B50\uFE0F"_s, u"\U0001F31F"_s, u"\u2728"_s, u"\U0001F4AB"_s};
    return pictures;
}

QVariantList ReactionGame::decorations()
{
    QVariantList circles;
    for (int i = 0; i < 12; ++i) {
        circles.append(QVariantMap{
            {u"size"_s, 20 + 3 * i},
            {u"sky"_s, i % 2 == 0},
            {u"x"_s, (73 * i % 100) / 100.0},
            {u"y"_s, (47 * i % 100) / 100.0},
        });
    }
    return circles;
}

QPointF ReactionGame::starCentre(QPointF target, QSizeF board)
{
    return {starInset + target.x() * std::max<qreal>(board.width() - 2 * starInset, 0),
            starInset + target.y() * std::max<qreal>(board.height() - 2 * starInset, 0)};
}

std::pair<int, int> ReactionGame::result(int hits, int seconds)
{
    const int bonus = hits >= goalHits ? seconds : 0;
    const int score = std::min(hits * pointsPerHit + bonus, 100);
    return {score, hits > 11 ? 3 : hits > 7 ? 2 : 1};
}

void ReactionGame::start()
{
    // The start panel stands only before the round (or after one given up by leaving).
    if (m_running || m_finished)
        return;
    m_hits = 0;
    m_seconds = roundSeconds;
    m_target = {0.5, 0.5};
    m_running = true;
    emit changed();
    m_countdown.start(stepMs, [this] { countDown(); });
}

void ReactionGame::countDown()
{
    if (!m_running || m_finished) {
        m_countdown.stop();
        return;
    }
    --m_seconds;
    emit changed();
    if (m_seconds == 0) {
        m_countdown.stop();
        finish();
    }
}

void ReactionGame::hit()
{
    if (!m_running || m_finished)
        return;
    ++m_hits;
    // Both ends of 0 to 1 included.
    constexpr int steps = 1 << 24;
    Random &random = Random::shared();
    const double x = random.between(0, steps) / double(steps);
    const double y = random.between(0, steps) / double(steps);
    m_target = {x, y};
    m_targetEmoji = random.pick(starPictures());
    emit changed();
    if (m_hits >= goalHits)
        finish();
}

void ReactionGame::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_running = false;
    m_countdown.stop();
    emit changed();
    const auto [score, stars] = result(m_hits, m_seconds);
    complete(score, stars);
}

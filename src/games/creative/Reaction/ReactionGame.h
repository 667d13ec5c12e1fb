#pragma once

#include "GameBase.h"
#include "StepLoop.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantList>

// "reaction": fifteen seconds to tap a jumping star twelve times. Every hit moves the
// star to a random spot of the board with a random star picture. The round ends at the
// twelfth hit or when the countdown reaches 0 and reports at once: 8 points a hit, plus
// the seconds left when the goal was reached, at most 100. Silent.
class ReactionGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY changed)
    Q_PROPERTY(bool finished READ finished NOTIFY changed)
    Q_PROPERTY(int seconds READ seconds NOTIFY changed)
    Q_PROPERTY(int hits READ hits NOTIFY changed)
    Q_PROPERTY(QPointF target READ target NOTIFY changed)
    Q_PROPERTY(QString targetEmoji READ targetEmoji NOTIFY changed)
    Q_PROPERTY(int goal READ goal CONSTANT)
    Q_PROPERTY(QVariantList decorations READ decorations CONSTANT)
public:
    explicit ReactionGame(QObject *parent = nullptr);

    static constexpr int roundSeconds = 15;
    static constexpr int goalHits = 12;
    static constexpr int pointsPerHit = 8;
    static constexpr int stepMs = 1000;
    // The star keeps its centre this far from every edge of the board.
    static constexpr qreal starInset = 52;

    static const QStringList &starPictures();

    bool running() const { return m_running; }
    bool finished() const { return m_finished; }
    int seconds() const { return m_seconds; }
    int hits() const { return m_hits; }
    QPointF target() const { return m_target; }
    QString targetEmoji() const { return m_targetEmoji; }
    int goal() const { return goalHits; }
    // The twelve faint circles behind the star: {size, sky (else mango), x, y}, x and y
    // as fractions of the board.
    static QVariantList decorations();

    // Where the star's centre stands on a board of `board` points.
    Q_INVOKABLE static QPointF starCentre(QPointF target, QSizeF board);

    // The start button.
    Q_INVOKABLE void start();
    // The star.
    Q_INVOKABLE void hit();

    // The result of a round that ended with `hits` hits and `seconds` left.
    static std::pair<int, int> result(int hits, int seconds);

signals:
    void changed();

private:
    void countDown();
    void finish();

    bool m_running = false;
    bool m_finished = false;
    int m_seconds = roundSeconds;
    int m_hits = 0;
    QPointF m_target{0.5, 0.5};
    QString m_targetEmoji;
    StepLoop m_countdown{this};
};

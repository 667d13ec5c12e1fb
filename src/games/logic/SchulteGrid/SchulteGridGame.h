#pragma once

#include "GameBase.h"

#include <QDateTime>
#include <QList>
#include <QString>

// "schulte-grid": the numbers 1 to 16 shuffled on a 4 x 4 grid, tapped in order as fast
// as possible. The game scores itself from its mistakes and the whole seconds taken.
class SchulteGridGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<int> numbers READ numbers CONSTANT)
    Q_PROPERTY(int expected READ expected NOTIFY changed)
    Q_PROPERTY(bool locked READ locked NOTIFY changed)
    Q_PROPERTY(QString counter READ counter NOTIFY changed)
public:
    explicit SchulteGridGame(QObject *parent = nullptr);

    static constexpr auto gameID = "schulte-grid";
    static constexpr int reportMs = 550; // from the tap on 16 to the report
    static constexpr int freeSeconds = 22;

    struct Result
    {
        qint64 score = 0;
        qint64 stars = 0;
    };
    // 100 − 5 per mistake − 1 per whole second after the free ones; above 99 reports
    // 100 and 3 stars, below 40 reports 40 and 1 star; otherwise 3 stars from 88, 2
    // from 70, else 1.
    static Result resultFor(int mistakes, qint64 seconds);

    QList<int> numbers() const { return m_numbers; }
    int expected() const { return m_expected; }
    int mistakes() const { return m_mistakes; }
    bool locked() const { return m_locked; }
    QDateTime startedAt() const { return m_startedAt; }
    // "找 n".
    QString counter() const;

    // The grid came on screen: the clock starts (again) from now.
    Q_INVOKABLE void appear() override;
    // A tap on the tile of `number`. A found tile (below `expected`), a number not on
    // the grid and any tap after 16 change nothing.
    Q_INVOKABLE void tap(int number);

signals:
    void changed();

private:
    QList<int> m_numbers;
    int m_expected = 1;
    int m_mistakes = 0;
    QDateTime m_startedAt;
    qint64 m_heldAtStartMs = 0; // Clock::heldMs() at the start
    bool m_locked = false;
};

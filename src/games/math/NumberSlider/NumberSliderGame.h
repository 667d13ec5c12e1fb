#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// One board of the number slider: its name and its nine cells in reading order (0 is
// the blank).
struct NumberSliderLevel
{
    QString name;
    QList<int> board;

    static const QList<NumberSliderLevel> &all();
};

// "number-slider": a 3 x 3 sliding puzzle. Tap a tile beside the blank to slide it in,
// until the board reads 1 to 8 with the blank last. A board counts at the first try
// when it was solved without a single tap on a tile that cannot move.
class NumberSliderGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString levelName READ levelName NOTIFY questionChanged)
    Q_PROPERTY(QList<int> board READ board NOTIFY boardChanged)
    Q_PROPERTY(int moves READ moves NOTIFY boardChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY boardChanged)
public:
    explicit NumberSliderGame(QObject *parent = nullptr);

    static constexpr auto gameID = "number-slider";
    static const QList<int> &solved();
    // Whether the cells `a` and `b` of a 3 x 3 board share a side.
    static bool sharesSide(int a, int b);

    const NumberSliderLevel &current() const;

    QString levelName() const { return current().name; }
    const QList<int> &board() const { return m_board; }
    int moves() const { return m_moves; }
    QString counter() const;

    // The tap on cell `index`.
    Q_INVOKABLE void move(int index);

signals:
    void boardChanged();

protected:
    int bankCount() const override { return int(NumberSliderLevel::all().size()); }
    void sessionChosen() override { loadBoard(); }
    void roundStarted() override { loadBoard(); }

private:
    void loadBoard();

    QList<int> m_board;
    int m_moves = 0;
};

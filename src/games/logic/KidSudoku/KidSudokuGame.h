#pragma once

#include "GameBase.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// "kid-sudoku": a 4 x 4 board of four animals with four empty cells. The child picks an
// empty cell (the first one is picked from the start) and the animal that belongs
// there; a wrong animal is refused with a hint. Each empty cell counts as one round:
// it counts when no wrong animal was tried in it.
class KidSudokuGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList board READ board NOTIFY changed)
    Q_PROPERTY(int selected READ selected NOTIFY changed)
    Q_PROPERTY(bool locked READ locked NOTIFY changed)
    Q_PROPERTY(QString counter READ counter NOTIFY changed)
    Q_PROPERTY(QStringList animals READ animals CONSTANT)
public:
    explicit KidSudokuGame(QObject *parent = nullptr);

    static constexpr auto gameID = "kid-sudoku";
    static constexpr int reportMs = 700; // from the full board to the report

    // The solved board, row by row: cell (row r, column c) from 1 is 4 × (r − 1) + (c − 1).
    static const QStringList &sudokuSolution();
    // The cells that start empty.
    static const QSet<int> &sudokuBlanks();

    // The board as shown: "" for an empty cell.
    QStringList board() const { return m_board; }
    int selected() const { return m_selected; }
    bool locked() const { return m_locked; }
    const QSet<int> &mistaken() const { return m_mistaken; }
    int emptyCount() const { return int(m_board.count(QString())); }
    // "还差 n 格".
    QString counter() const;
    QStringList animals() const;

    // A tap on a cell: an empty cell becomes the selected one; a filled cell changes
    // nothing; nothing after the board is full.
    Q_INVOKABLE void chooseCell(int index);
    // An animal for the selected cell. Ignored once the board is full, and when the
    // selected cell is filled already.
    Q_INVOKABLE void place(const QString &animal);

signals:
    void changed();

private:
    QStringList m_board;
    int m_selected = 1;
    QSet<int> m_mistaken;
    bool m_locked = false;
};

#pragma once

#include <QList>
#include <QtGlobal>

#include <array>

// One cell of a maze: row 0 is the top row, column 0 the left column.
struct MazePoint
{
    int row = 0;
    int column = 0;

    friend bool operator==(const MazePoint &, const MazePoint &) = default;
};

inline size_t qHash(const MazePoint &p, size_t seed = 0) noexcept
{
    return qHashMulti(seed, p.row, p.column);
}

// The four directions of a step, in the order the generator tries them. The wall bit of
// a direction is 1 shifted left by its position in this order.
enum class MazeDirection { Up, Right, Down, Left };

namespace MazeSteps {
inline constexpr std::array<MazeDirection, 4> all{MazeDirection::Up, MazeDirection::Right,
                                                  MazeDirection::Down, MazeDirection::Left};
inline constexpr quint8 wallBit(MazeDirection d) { return quint8(1u << int(d)); }
// The wall of the neighbour that faces a step in `d`.
inline constexpr quint8 facingBit(MazeDirection d) { return quint8(1u << ((int(d) + 2) % 4)); }
inline constexpr int rowChange(MazeDirection d) { return d == MazeDirection::Up ? -1 : d == MazeDirection::Down ? 1 : 0; }
inline constexpr int columnChange(MazeDirection d) { return d == MazeDirection::Left ? -1 : d == MazeDirection::Right ? 1 : 0; }
inline MazePoint step(MazePoint p, MazeDirection d) { return {p.row + rowChange(d), p.column + columnChange(d)}; }
} // namespace MazeSteps

// A maze of rows × columns cells. Each cell holds its wall bits: 1 up, 2 right, 4 down,
// 8 left (15: closed all round). A wall between two neighbours is set in both of them,
// and the cells along the border keep their outer walls.
struct MazeGrid
{
    int rows = 0;
    int columns = 0;
    QList<QList<quint8>> cells; // cells[row][column]

    // Carves a perfect maze (one path between any two cells) by a depth-first walk from
    // the top left cell, choosing among the unvisited neighbours with a 64-bit linear
    // congruential generator started at `seed`. The same arguments always give the same
    // maze. A size of 0 or less gives a grid without cells.
    static MazeGrid generate(int rows, int columns, quint64 seed);

    bool contains(MazePoint p) const { return p.row >= 0 && p.row < rows && p.column >= 0 && p.column < columns; }
    // Whether the step from `from` in `direction` is open: no wall on that side and the
    // neighbour inside the grid. A point outside the grid cannot move.
    bool canMove(MazePoint from, MazeDirection direction) const;

    // The wall bits row by row (row × columns + column), for the board's drawing.
    QList<int> flatWalls() const;
};

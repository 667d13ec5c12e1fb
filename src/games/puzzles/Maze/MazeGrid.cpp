#include "MazeGrid.h"

#include "SeededRandom.h"

#include <QSet>

MazeGrid MazeGrid::generate(int rows, int columns, quint64 seed)
{
    MazeGrid grid;
    grid.rows = std::max(rows, 0);
    grid.columns = std::max(columns, 0);
    grid.cells = QList<QList<quint8>>(grid.rows, QList<quint8>(grid.columns, quint8(15)));
    if (grid.rows == 0 || grid.columns == 0)
        return grid;

    Lcg64 random(seed);
    QSet<MazePoint> visited{{0, 0}};
    QList<MazePoint> stack{{0, 0}};
    struct Candidate
    {
        MazePoint point;
        MazeDirection direction;
    };
    while (!stack.isEmpty()) {
        const MazePoint top = stack.last();
        QList<Candidate> candidates;
        for (MazeDirection d : MazeSteps::all) {
            const MazePoint next = MazeSteps::step(top, d);
            if (grid.contains(next) && !visited.contains(next))
                candidates.append({next, d});
        }
        if (candidates.isEmpty()) {
            stack.removeLast();
            continue;
        }
        const Candidate chosen = candidates[qsizetype(random.next() % quint64(candidates.size()))];
        grid.cells[top.row][top.column] &= quint8(~MazeSteps::wallBit(chosen.direction));
        grid.cells[chosen.point.row][chosen.point.column] &= quint8(~MazeSteps::facingBit(chosen.direction));
        visited.insert(chosen.point);
        stack.append(chosen.point);
    }
    return grid;
}

bool MazeGrid::canMove(MazePoint from, MazeDirection direction) const
{
    if (!contains(from))
        return false;
    if (cells[from.row][from.column] & MazeSteps::wallBit(direction))
        return false;
    return contains(MazeSteps::step(from, direction));
}

QList<int> MazeGrid::flatWalls() const
{
    QList<int> walls;
    walls.reserve(rows * columns);
    for (const QList<quint8> &row : cells) {
        for (quint8 cell : row)
            walls.append(cell);
    }
    return walls;
}

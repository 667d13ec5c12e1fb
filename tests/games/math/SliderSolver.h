#pragma once

#include <QHash>
#include <QList>
#include <QQueue>

// The cells to tap, in order, that solve a 3 x 3 sliding board the shortest way
// (breadth-first over the board's states; empty for a solved board).
inline QList<int> solveSlider(const QList<int> &start)
{
    const QList<int> goal{1, 2, 3, 4, 5, 6, 7, 8, 0};
    QHash<QList<int>, QPair<QList<int>, int>> cameFrom; // board -> (previous board, tapped cell)
    QQueue<QList<int>> queue;
    queue.enqueue(start);
    cameFrom.insert(start, {{}, -1});
    while (!queue.isEmpty()) {
        const QList<int> board = queue.dequeue();
        if (board == goal) {
            QList<int> taps;
            for (QList<int> at = board; cameFrom.value(at).second >= 0; at = cameFrom.value(at).first)
                taps.prepend(cameFrom.value(at).second);
            return taps;
        }
        const int blank = int(board.indexOf(0));
        for (int cell = 0; cell < 9; ++cell) {
            if (qAbs(cell / 3 - blank / 3) + qAbs(cell % 3 - blank % 3) != 1)
                continue;
            QList<int> next = board;
            next.swapItemsAt(cell, blank);
            if (!cameFrom.contains(next)) {
                cameFrom.insert(next, {board, cell});
                queue.enqueue(next);
            }
        }
    }
    return {};
}

#pragma once
// The 3 × 3 cells of the selection screen around a board cell: the board's
// column and its neighbours for the rows above, at and below it, with each
// row's own small, voiced or semi-voiced forms in the outer cells.
#include <QList>
#include <QStringList>

namespace pelumo {

struct SelectionCells {
    QList<QStringList> cells;   // 3 rows of 3; (1, 1) is the chosen cell
    // Whether the chosen cell's row holds its own forms at the left or right
    // rather than the board's neighbouring entries.
    bool formLeft = false;
    bool formRight = false;
};

SelectionCells selectionCells(const QList<QStringList> &board, int col, int row);

} // namespace pelumo

#include "board/core/SelectionCells.h"
#include "board/core/KanaVariants.h"

namespace pelumo {
namespace {
constexpr int kLastNeighbourColumn = 9;   // right-hand neighbours stop here, on any board

QString at(const QList<QStringList> &board, int row, int col)
{
    if (row < 0 || row >= board.size() || col < 0 || col >= board[row].size())
        return {};
    return board[row][col];
}
}

SelectionCells selectionCells(const QList<QStringList> &board, int col, int row)
{
    SelectionCells out;
    for (int i = 0; i < 3; ++i) {
        const int boardRow = row - 1 + i;
        const QString middle = at(board, boardRow, col);
        VariantCells outer{col != 0 ? at(board, boardRow, col - 1) : QString(),
                           col < kLastNeighbourColumn ? at(board, boardRow, col + 1) : QString()};
        fillKanaVariants(middle, outer);
        out.cells.append({outer.col0, middle, outer.col2});
        if (i == 1) {
            VariantCells forms;
            fillKanaVariants(middle, forms);
            out.formLeft = !forms.col0.isEmpty();
            out.formRight = !forms.col2.isEmpty();
        }
    }
    return out;
}

} // namespace pelumo

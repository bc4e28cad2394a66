// Building the letter board and cycling its kind.
#include "app/frmTalk.h"
#include "board/core/BoardTables.h"

namespace pelumo {

void frmTalk::BuildBoard()
{
    FlexGrid *g = grdBoard;
    const int last = state.BoardLastColumn;
    g->setRedraw(false);
    g->setRows(kBoardRows);
    g->setCols(last + 1);
    for (int c = 0; c <= last; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            g->setRow(r);
            g->setCol(c);
            g->setTextMatrix(r, c, QString());
            g->setCellBackColor(colors::White);
            g->setCellAlignment(FlexGrid::AlignCenterBottom);
        }
        g->setColWidth(c, boardColumnWidth(last));
    }
    g->setForeColor(colors::Black);

    const BoardKind kind = nextBoardKind(boardKindOfCaption(cmdKey->caption()));
    const QList<QStringList> cells = boardCells(kind, last);
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c <= last; ++c)
            if (!cells[r][c].isEmpty())
                g->setTextMatrix(r, c, cells[r][c]);
    cmdKey->setCaption(boardCaption(kind));
    g->setRedraw(true);
}

void frmTalk::cmdKey_Click()
{
    BuildBoard();
}

} // namespace pelumo

// The enlarged 3 x 3 selection screen around a pressed board cell.
#include "board/BoardController.h"
#include "board/core/KanaVariants.h"

namespace pelumo {
namespace {
constexpr int kSelectionColumnWidth = 5250;   // twips
constexpr int kLastNeighbourColumn = 9;        // right-hand neighbours stop here, on any board
}

void BoardController::BuildSelectionBoard(int col, int row)
{
    FlexGrid *g = c.grdBoard2;
    g->setRows(3);
    g->setCols(3);
    g->setRedraw(false);
    auto board = [this](int r, int cc) { return c.grdBoard->textMatrix(r, cc); };
    for (int i = 0; i < 3; ++i) {
        const int boardRow = row - 1 + i;
        const bool inBoard = boardRow >= 0 && boardRow <= 4;
        g->setTextMatrix(i, 0, inBoard && col != 0 ? board(boardRow, col - 1) : QString());
        g->setTextMatrix(i, 1, inBoard ? board(boardRow, col) : QString());
        g->setTextMatrix(i, 2, inBoard && col < kLastNeighbourColumn ? board(boardRow, col + 1)
                                                                     : QString());
        if (inBoard)
            FillKanaVariants(board(boardRow, col), i);
    }
    for (int cc = 0; cc < 3; ++cc) {
        g->setColWidth(cc, kSelectionColumnWidth);
        for (int r = 0; r < 3; ++r) {
            g->setRow(r);
            g->setCol(cc);
            g->setCellBackColor(colors::White);
            g->setCellAlignment(FlexGrid::AlignCenterBottom);
        }
    }
    g->setRedraw(true);
}

void BoardController::FillKanaVariants(const QString &ch, int row)
{
    VariantCells cells{c.grdBoard2->textMatrix(row, 0), c.grdBoard2->textMatrix(row, 2)};
    fillKanaVariants(ch, cells);
    c.grdBoard2->setTextMatrix(row, 0, cells.col0);
    c.grdBoard2->setTextMatrix(row, 2, cells.col2);
}

void BoardController::grdBoard2_MouseDown()
{
    c.grdBoard->setEnabled(false);
    m_state.PressedRow2 = c.grdBoard2->row();
    m_state.PressedCol2 = c.grdBoard2->col();
    highlightPressed(c.grdBoard2, 3, 3, m_state.PressedRow2, m_state.PressedCol2, m_state.SelectedChar);
    c.grdBoard->setEnabled(true);
}

void BoardController::grdBoard2_Click()
{
    FlexGrid *g = c.grdBoard2;
    g->setEnabled(false);
    g->setRedraw(false);
    emit keyTouched();
    const QString cellText = g->textMatrix(g->row(), g->col());
    if (cellText.isEmpty()) {
        g->setEnabled(true);
        g->setRedraw(true);
        return;
    }
    const bool confirms = confirmsFirstPress(cellText, m_state.SelectedChar);
    m_state.SelectedChar = cellText;
    if (m_options.SelectScreenMode == SelectPressMode::Enter || confirms) {
        emit screenWanted(Screen::Board);
        enter(cellText);
    } else if (m_options.SelectScreenMode == SelectPressMode::ConfirmThenEnter) {
        emit speakKey(cellText, QStringLiteral("1"));
    }
    emit touchDone(TouchEnd::Select);
    g->setEnabled(true);
    g->setRedraw(true);
}

void BoardController::cmdspace_Click()
{
    emit keyTouched();
    // The alphanumeric board's space is the half-width one.
    emit spaceEntered(m_state.kind == BoardKind::Alphanumeric ? QStringLiteral(" ")
                                                              : QStringLiteral("\u3000"));
}

void BoardController::cmdEnd2_Click()
{
    emit keyTouched();
    emit touchDone(TouchEnd::Focus);
    emit screenWanted(Screen::Board);
}

} // namespace pelumo

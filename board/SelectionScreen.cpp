// The enlarged 3 x 3 selection screen around a pressed board cell.
#include "board/BoardController.h"
#include "board/core/SelectionCells.h"

namespace pelumo {
namespace {
constexpr int kSelectionColumnWidth = 5250;   // twips
}

void BoardController::BuildSelectionBoard(int col, int row)
{
    FlexGrid *g = c.grdBoard2;
    g->setRows(3);
    g->setCols(3);
    g->setRedraw(false);
    m_state.spaceJustEntered = false;
    const QList<QStringList> cells = selectionCells(shownCells(), col, row).cells;
    for (int r = 0; r < 3; ++r)
        for (int cc = 0; cc < 3; ++cc)
            g->setTextMatrix(r, cc, cells[r][cc]);
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
    m_state.spaceJustEntered = true;
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

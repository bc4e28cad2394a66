// The enlarged 3 x 3 selection screen around a pressed board cell.
#include "app/frmTalk.h"
#include "board/core/KanaVariants.h"
#include "board/core/BoardTables.h"
#include "editing/core/Message.h"

namespace pelumo {
namespace {
constexpr int kSelectionColumnWidth = 5250;   // twips
constexpr int kLastNeighbourColumn = 9;        // right-hand neighbours stop here, on any board
}

void frmTalk::BuildSelectionBoard(qint32 col, qint32 row)
{
    FlexGrid *g = grdBoard2;
    g->setRows(3);
    g->setCols(3);
    g->setRedraw(false);
    auto board = [this](int r, int c) { return grdBoard->textMatrix(r, c); };
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
    for (int c = 0; c < 3; ++c) {
        g->setColWidth(c, kSelectionColumnWidth);
        for (int r = 0; r < 3; ++r) {
            g->setRow(r);
            g->setCol(c);
            g->setCellBackColor(colors::White);
            g->setCellAlignment(FlexGrid::AlignCenterBottom);
        }
    }
    g->setRedraw(true);
}

void frmTalk::FillKanaVariants(QString ch, qint32 row)
{
    VariantCells cells{grdBoard2->textMatrix(row, 0), grdBoard2->textMatrix(row, 2)};
    fillKanaVariants(ch, cells);
    grdBoard2->setTextMatrix(row, 0, cells.col0);
    grdBoard2->setTextMatrix(row, 2, cells.col2);
}

void frmTalk::grdBoard2_MouseDown()
{
    FlexGrid *g = grdBoard2;
    grdBoard->setEnabled(false);
    PressedRow2 = g->row();
    PressedCol2 = g->col();
    g->setRedraw(false);
    g->setEnabled(false);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            g->setRow(r);
            g->setCol(c);
            g->setCellBackColor(colors::White);
        }
    }
    g->setRow(PressedRow2);
    g->setCol(PressedCol2);
    const bool confirming = confirmsFirstPress(g->textMatrix(PressedRow2, PressedCol2), state.SelectedChar);
    g->setCellBackColor(confirming ? colors::LightGrey : colors::LightGreen);
    g->setEnabled(true);
    g->setRedraw(true);
    grdBoard->setEnabled(true);
}

void frmTalk::grdBoard2_Click()
{
    FlexGrid *g = grdBoard2;
    g->setEnabled(false);
    g->setRedraw(false);
    beepIfWanted();
    const QString cellText = g->textMatrix(g->row(), g->col());
    if (cellText.isEmpty()) {
        g->setEnabled(true);
        g->setRedraw(true);
        return;
    }
    auto enter = [this, &cellText] {
        state.SelectedChar = cellText;
        txtHide->setText(state.SelectedChar);
        fraSet->hide();
        InsertBoardText();
        SpeakKey(state.SelectedChar, 0.5, QStringLiteral("E"));
        CheckAutoPhrases(txtTalk->text());
    };
    switch (optionNumber(state.SelectScreenMode)) {
    case 0:
        enter();
        break;
    case 1:
        if (!confirmsFirstPress(cellText, state.SelectedChar)) {
            state.SelectedChar = cellText;
            SpeakKey(state.SelectedChar, 0.5, QStringLiteral("1"));
        } else {
            enter();
        }
        break;
    default:
        break;
    }
    txtTalk->setFocus();
    if (txtTalk->selLength() == 0)
        txtTalk->sendKeys(QStringLiteral("+{RIGHT}"));
    g->setEnabled(true);
    g->setRedraw(true);
}

void frmTalk::cmdspace_Click()
{
    beepIfWanted();
    txtHide->setText(cmdKey->caption() == QStringLiteral("英数") ? QStringLiteral(" ")
                                                                 : QStringLiteral("\u3000"));
    InsertBoardText();
}

void frmTalk::cmdEnd2_Click()
{
    beepIfWanted();
    txtTalk->setFocus();
    fraSet->hide();
}

} // namespace pelumo

// Presses on the letter board, and the insertion of board text into the message.
#include "app/frmTalk.h"
#include "board/core/BoardTables.h"
#include "editing/core/Message.h"

namespace pelumo {

void frmTalk::grdBoard_MouseDown()
{
    FlexGrid *g = grdBoard;
    PressedRow = g->row();
    PressedCol = g->col();
    g->setRedraw(false);
    g->setEnabled(false);
    for (int c = 0; c <= state.BoardLastColumn; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            g->setRow(r);
            g->setCol(c);
            g->setCellBackColor(colors::White);
        }
    }
    g->setRow(PressedRow);
    g->setCol(PressedCol);
    const bool confirming = confirmsFirstPress(g->textMatrix(PressedRow, PressedCol), state.WorkText);
    g->setCellBackColor(confirming ? colors::LightGrey : colors::LightGreen);
    g->setEnabled(true);
    g->setRedraw(true);
}

void frmTalk::grdBoard_Click()
{
    FlexGrid *g = grdBoard;
    g->setRedraw(false);
    g->setEnabled(false);
    const QString cellText = g->textMatrix(g->row(), g->col());
    // An empty cell enters an ideographic space in the one-press modes; in the
    // two-press modes it never equals the remembered "　", so it never completes.
    const QString s = cellText.isEmpty() ? QStringLiteral("\u3000") : cellText;
    beepIfWanted();

    auto openSelectionScreen = [this, &s] {
        SpeakKey(s, 0.5, QStringLiteral("S"));
        BuildSelectionBoard(PressedCol, PressedRow);
        const QRect board = layout.geometry(grdBoard);
        layout.setLeftTop(fraSet, board.left(), board.top());
        fraSet->show();
        fraSet->raise();
    };
    auto enter = [this, &s] {
        txtHide->setText(s);
        InsertBoardText();
        SpeakKey(s, 0.5, QStringLiteral("E"));
        CheckAutoPhrases(txtTalk->text());
    };
    auto rememberFirstPress = [this, &s] {
        state.WorkText = s;
        SpeakKey(s, 0.5, QStringLiteral("1"));
    };

    switch (optionNumber(state.FirstScreenMode)) {
    case 0:
        g->setCellBackColor(colors::Desktop);
        openSelectionScreen();
        break;
    case 1:
        if (confirmsFirstPress(cellText, state.WorkText))
            openSelectionScreen();
        else
            rememberFirstPress();
        break;
    case 2:
        g->setCellBackColor(colors::Desktop);
        enter();
        break;
    case 3:
        if (confirmsFirstPress(cellText, state.WorkText))
            enter();
        else
            rememberFirstPress();
        break;
    default:
        break;
    }
    g->setRedraw(true);
    g->setEnabled(true);
    txtTalk->setFocus();
    if (!fraSet->isVisible() && txtTalk->selLength() == 0)
        txtTalk->sendKeys(QStringLiteral("+{RIGHT}"));
}

void frmTalk::InsertBoardText()
{
    const auto inserted = insertBoardText(txtTalk->text(), txtTalk->selStart(), txtHide->text());
    if (!inserted)
        return;   // the message is full: it stays exactly as it was
    txtTalk->setText(inserted->text);
    txtTalk->setSelStart(inserted->caret);
}

} // namespace pelumo

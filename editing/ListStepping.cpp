// The list keys △ ▽ and 決定: stepping the highlight through whichever list
// stands in place of the board, and acting on the highlighted row.
#include "app/frmTalk.h"
#include "editing/core/Decide.h"
#include <QCoreApplication>

namespace pelumo {
namespace {

const OleColor kUpColour = 0xC0FFC0, kUpPressed = 0x00C000;
const OleColor kDownColour = 0x80FF80, kDownPressed = 0x008000;

// The shown list with the first of its highlighted columns, which is also the
// column decide reads.
struct ShownList {
    FlexGrid *grid = nullptr;
    int column = 0;
};

void paintRow(FlexGrid *grid, int row, int firstColumn, OleColor colour)
{
    grid->setRow(row);
    grid->setCol(firstColumn);
    grid->setColSel(grid->cols() - 1);
    grid->setCellBackColor(colour);
}

} // namespace

static ShownList shownList(frmTalk &w)
{
    // Examined in this order: the candidates lie above the phrase list, the
    // phrase list above the diary list.
    if (w.grdSp->isVisibleTo(&w))
        return {w.grdSp, 0};
    if (w.grdEx->isVisibleTo(&w))
        return {w.grdEx, 1};
    if (w.grdDay->isVisibleTo(&w))
        return {w.grdDay, 1};
    return {};
}

void frmTalk::cmdUp_MouseDown()
{
    cmdUp->setBackColor(kUpPressed);
    ButtonHeld = true;
    StepListUp();
}

void frmTalk::cmdUp_MouseUp()
{
    cmdUp->setBackColor(kUpColour);
    ButtonHeld = false;
}

void frmTalk::cmdDown_MouseDown()
{
    cmdDown->setBackColor(kDownPressed);
    ButtonHeld = true;
    StepListDown();
}

void frmTalk::cmdDown_MouseUp()
{
    cmdDown->setBackColor(kDownColour);
    ButtonHeld = false;
}

// One step of the highlight; false when the list's end ends the repeat. Going
// up, every step scrolls the list up a row while it can; going down, the
// highlight settles on the third visible row and the list scrolls under it.
bool frmTalk::stepList(int direction)
{
    const ShownList list = shownList(*this);
    if (!list.grid)
        return true;
    FlexGrid *g = list.grid;
    const int next = state.ListCursorRow + direction;
    if (next < 0 || next >= g->rows())
        return false;
    paintRow(g, state.ListCursorRow, list.column, colors::White);
    state.ListCursorRow = next;
    paintRow(g, next, list.column, colors::LightGreen);
    if (direction < 0 && g->topRow() > 0)
        g->setTopRow(g->topRow() - 1);
    if (direction > 0 && g->topRow() + 1 < next - 1)
        g->setTopRow(g->topRow() + 1);
    return true;
}

void frmTalk::repeatListStep(int direction)
{
    // Events run nested in here (the release, a touch on a row, the window
    // closing): the guard ends the loop when the window is gone.
    QPointer<frmTalk> alive(this);
    for (;;) {
        if (!ButtonHeld || m_closing)
            return;
        if (!stepList(direction))
            return;
        QCoreApplication::processEvents();
        if (!alive)
            return;
        txtTalk->setFocus();
        pauseBetweenRepeats(services.clock);
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
}

void frmTalk::StepListUp()
{
    repeatListStep(-1);
}

void frmTalk::StepListDown()
{
    repeatListStep(+1);
}

} // namespace pelumo

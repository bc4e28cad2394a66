#include "editing/ListKeys.h"

namespace pelumo {
namespace {

const OleColor kUpColour = 0xC0FFC0, kUpPressed = 0x00C000;
const OleColor kDownColour = 0x80FF80, kDownPressed = 0x008000;

void paintRow(FlexGrid *grid, int row, int firstColumn, OleColor colour)
{
    grid->setRow(row);
    grid->setCol(firstColumn);
    grid->setColSel(grid->cols() - 1);
    grid->setCellBackColor(colour);
}

} // namespace

ListKeys::ListKeys(const ListControls &controls, const ScreenState &screen, int &ListCursorRow,
                   Clock &clock, QObject *parent)
    : QObject(parent), c(controls), m_screen(screen), m_cursor(ListCursorRow), m_repeat(clock)
{
}

ListKeys::ShownList ListKeys::listOf(Screen screen) const
{
    switch (screen) {
    case Screen::Candidates:
    case Screen::Conversion:
        return {c.grdSp, 0};
    case Screen::PhraseList:
        return {c.grdEx, 1};
    case Screen::DiaryList:
        return {c.grdDay, 1};
    case Screen::History:
        return {c.grdHis, 0};
    default:
        return {};
    }
}

void ListKeys::cmdUp_MouseDown()
{
    c.cmdUp->setBackColor(kUpPressed);
    m_repeat.start([this] { return stepList(-1); });
}

void ListKeys::cmdUp_MouseUp()
{
    c.cmdUp->setBackColor(kUpColour);
    stopRepeat();
}

void ListKeys::cmdDown_MouseDown()
{
    c.cmdDown->setBackColor(kDownPressed);
    m_repeat.start([this] { return stepList(+1); });
}

void ListKeys::cmdDown_MouseUp()
{
    c.cmdDown->setBackColor(kDownColour);
    stopRepeat();
}

void ListKeys::stopRepeat()
{
    m_repeat.stop();
}

// One step of the highlight; false when the list's end ends the repeat. Going
// up, every step scrolls the list up a row while it can; going down, the
// highlight settles on the third visible row and the list scrolls under it.
bool ListKeys::stepList(int direction)
{
    const ShownList list = listOf(m_screen.shown);
    if (!list.grid)
        return true;
    FlexGrid *g = list.grid;
    const int next = m_cursor + direction;
    if (next < 0 || next >= g->rows())
        return false;
    paintRow(g, m_cursor, list.column, colors::White);
    m_cursor = next;
    paintRow(g, next, list.column, colors::LightGreen);
    if (direction < 0 && g->topRow() > 0)
        g->setTopRow(g->topRow() - 1);
    if (direction > 0 && g->topRow() + 1 < next - 1)
        g->setTopRow(g->topRow() + 1);
    emit touchDone();
    return true;
}

void ListKeys::highlight(Screen list, int row)
{
    const ShownList shown = listOf(list);
    paintRow(shown.grid, row, shown.column, colors::LightGreen);
    m_cursor = row;
}

void ListKeys::cmdDec_Click()
{
    if (listOf(m_screen.shown).grid)
        emit decided(m_screen.shown, m_cursor);
}

void ListKeys::pickListRow(Screen screen)
{
    emit keyTouched();
    const ShownList list = listOf(screen);
    const int row = list.grid->mouseRow();
    paintRow(list.grid, m_cursor, list.column, colors::White);
    paintRow(list.grid, row, list.column, colors::LightGreen);
    m_cursor = row;
    emit touchDone();
}

void ListKeys::grdEx_Click() { pickListRow(Screen::PhraseList); }
void ListKeys::grdSp_Click() { pickListRow(Screen::Candidates); }
void ListKeys::grdDay_Click() { pickListRow(Screen::DiaryList); }
void ListKeys::grdHis_Click() { pickListRow(Screen::History); }

} // namespace pelumo

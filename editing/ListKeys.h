#pragma once
// The list keys △ ▽ 決定 and touches on the rows of whichever list stands in
// place of the board: the candidates, the phrase list or the diary's days.
// The highlighted row is ListCursorRow; what a decided row holds is for the
// owner of the list to say.
#include "platform/HoldRepeat.h"
#include "platform/core/Screen.h"
#include "widgets/CommandButton.h"
#include "widgets/FlexGrid.h"
#include <QObject>

namespace pelumo {

struct ListControls {
    FlexGrid *grdSp, *grdEx, *grdDay, *grdHis;
    CommandButton *cmdUp, *cmdDown, *cmdDec;
};

class ListKeys : public QObject {
    Q_OBJECT
public:
    ListKeys(const ListControls &controls, const ScreenState &screen, int &ListCursorRow,
             Clock &clock, QObject *parent = nullptr);

    void cmdUp_MouseDown();
    void cmdUp_MouseUp();
    void cmdDown_MouseDown();
    void cmdDown_MouseUp();
    void stopRepeat();
    void cmdDec_Click();
    void grdEx_Click();
    void grdSp_Click();
    void grdDay_Click();
    void grdHis_Click();

    // Paints the highlight on a row of a list just filled and makes it the cursor.
    void highlight(Screen list, int row);

signals:
    void keyTouched();
    void decided(Screen list, int row);
    void touchDone();

private:
    struct ShownList {
        FlexGrid *grid = nullptr;
        int column = 0;   // the first highlighted column
    };
    ShownList listOf(Screen screen) const;
    bool stepList(int direction);
    void pickListRow(Screen list);

    ListControls c;
    const ScreenState &m_screen;
    int &m_cursor;
    HoldRepeat m_repeat;
};

} // namespace pelumo

#pragma once
// Every control of the main window, named as the layout tables name them.
// The window owns them (they are its children) and shows them; the
// subsystems are each handed theirs.
#include "widgets/CommandButton.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include "widgets/TextBox.h"
#include <QLabel>
#include <array>

namespace pelumo {

inline const OleColor kWindowBlue = rgb(128, 128, 255);

struct MainControls {
    // Top to bottom of the stacking order's base.
    Frame *fraText;
    TextBox *txtTalk;
    CommandButton *cmdWide, *cmdCopy, *cmdPaste;
    FlexGrid *grdBoard, *grdSp, *grdEx, *grdDay;
    FlexGrid *grdHis;   // our own: the messages read before, where the board stands
    CommandButton *cmdOpt, *cmdEnd, *cmdSamp, *cmdSampADD, *cmdSampDel;
    Frame *fraDay, *fraTalk, *fraRes;
    std::array<CommandButton *, 5> cmdRes;   // → ＢＳ ← ↓ ↑
    CommandButton *cmdStart;
    CommandButton *cmdUp, *cmdDown, *cmdDec;
    CommandButton *cmdRevise, *cmdBack;
    CommandButton *cmdRead, *cmdKey;
    QLabel *txtHide;   // the layout's hidden label; nothing passes through it
    Frame *fraSet;
    FlexGrid *grdBoard2;
    CommandButton *cmdspace, *cmdEnd2;

    // Creates them all as children of the window, placed on the layout.
    void createControls(QWidget *window, ScaledLayout &layout);

private:
    void createTextArea(QWidget *window, ScaledLayout &layout);
    void createBoards(QWidget *window, ScaledLayout &layout);
    void createButtons(QWidget *window, ScaledLayout &layout);
    void createPanels(QWidget *window, ScaledLayout &layout);
    void createSelectionScreen(QWidget *window, ScaledLayout &layout);
    void nameControls();
};

} // namespace pelumo

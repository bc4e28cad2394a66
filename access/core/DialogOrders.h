#pragma once
// The scan order of the options dialog, built from plain facts about what it
// shows. access/README.md gives the order and why it is so.
#include "access/core/ScanTargets.h"
#include <vector>

namespace pelumo {

// A row of the dialog's second page as shown.
struct OptionRowFacts {
    QString key;       // the row's key: a check box's name, and its buttons' "_minus" and "_plus"
    QString caption;
    bool onOff = false;       // a check box; otherwise − and ＋
    bool canDecrease = true;  // a greyed button takes no touch and is not scanned
    bool canIncrease = true;
};

struct OptionsDialogFacts {
    bool secondPage = false;
    QString sampleLength;               // the first page's cmbSample as shown ("２")
    std::vector<OptionRowFacts> rows;   // the second page's sheet shown, top to bottom
    QString sheetCaption;               // its sheet button; empty when there is none
    QString backupCaption;              // the button beside it; empty when there is none
    QString forgetCaption;              // 学習をリセット under the sheet's rows; empty when not shown
};

ScanTable optionsDialogOrder(const OptionsDialogFacts &facts);

} // namespace pelumo

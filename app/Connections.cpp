// Wires each control's events to its handler.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::connectHandlers()
{
    connect(cmdEnd, &QAbstractButton::clicked, this, &frmTalk::cmdEnd_Click);
    connect(cmdOpt, &QAbstractButton::clicked, this, &frmTalk::cmdOpt_Click);
    connect(cmdKey, &QAbstractButton::clicked, this, &frmTalk::cmdKey_Click);

    connect(grdBoard, &FlexGrid::mouseDown, this, &frmTalk::grdBoard_MouseDown);
    connect(grdBoard, &FlexGrid::click, this, &frmTalk::grdBoard_Click);
    connect(grdBoard2, &FlexGrid::mouseDown, this, &frmTalk::grdBoard2_MouseDown);
    connect(grdBoard2, &FlexGrid::click, this, &frmTalk::grdBoard2_Click);
    connect(cmdspace, &QAbstractButton::clicked, this, &frmTalk::cmdspace_Click);
    connect(cmdEnd2, &QAbstractButton::clicked, this, &frmTalk::cmdEnd2_Click);

    for (int i = 0; i < int(cmdRes.size()); ++i) {
        connect(cmdRes[i], &QAbstractButton::pressed, this, [this, i] { cmdRes_MouseDown(i); });
        connect(cmdRes[i], &QAbstractButton::released, this, [this, i] { cmdRes_MouseUp(i); });
    }
    connect(cmdWide, &QAbstractButton::clicked, this, &frmTalk::cmdWide_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmTalk::cmdCopy_Click);
    connect(cmdPaste, &QAbstractButton::clicked, this, &frmTalk::cmdPaste_Click);
    for (CommandButton *b : {cmdCopy, cmdPaste}) {
        connect(b, &QAbstractButton::pressed, this, [b] { b->setBackColor(colors::Grey); });
        connect(b, &QAbstractButton::released, this, [b] { b->setBackColor(colors::White); });
    }
}

} // namespace pelumo

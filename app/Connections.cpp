// Wires each control's events to its handler.
#include "app/AudioNotice.h"
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

    connect(cmdRead, &QAbstractButton::clicked, this, &frmTalk::cmdRead_Click);

    connect(cmdSamp, &QAbstractButton::clicked, this, &frmTalk::cmdSamp_Click);
    connect(cmdSamp, &QAbstractButton::pressed, this, &frmTalk::cmdSamp_MouseDown);
    connect(cmdSamp, &QAbstractButton::released, this, &frmTalk::cmdSamp_MouseUp);
    connect(cmdSampADD, &QAbstractButton::clicked, this, &frmTalk::cmdSampADD_Click);
    connect(cmdSampDel, &QAbstractButton::clicked, this, &frmTalk::cmdSampDel_Click);
    connect(cmdStart, &QAbstractButton::clicked, this, &frmTalk::cmdStart_Click);
    connect(grdEx, &FlexGrid::click, this, &frmTalk::grdEx_Click);
    connect(grdSp, &FlexGrid::click, this, &frmTalk::grdSp_Click);
    connect(grdDay, &FlexGrid::click, this, &frmTalk::grdDay_Click);

    connect(cmdUp, &QAbstractButton::pressed, this, &frmTalk::cmdUp_MouseDown);
    connect(cmdUp, &QAbstractButton::released, this, &frmTalk::cmdUp_MouseUp);
    connect(cmdDown, &QAbstractButton::pressed, this, &frmTalk::cmdDown_MouseDown);
    connect(cmdDown, &QAbstractButton::released, this, &frmTalk::cmdDown_MouseUp);
    connect(cmdDec, &QAbstractButton::clicked, this, &frmTalk::cmdDec_Click);

    connect(cmdRevise, &QAbstractButton::clicked, this, &frmTalk::cmdRevise_Click);
    connect(cmdBack, &QAbstractButton::clicked, this, &frmTalk::cmdBack_Click);

    connectAudioNotice(*this);
}

} // namespace pelumo

// The phrase-book buttons and the touches on the list grids.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::cmdSamp_Click() {}
void frmTalk::cmdSamp_MouseDown() {}
void frmTalk::cmdSamp_MouseUp() {}
void frmTalk::cmdSampADD_Click() {}
void frmTalk::cmdSampDel_Click() {}
void frmTalk::cmdStart_Click() {}
void frmTalk::grdEx_Click() {}
void frmTalk::grdSp_Click() {}
void frmTalk::grdDay_Click() {}

} // namespace pelumo

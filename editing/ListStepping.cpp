// The list keys △ ▽ and 決定.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::cmdUp_MouseDown() {}
void frmTalk::cmdUp_MouseUp() {}
void frmTalk::cmdDown_MouseDown() {}
void frmTalk::cmdDown_MouseUp() {}
void frmTalk::cmdDec_Click() {}
void frmTalk::StepListUp() {}
void frmTalk::StepListDown() {}

} // namespace pelumo

#pragma once
// A notice the user did not ask for (no sound device, a message that cannot
// be kept): shown when the window is on screen and no other dialog is open,
// so that it never lands behind the start-up or on top of a question being
// answered. Never shown inside the call that asks for it.
#include <QString>

namespace pelumo {

class frmTalk;

void tellUnasked(frmTalk &window, const QString &prompt, const QString &title);

} // namespace pelumo

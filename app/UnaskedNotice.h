#pragma once
// A notice the user did not ask for (no sound device, a message that cannot
// be kept) waits for a quiet moment: the window on screen, no other dialog
// open, no press under way (a dwell ring filling, a key held) and a second
// gone since the last touch, click, key or switch press, on the window's
// clock. A touch already on its way when the moment comes is given to the
// board first, and the wait begins again: a notice never takes a touch
// meant for the board. Notices wait their turn, one at a time, and none is
// ever shown inside the call that asks for it.
#include <QString>

namespace pelumo {

class frmTalk;

void tellUnasked(frmTalk &window, const QString &prompt, const QString &title);

} // namespace pelumo

// Speech of the message and of single characters.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::SpeakKey(const QString &Text, double Delay, const QString &Stage)
{
    // No speaking character yet: the board stays silent.
    Q_UNUSED(Text);
    Q_UNUSED(Delay);
    Q_UNUSED(Stage);
}

void frmTalk::cmdRead_Click() {}

void frmTalk::SetUpCharacter() {}

} // namespace pelumo

// The question dialog.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::AskQuestion(const QString &Prompt, int Style, const QString &Title)
{
    Q_UNUSED(Prompt);
    Q_UNUSED(Style);
    Q_UNUSED(Title);
    state.DialogAnswer = false;
}

} // namespace pelumo

// Phrases offered while typing.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::CheckAutoPhrases(const QString &text)
{
    // The phrase book is not read yet: there is nothing to offer.
    Q_UNUSED(text);
}

void frmTalk::ShowPhraseCandidates() {}

} // namespace pelumo

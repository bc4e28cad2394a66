// Reading, indexing and writing the phrase book.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::LoadPhrases() {}
void frmTalk::BuildPhraseIndex() {}
void frmTalk::SavePhrases() {}

} // namespace pelumo

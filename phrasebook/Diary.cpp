// The diary: one entry a day, kept in day.txt.
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::LoadDiaryList() {}
void frmTalk::SortDiaryList() {}
void frmTalk::SaveDiary(const QString &text) { Q_UNUSED(text); }
void frmTalk::cmdRevise_Click() {}
void frmTalk::cmdBack_Click() {}
void frmTalk::EndDiary() {}

} // namespace pelumo

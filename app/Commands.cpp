// The commands whose work spans subsystems: the phrase button, 始め and 決定.
#include "app/frmTalk.h"
#include "platform/core/MessageRules.h"
#include "phrasebook/core/PhraseFile.h"

namespace pelumo {

void frmTalk::cmdSamp_Click()
{
    setScreenMousePointer(11);
    setEnabled(false);
    edit->SetNarrowLayout();
    if (state.screen.diaryOpen) {
        diary->EndDiary(message->text());
    } else if (state.screen.shown == Screen::PhraseList || state.screen.shown == Screen::History) {
        message->setDiaryLook(false);
        showScreen(Screen::Board);
    } else {
        phrases->showPhraseList();
    }
    setEnabled(true);
    message->focus();
    message->appendEndMarker();
    setScreenMousePointer(0);
}

void frmTalk::cmdStart_Click()
{
    if (!AskQuestion(QStringLiteral("はじめからでよろしいですか？"), 33, QStringLiteral("例文登録")))
        return;
    message->clear();
    board->whitenBoard();
}

// 決定 on the highlighted row of the shown list: a candidate or a phrase goes
// into the message, "日記" opens the diary's list, a day opens its entry.
void frmTalk::decide(Screen list, int row)
{
    setEnabled(false);
    // A phrase that would take the message past its limit is not cut: the
    // message stays as it was and the beep says the choice did not fit.
    auto refused = [this](bool fitted) {
        if (!fitted)
            services.beeper.beep();
    };
    switch (list) {
    case Screen::Candidates:
        refused(message->decideCandidate(trimBlanks(phrases->candidate(row)), state.PhraseMatchLength));
        showScreen(Screen::Board);
        break;
    case Screen::PhraseList:
        if (phrases->phraseRow(row) == kDiaryRowText) {
            diary->LoadDiaryList();
            setEnabled(true);
            message->focus();
            return;
        }
        refused(message->decidePhrase(trimBlanks(phrases->phraseRow(row))));
        showScreen(Screen::Board);
        break;
    case Screen::Conversion:
        decideConversion(row);
        showScreen(Screen::Board);
        break;
    case Screen::DiaryList:
        diary->openEntry(row);
        break;
    case Screen::History:
        putBackFromHistory(row);
        break;
    default:
        break;
    }
    setEnabled(true);
    message->selectNextIfCaret();
}

} // namespace pelumo

// Switch scanning and dwell on the main window and its dialogs: which table
// the shown screen offers, and the input method as the options set it.
#include "app/OptionsDialog.h"
#include "app/BackupDialog.h"
#include "app/QuestionDialog.h"
#include "app/frmTalk.h"
#include "access/core/PanelOrder.h"
#include "access/core/ScanOrders.h"
#include "widgets/FlashWindow.h"
#include <QApplication>

namespace pelumo {

ScanTable frmTalk::mainScanTable() const
{
    ScanTable table = screenScanTable();
    addConvertKey(table);
    if (m_panelShown) {
        const bool marking = state.screen.shown == Screen::PhraseList;
        table.push_back(panelGroup({quick.phrases(), marking, panel->cmdQuickMark->caption()}));
    }
    return table;
}

ScanTable frmTalk::screenScanTable() const
{
    const ScreenState &s = state.screen;
    switch (s.shown) {
    case Screen::Board: {
        LetterBoardFacts facts;
        facts.cells = board->shownCells();
        facts.kana = state.board.kind != BoardKind::Alphanumeric;
        facts.kindCaption = boardCaption(state.board.kind);
        facts.diaryOpen = s.diaryOpen;
        facts.wide = edit->isWide();
        addPredictions(facts);
        return letterBoardOrder(facts);
    }
    case Screen::Selection: {
        const SelectionCells shown = board->shownSelection();
        SelectionFacts facts;
        facts.cells = shown.cells;
        facts.formLeft = shown.formLeft;
        facts.formRight = shown.formRight;
        facts.spaceJustEntered = state.board.spaceJustEntered;
        return selectionOrder(facts);
    }
    case Screen::Candidates:
    case Screen::Conversion:
    case Screen::PhraseList:
    case Screen::DiaryList:
    case Screen::History:
        return listOrder(commandFacts());
    case Screen::DiaryEntry:
        return diaryEntryOrder(commandFacts());
    }
    return {};
}

CommandFacts frmTalk::commandFacts() const
{
    return {phraseButtonCaption(), phraseKeyShown(), boardCaption(state.board.kind), edit->isWide()};
}

QWidget *frmTalk::workedWindow()
{
    QWidget *front = QApplication::activeModalWidget();
    return front ? front : this;
}

ScanContext frmTalk::scanContext()
{
    QWidget *front = workedWindow();
    if (auto *question = qobject_cast<frmOK *>(front))
        return {question, question->scale(), question->scanTable()};
    if (auto *backup = qobject_cast<frmBackup *>(front))
        return {backup, backup->scale(), backup->scanTable()};
    if (auto *options = qobject_cast<frmOPT *>(front))
        return {options, options->layout.scale().factor(), options->scanTable()};
    if (front == call->flash())   // the whole flash is one target: it ends the call
        return {front, layout.scale().factor(),
                {ScanItem::of(FlashWindow::kText, ScanTarget::control(front->objectName()))}};
    if (front != this)
        return {front, layout.scale().factor(), {}};
    return {this, layout.scale().factor(), mainScanTable()};
}

void frmTalk::ApplyAccess()
{
    const AccessSettings &a = state.Access;
    switches->setMode(a.scanning() ? std::optional(a.method == InputMethod::TwoSwitches ? ScanMode::Step
                                                                                       : ScanMode::Automatic)
                                   : std::nullopt);
    scanning->setSettings(a);
    dwell->setDwellTime(a.dwellTime);
    dwell->setEnabled(a.method == InputMethod::Dwell);
}

// A switch press while the call sounds ends the call and nothing else. A
// switch held for CallHoldTime calls for help, from any screen or dialog
// (the scanner tells the hold, scanning->longHold).
void frmTalk::switchPressed(SwitchId id)
{
    if (call->isCalling()) {
        call->stop();
        return;
    }
    scanning->press(id);
}

void frmTalk::switchReleased(SwitchId id)
{
    scanning->release(id);
}

void frmTalk::scanHighlighted(const QString &name)
{
    if (state.Access.speakItems)
        speech->sayName(spokenName(name));
    else if (state.Access.tick && !speech->isSpeaking())
        services.beeper.beep();
}

} // namespace pelumo

// The wiring table: each control's events to its handler, and what one
// subsystem asks of another.
#include "app/AudioNotice.h"
#include "app/frmTalk.h"

namespace pelumo {

void frmTalk::connectHandlers()
{
    auto click = [this](QAbstractButton *button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    auto hold = [this](QAbstractButton *button, auto down, auto up) {
        connect(button, &QAbstractButton::pressed, this, down);
        connect(button, &QAbstractButton::released, this, up);
    };
    connect(switches, &SwitchInput::pressed, this, &frmTalk::switchPressed);
    connect(switches, &SwitchInput::released, this, &frmTalk::switchReleased);
    connect(scanning, &ScanDriver::highlighted, this, &frmTalk::scanHighlighted);
    connect(scanning, &ScanDriver::longHold, this, [this] { call->start(); });
    click(cmdEnd, [this] { cmdEnd_Click(); });
    click(cmdOpt, [this] { cmdOpt_Click(); });

    click(cmdKey, [this] { board->cmdKey_Click(); });
    connect(grdBoard, &FlexGrid::mouseDown, board, &BoardController::grdBoard_MouseDown);
    connect(grdBoard, &FlexGrid::click, board, &BoardController::grdBoard_Click);
    connect(grdBoard2, &FlexGrid::mouseDown, board, &BoardController::grdBoard2_MouseDown);
    connect(grdBoard2, &FlexGrid::click, board, &BoardController::grdBoard2_Click);
    click(cmdspace, [this] { board->cmdspace_Click(); });
    click(cmdEnd2, [this] { board->cmdEnd2_Click(); });

    for (int i = 0; i < int(cmdRes.size()); ++i)
        hold(cmdRes[i], [this, i] { edit->cmdRes_MouseDown(i); }, [this, i] { edit->cmdRes_MouseUp(i); });
    click(cmdWide, [this] { edit->cmdWide_Click(); });
    click(cmdCopy, [this] { edit->cmdCopy_Click(); });
    click(cmdPaste, [this] { edit->cmdPaste_Click(); });
    for (CommandButton *b : {cmdCopy, cmdPaste})
        hold(b, [b] { b->setBackColor(colors::Grey); }, [b] { b->setBackColor(colors::White); });

    click(cmdRead, [this] { speech->cmdRead_Click(); });

    click(cmdSamp, [this] { cmdSamp_Click(); });
    hold(cmdSamp, [this] { phrases->cmdSamp_MouseDown(); }, [this] { phrases->cmdSamp_MouseUp(); });
    click(cmdSampADD, [this] { phrases->cmdSampADD_Click(message->text()); });
    click(cmdSampDel, [this] { phrases->cmdSampDel_Click(state.ListCursorRow); });
    click(cmdStart, [this] { cmdStart_Click(); });

    connect(grdEx, &FlexGrid::click, lists, &ListKeys::grdEx_Click);
    connect(grdSp, &FlexGrid::click, lists, &ListKeys::grdSp_Click);
    connect(grdDay, &FlexGrid::click, lists, &ListKeys::grdDay_Click);
    connect(grdHis, &FlexGrid::click, lists, &ListKeys::grdHis_Click);
    hold(cmdUp, [this] { lists->cmdUp_MouseDown(); }, [this] { lists->cmdUp_MouseUp(); });
    hold(cmdDown, [this] { lists->cmdDown_MouseDown(); }, [this] { lists->cmdDown_MouseUp(); });
    click(cmdDec, [this] { lists->cmdDec_Click(); });

    click(cmdRevise, [this] { diary->cmdRevise_Click(); });
    click(cmdBack, [this] { diary->cmdBack_Click(); });

    connectAudioNotice(*this);
    call->standInFor(*panel->cmdCall, [this] { return m_panelShown; });
}

void frmTalk::connectSubsystems()
{
    connect(board, &BoardController::keyTouched, this, &frmTalk::beepIfWanted);
    connect(lists, &ListKeys::keyTouched, this, &frmTalk::beepIfWanted);
    connect(speech, &SpeechController::keyTouched, this, &frmTalk::beepIfWanted);

    connect(board, &BoardController::speakKey, speech, &SpeechController::SpeakKey);
    // A full message stays exactly as it was.
    connect(board, &BoardController::entered, message, &MessageArea::InsertBoardText);
    connect(board, &BoardController::entryMade, this,
            [this] { phrases->CheckAutoPhrases(message->text(), message->selStart()); });
    connect(board, &BoardController::entryMade, this, &frmTalk::predictAfterEntry);
    connect(board, &BoardController::spaceEntered, message, &MessageArea::InsertBoardText);
    // A space is an entry too: the phrases likely after the one it ends.
    connect(board, &BoardController::spaceEntered, this, &frmTalk::predictAfterEntry);
    // After ＢＳ, an arrow or a paste the words offered are those for what
    // now stands before the caret: stale ones would only beep.
    connect(edit, &EditController::edited, this, &frmTalk::predictAfterEntry);
    connect(board, &BoardController::screenWanted, this, &frmTalk::showScreen);
    connect(board, &BoardController::touchDone, this, [this](TouchEnd end) {
        if (end == TouchEnd::Focus || (end == TouchEnd::SelectUnlessSelection
                                       && state.screen.shown == Screen::Selection))
            message->focus();
        else
            message->selectNextIfCaret();
    });

    connect(lists, &ListKeys::decided, this, &frmTalk::decide);
    connect(lists, &ListKeys::touchDone, message, &MessageArea::focus);
    connect(phrases, &PhraseCommands::rowHighlighted, lists, &ListKeys::highlight);
    connect(diary, &DiaryCommands::rowHighlighted, lists, &ListKeys::highlight);
    connect(phrases, &PhraseCommands::screenWanted, this, &frmTalk::showScreen);
    connect(diary, &DiaryCommands::screenWanted, this, &frmTalk::showScreen);

    connect(diary, &DiaryCommands::entryOpened, this, [this](const QString &entry) {
        message->setText(entry, int(entry.size()));
        // Light green says the message is a diary entry under revision.
        message->setDiaryLook(true);
        edit->widen();
    });
    connect(diary, &DiaryCommands::revisionStarted, this, [this] {
        edit->SetNarrowLayout();
        message->setDiaryLook(true);
        message->selectLastCharacter();
    });
    connect(diary, &DiaryCommands::entryClosed, this, [this] {
        edit->SetNarrowLayout();
        message->focus();
    });
    connect(diary, &DiaryCommands::diaryEnded, this, [this] {
        message->setDiaryLook(false);
        state.screen.diaryOpen = false;
        showScreen(Screen::Board);
    });

    connect(speech, &SpeechController::readingStarted, edit, &EditController::SetWideLayout);
    connect(speech, &SpeechController::readingStarted, this, [this] {
        rememberSpoken(message->text());
        learnFromMessage(message->text());
    });
    connect(speech, &SpeechController::readingStopped, this, [this] {
        edit->SetWideLayout();
        message->markEndOfReading();
        // While the diary's entry lies under the board the message area stays wide.
        if (!state.screen.diaryOpen || state.screen.shown == Screen::DiaryList)
            edit->SetNarrowLayout();
    });
}

} // namespace pelumo

// Start-up, activation, the exit button and the options button.
#include "app/frmTalk.h"
#include "app/OptionsDialog.h"
#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include "platform/WindowMode.h"
#include <QCoreApplication>
#include "phrasebook/core/DiaryFile.h"
#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace pelumo {

void frmTalk::Form_Load()
{
    // The single-instance check (the first step) is made in main(), before
    // anything is created.
    state.AppDir = resolveAppDir(services.programDir);
    qCDebug(lcStartup) << "AppDir" << state.AppDir;
    LoadOptions();
    setScreenMousePointer(11);
    setWindowTitle(QStringLiteral("Pelumo!  ") + QStringLiteral("Ver 1.2"));
    message->clear();
    const QDir data(state.AppDir);
    phrases->setPath(data.filePath(QStringLiteral("Talk.txt")));
    diary->setPath(data.filePath(kDiaryFileName));
    ApplyTextSize();
    ApplyVoice();
    board->showKind(BoardKind::Hiragana);
    // The phrase book is read right after the window's first paint (see
    // event()), not before it: with a full book that is most of the start-up,
    // and nothing needs it before the first entry. A window that is not
    // painted soon reads it all the same.
    QTimer::singleShot(500, phrases, &PhraseCommands::loadOnce);
    speech->SetUpCharacter();
    loadPanelLists();
    ApplyAccess();
    setScreenMousePointer(0);
}

void frmTalk::Form_Activate()
{
    message->focus();
}

void frmTalk::cmdEnd_Click()
{
    // Nothing is saved here: every file is written by its own command, and
    // the message kept against a crash is let go once the loop has ended
    // (MessageKeeper). A press-and-hold under way ends with the window.
    stopRepeats();
    hide();
    QCoreApplication::exit(0);
}

void frmTalk::cmdOpt_Click()
{
    // Made afresh for every opening, so it starts from what is stored. The
    // guard covers the window going away while the dialog's loop runs.
    QPointer<frmOPT> dialog = new frmOPT(*this);
    dialog->exec();
    delete dialog;
    ApplyAccess();   // the input method as now stored
    placePanel(size());
    message->focus();
}

void frmTalk::showAsConfigured()
{
    // The layout scales with the window, so full screen is the same board
    // drawn larger. Turning the setting off returns to the normal size, and
    // leaves a window the user maximised as it is.
    const QRect normal = normalGeometry();
    if (state.FullScreen)
        showFullScreen();
    else if (isFullScreen())
        showNormal();
    else
        show();
    setPointerHidden(this, state.HidePointer);
    // A touch-screen machine may run the program on a bare X session with no
    // window manager, where nobody acts on the request. Looked at a moment
    // later, when a window manager's own resize has come: a second request
    // while it holds the window full screen would make it drop that state.
    QTimer::singleShot(kWindowManagerGraceMs, this, [this, normal] { sizeForScreenMode(this, normal); });
}

void frmTalk::LoadOptions()
{
    state.setOptions(readOptions([this](const QString &key, const QString &fallback) {
        return services.settings.read(key, fallback);
    }));
}

void frmTalk::ApplyTextSize()
{
    layout.setFontPoints(txtTalk, state.LargeLetters ? 100 : 55);
}

void frmTalk::ApplyVoice()
{
    services.agent.setVoice(state.Voice);
}

} // namespace pelumo

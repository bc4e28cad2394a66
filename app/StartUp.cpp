// Start-up, activation, the exit button and the options button.
#include "app/frmTalk.h"
#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include <QCoreApplication>

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
    txtTalk->setText(QString());
    PressedRow = 0;
    PressedCol = 0;
    ApplyTextSize();
    BuildBoard();
    LoadPhrases();
    BuildPhraseIndex();
    SetUpCharacter();
    setScreenMousePointer(0);
}

void frmTalk::Form_Activate()
{
    txtTalk->setFocus();
}

void frmTalk::cmdEnd_Click()
{
    // Nothing is saved here: every file is written by its own command. The
    // flag ends a press-and-hold loop that may be running underneath.
    m_closing = true;
    ButtonHeld = false;
    hide();
    QCoreApplication::exit(0);
}

void frmTalk::cmdOpt_Click()
{
    txtTalk->setFocus();
}

void frmTalk::LoadOptions()
{
    state.setOptions(readOptions([this](const QString &key, const QString &fallback) {
        return services.settings.read(key, fallback);
    }));
}

void frmTalk::ApplyTextSize()
{
    layout.setFontPoints(txtTalk, optionNumber(state.LargeLetters) == 1 ? 100 : 55);
}

} // namespace pelumo

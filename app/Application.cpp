#include "app/Application.h"
#include "app/MessageKeeper.h"
#include "app/frmTalk.h"
#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "speech/SpeakingAgent.h"
#include "platform/SingleInstance.h"
#include <QApplication>
#include <QIcon>

namespace pelumo {

int runPelumo(int argc, char *argv[], const std::function<void(frmTalk &)> &onShown)
{
    // Before anything asks for a folder, Qt's own start-up included.
    ensureHomeFolder();
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.pelumo.Pelumo")));
    // A second start ends at once, silently, before anything is shown; the
    // running instance is left as it is. Any other trouble with the lock
    // never keeps the program from starting.
    SingleInstance instance(instanceLockPath());
    if (instance.acquire() == SingleInstance::HeldByAnother)
        return 0;
    installFontSubstitutions();

    IniSettingsStore settings(settingsFilePath());
    SystemClock clock;
    SystemBeeper beeper;
    SystemClipboard clipboard;
    auto agent = makeSpeakingAgent(settings.read(QString::fromLatin1(keys::VoiceName.key), {}));
    frmTalk window(Services{settings, clock, beeper, clipboard, *agent,
                            QCoreApplication::applicationDirPath()});
    window.Form_Load();
    MessageKeeper keeper(window, messageRecoveryPath());
    window.showAsConfigured();
    // The message a crash or a logout interrupted is back before the first
    // paint, with its highlight: nothing to ask, the user goes on writing.
    keeper.restore();
    if (onShown)
        onShown(window);
    const int status = app.exec();
    keeper.finish();
    return status;
}

} // namespace pelumo

#include "app/Application.h"
#include "app/frmTalk.h"
#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "platform/SingleInstance.h"
#include <QApplication>
#include <QIcon>

namespace pelumo {

int runPelumo(int argc, char *argv[], const std::function<void(frmTalk &)> &onShown)
{
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.pelumo.Pelumo")));
    // A second start ends at once, silently, before anything is shown; the
    // running instance is left as it is.
    SingleInstance instance(instanceLockPath());
    if (!instance.acquire())
        return 0;
    installFontSubstitutions();

    IniSettingsStore settings(settingsFilePath());
    SystemClock clock;
    SystemBeeper beeper;
    SystemClipboard clipboard;
    SilentAgent agent;
    frmTalk window(Services{settings, clock, beeper, clipboard, agent,
                            QCoreApplication::applicationDirPath()});
    window.Form_Load();
    window.showAsConfigured();
    if (onShown)
        onShown(window);
    return app.exec();
}

} // namespace pelumo

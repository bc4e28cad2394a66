#include "app/frmTalk.h"
#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "platform/SingleInstance.h"
#include <QApplication>

using namespace pelumo;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
    window.show();
    return app.exec();
}

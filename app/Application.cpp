#include "app/Application.h"
#include "app/DailyCopier.h"
#include "backup/core/Restore.h"
#include "platform/Logging.h"
#include "platform/core/TextFile.h"
#include "app/MessageKeeper.h"
#include "app/frmTalk.h"
#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "speech/SpeakingAgent.h"
#include "platform/SingleInstance.h"
#include <QApplication>
#include <QDir>

namespace pelumo {

namespace {

// A restore cut off by a kill or a power cut is finished before any file of
// it is read.
void finishRestore(const QList<DataFile> &data, const QString &dailyRoot)
{
    const RestoreResult restore = finishPendingRestore(data, dailyRoot);
    if (restore.status == RestoreResult::Restored)
        qCWarning(lcBackup) << "finished a restore cut off at the last run";
    else if (restore.status == RestoreResult::Failed)
        qCWarning(lcBackup) << "cannot finish a restore:" << restore.fileName << restore.errorString;
}

// The daily copy's word of every save, for the run.
struct SavesTold {
    explicit SavesTold(DailyCopier &copier)
    {
        setSavedFileHook([&copier](const QString &path) { copier.fileSaved(path); });
    }
    ~SavesTold() { setSavedFileHook({}); }
};

} // namespace

int runPelumo(int argc, char *argv[], const std::function<void(frmTalk &)> &onShown)
{
    // Before anything asks for a folder, Qt's own start-up included.
    ensureHomeFolder();
    QApplication app(argc, argv);
    // A second start ends at once, silently, before anything is shown; the
    // running instance is left as it is. Any other trouble with the lock
    // never keeps the program from starting.
    SingleInstance instance(instanceLockPath());
    if (instance.acquire() == SingleInstance::HeldByAnother)
        return 0;
    installFontSubstitutions();
    const QList<DataFile> data = dataFiles({resolveAppDir(QCoreApplication::applicationDirPath()),
                                            userDataFolder(), settingsFilePath()});
    const QString dailyRoot = QDir(userDataFolder()).filePath(kDailyFolderName);
    finishRestore(data, dailyRoot);

    IniSettingsStore settings(settingsFilePath());
    SystemClock clock;
    SystemBeeper beeper;
    SystemClipboard clipboard;
    auto agent = makeSpeakingAgent(settings.read(QString::fromLatin1(keys::VoiceName.key), {}));
    frmTalk window(Services{settings, clock, beeper, clipboard, *agent,
                            QCoreApplication::applicationDirPath()});
    window.Form_Load();
    DailyCopier copier(data, dailyRoot, [] { return QDateTime::currentDateTime(); });
    SavesTold savesTold(copier);
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

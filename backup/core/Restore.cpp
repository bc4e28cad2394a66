#include "backup/core/Restore.h"
#include "backup/core/DailyCopies.h"
#include "platform/core/TextFile.h"
#include <QDir>

namespace pelumo {

namespace {

QString pathOf(const QList<DataFile> &data, const QString &name)
{
    for (const DataFile &file : data)
        if (file.name == name)
            return file.path;
    return {};
}

} // namespace

QString pendingRestoreFolder(const QString &dailyRoot)
{
    return QDir(dailyRoot).filePath(QStringLiteral(".restore-pending"));
}

RestoreResult finishPendingRestore(const QList<DataFile> &data, const QString &dailyRoot)
{
    RestoreResult result;
    const QString pending = pendingRestoreFolder(dailyRoot);
    result.check = readBackup(pending);
    if (result.check.status != BackupCheck::Ok) {
        result.status = RestoreResult::Refused;
        return result;
    }
    for (const NamedBytes &file : std::as_const(result.check.files)) {
        const QString path = pathOf(data, file.name);
        if (path.isEmpty())
            continue;
        QDir().mkpath(QFileInfo(path).absolutePath());
        result.errorString = writeFileBytes(path, file.bytes);
        if (!result.errorString.isEmpty()) {
            result.fileName = file.name;
            return result;
        }
    }
    QDir(pending).removeRecursively();
    result.status = RestoreResult::Restored;
    result.counts = result.check.counts;
    return result;
}

RestoreResult restoreFiles(const QList<NamedBytes> &files, const QList<DataFile> &data,
                           const QString &dailyRoot, const QDateTime &now)
{
    RestoreResult result;
    result.write = makeCopyBeforeChange(data, dailyRoot, now);
    if (result.write.status != BackupWrite::Written) {
        result.status = RestoreResult::CopyBeforeFailed;
        return result;
    }
    const QString pending = pendingRestoreFolder(dailyRoot);
    QDir(pending).removeRecursively();
    const BackupWrite staged = writeBackupFolder(files, pending, now);
    if (staged.status != BackupWrite::Written || staged.folder != pending) {
        result.write = staged;
        result.status = RestoreResult::CopyBeforeFailed;
        return result;
    }
    return finishPendingRestore(data, dailyRoot);
}

RestoreResult restoreBackup(const QString &backup, const QList<DataFile> &data,
                            const QString &dailyRoot, const QDateTime &now)
{
    const BackupCheck check = readBackup(backup);
    if (check.status != BackupCheck::Ok) {
        RestoreResult result;
        result.status = RestoreResult::Refused;
        result.check = check;
        return result;
    }
    return restoreFiles(check.files, data, dailyRoot, now);
}

} // namespace pelumo

#include "backup/core/BackupPlaces.h"
#include <QDir>

namespace pelumo {

QStringList driveRoots(const QString &user)
{
    const QString standIn = qEnvironmentVariable("PELUMO_DRIVE_ROOT");
    if (!standIn.isEmpty())
        return {standIn};
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}

namespace {

QStringList drivesUnder(const QString &root)
{
    QStringList drives;
    const QDir dir(root);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        drives.append(dir.filePath(name));
    return drives;
}

} // namespace

QString firstDrive(const QStringList &roots)
{
    for (const QString &root : roots)
        if (const QStringList drives = drivesUnder(root); !drives.isEmpty())
            return drives.first();
    return {};
}

QString homeBackupFolder(const QString &home)
{
    return QDir(home).filePath(QStringLiteral("Pelumo-backups"));
}

QStringList backupSearchFolders(const QStringList &roots, const QString &home,
                                const QString &dailyRoot)
{
    QStringList folders;
    for (const QString &root : roots)
        folders += drivesUnder(root);
    folders << homeBackupFolder(home) << dailyRoot;
    return folders;
}

} // namespace pelumo

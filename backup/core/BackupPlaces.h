#pragma once
// Where backups are written and looked for: the first removable drive
// mounted for the user, the home folder's Pelumo-backups, the daily copies.
#include <QString>
#include <QStringList>

namespace pelumo {

// /media/<user> and /run/media/<user>, where the desktop mounts a USB stick;
// PELUMO_DRIVE_ROOT, when set, stands in for both (a test's folder).
QStringList driveRoots(const QString &user);

// The first drive mounted under the roots (by name, in the roots' order),
// or nothing.
QString firstDrive(const QStringList &roots);

// ~/Pelumo-backups, for a machine with no drive in it.
QString homeBackupFolder(const QString &home);

// Every place a backup may be: the drives' own folders, the home folder's
// and the daily copies'.
QStringList backupSearchFolders(const QStringList &roots, const QString &home,
                                const QString &dailyRoot);

} // namespace pelumo

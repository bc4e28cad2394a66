#pragma once
// Putting a backup's files in place of the data, so that no moment of it can
// cost data:
//  1. the backup is read and checked whole (refused on any mismatch);
//  2. the data as it is now is copied beside the daily copies;
//  3. the backup's files are written, as a backup, into backups/.restore-pending;
//  4. each data file is replaced by a new file renamed over it;
//  5. the pending folder goes.
// Interrupted before 3 ends, the data is as it was; after, the next start
// finishes the restore from the pending folder (finishPendingRestore), so
// the data is then the backup's set whole.
#include "backup/core/BackupRead.h"
#include "backup/core/BackupWrite.h"
#include <QDateTime>
#include <QList>
#include <QString>

namespace pelumo {

struct RestoreResult {
    enum Status {
        Restored,
        Refused,            // the backup failed its check: see check
        CopyBeforeFailed,   // the copy of the data as it was could not be made: see write
        Failed,             // a data file could not be replaced: fileName, errorString
    };
    Status status = Failed;
    BackupCheck check;
    BackupWrite write;
    QString fileName;
    QString errorString;
    BackupCounts counts;   // of what is now in place, when Restored
};

// The folder under the daily copies' root where a restore under way lies.
QString pendingRestoreFolder(const QString &dailyRoot);

RestoreResult restoreBackup(const QString &backup, const QList<DataFile> &data,
                            const QString &dailyRoot, const QDateTime &now);
// The same for files that are not a backup of ours (an older installation's).
RestoreResult restoreFiles(const QList<NamedBytes> &files, const QList<DataFile> &data,
                           const QString &dailyRoot, const QDateTime &now);

// At start-up, before anything is read: a restore that was interrupted is
// finished. Restored when one was, Refused when there was none.
RestoreResult finishPendingRestore(const QList<DataFile> &data, const QString &dailyRoot);

} // namespace pelumo

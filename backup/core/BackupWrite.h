#pragma once
// Writing a backup: nothing half-written. The files go into a hidden folder
// beside the backup's (".<name>.partial"), each read back and compared, then
// manifest.txt, and only then is the folder renamed to its name. A backup
// interrupted at any moment leaves no folder of that name, only the hidden
// one, which no list shows and the next backup of the same name removes.
#include "backup/core/BackupFiles.h"
#include <QDateTime>
#include <QList>
#include <QString>

namespace pelumo {

struct BackupWrite {
    enum Status { Written, NoSpace, ReadOnly, SourceUnreadable, Failed };
    Status status = Failed;
    QString folder;        // the backup's folder as made (a free name), when Written
    QString fileName;      // the file that could not be read or written
    QString errorString;   // the system's words, for the log
    BackupCounts counts;   // of what was written
};

// The data files as they are now; a file that does not exist is left out.
struct DataRead {
    QList<NamedBytes> files;
    QString failedName;   // a file that exists but could not be read
    QString errorString;
};
DataRead readDataFiles(const QList<DataFile> &files);

// Into `folder`, or the first free "<folder>-2", "<folder>-3", …
BackupWrite writeBackupFolder(const QList<NamedBytes> &files, const QString &folder,
                              const QDateTime &made);
// The data files as they are now, read and written as above.
BackupWrite writeBackup(const QList<DataFile> &files, const QString &folder,
                        const QDateTime &made);

} // namespace pelumo

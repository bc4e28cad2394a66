#pragma once
// The daily copies in the user's data folder: backups/YYYY-MM-DD/, one a day,
// made at the first save of the day, the last 14 kept.
#include "backup/core/BackupWrite.h"
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace pelumo {

inline constexpr int kDailyCopiesKept = 14;

struct DailyCopy {
    enum Status { Made, AlreadyThere, Failed };
    Status status = Failed;
    BackupWrite write;
    QStringList removed;   // the oldest copies let go, by folder name
};

// Today's copy, unless one is there; then the oldest beyond `keep` go.
DailyCopy makeDailyCopy(const QList<DataFile> &files, const QString &root, const QDateTime &now,
                        int keep = kDailyCopiesKept);

// A copy made at any moment, beside the daily ones and counted with them
// ("2026-12-09-084512"): the data as it was before a restore.
BackupWrite makeCopyBeforeChange(const QList<DataFile> &files, const QString &root,
                                 const QDateTime &now, int keep = kDailyCopiesKept);

} // namespace pelumo

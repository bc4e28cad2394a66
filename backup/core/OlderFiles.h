#pragma once
// Taking in an older installation's Talk.txt and day.txt (Shift_JIS, from a
// USB stick): 置き換え puts them in place as they are; 追加 merges them into
// ours. A merge adds the phrases the book does not hold yet and the diary
// days it has none of; a day both hold keeps ours and is reported. Our
// lines keep their bytes; the lines added are written in our file's
// encoding, as the program writes them.
#include "backup/core/BackupFiles.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace pelumo {

// A folder with a Talk.txt or a day.txt and no manifest: an older
// installation's, not a backup of ours.
bool holdsOlderFiles(const QString &folder);
// Its Talk.txt and day.txt, byte for byte (those it holds).
QList<NamedBytes> readOlderFiles(const QString &folder);

struct OlderMerge {
    enum Status { Merged, NeedsOtherEncoding };
    Status status = Merged;
    BackupCounts before, after;
    QStringList keptDays;      // dates both diaries hold with other texts: ours kept
    QList<NamedBytes> files;   // our Talk.txt and day.txt as merged
};

// `ours` and `theirs` by name ("Talk.txt", "day.txt"). NeedsOtherEncoding
// when our file's encoding cannot hold a line to add: nothing is merged.
OlderMerge mergeOlderFiles(const QList<NamedBytes> &ours, const QList<NamedBytes> &theirs);

} // namespace pelumo

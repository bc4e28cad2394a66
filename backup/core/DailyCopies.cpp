#include "backup/core/DailyCopies.h"
#include <QDir>
#include <QRegularExpression>

namespace pelumo {

namespace {

// The copies in the folder, oldest first: their names sort as their times.
QStringList copiesIn(const QString &root)
{
    static const QRegularExpression dated(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}(-\\d{6})?$"));
    QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.removeIf([](const QString &name) { return !dated.match(name).hasMatch(); });
    return names;
}

QStringList pruneCopies(const QString &root, int keep)
{
    QStringList removed;
    QStringList names = copiesIn(root);
    while (names.size() > keep) {
        const QString oldest = names.takeFirst();
        if (QDir(QDir(root).filePath(oldest)).removeRecursively())
            removed.append(oldest);
    }
    return removed;
}

} // namespace

DailyCopy makeDailyCopy(const QList<DataFile> &files, const QString &root, const QDateTime &now,
                        int keep)
{
    DailyCopy copy;
    const QString folder = QDir(root).filePath(dailyFolderName(now.date()));
    if (QFileInfo::exists(QDir(folder).filePath(kManifestName))) {
        copy.status = DailyCopy::AlreadyThere;
        return copy;
    }
    // A folder of today's name without a manifest is no copy: made again.
    QDir(folder).removeRecursively();
    copy.write = writeBackup(files, folder, now);
    if (copy.write.status != BackupWrite::Written)
        return copy;
    copy.status = DailyCopy::Made;
    copy.removed = pruneCopies(root, keep);
    return copy;
}

BackupWrite makeCopyBeforeChange(const QList<DataFile> &files, const QString &root,
                                 const QDateTime &now, int keep)
{
    const QString name = dailyFolderName(now.date()) + now.toString(QStringLiteral("-HHmmss"));
    BackupWrite write = writeBackup(files, QDir(root).filePath(name), now);
    if (write.status == BackupWrite::Written)
        pruneCopies(root, keep);
    return write;
}

} // namespace pelumo

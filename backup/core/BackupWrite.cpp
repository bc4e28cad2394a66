#include "backup/core/BackupWrite.h"
#include "backup/core/Manifest.h"
#include "platform/core/TextFile.h"
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <fcntl.h>
#include <unistd.h>

namespace pelumo {

namespace {

// Data files are far below this; a Talk.ini over it is no settings file.
constexpr qint64 kMaxDataFileBytes = kMaxLineFileBytes;

QString freeFolder(const QString &folder)
{
    QString name = folder;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = folder + QStringLiteral("-%1").arg(n);
    return name;
}

// The rename is on the drive before the backup is called written.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

BackupWrite failed(const QString &partial, BackupWrite::Status status, const QString &name,
                   const QString &error)
{
    QDir(partial).removeRecursively();
    BackupWrite result;
    result.status = status;
    result.fileName = name;
    result.errorString = error;
    return result;
}

// A write the drive refused for want of room, or because it is read-only.
BackupWrite::Status statusOf(const QString &parent, const QString &error, qint64 needed)
{
    const QStorageInfo drive(parent);
    if (drive.isReadOnly() || error.contains(QLatin1String("Read-only")))
        return BackupWrite::ReadOnly;
    if (error.contains(QLatin1String("No space")) || drive.bytesAvailable() < needed)
        return BackupWrite::NoSpace;
    return BackupWrite::Failed;
}

QString writeAndCompare(const QString &path, const QByteArray &bytes)
{
    const QString error = writeFileBytes(path, bytes);
    if (!error.isEmpty())
        return error;
    const FileBytes back = readRegularFile(path, kMaxDataFileBytes);
    if (back.status != FileBytes::Ok)
        return back.errorString.isEmpty() ? QStringLiteral("cannot read back") : back.errorString;
    return back.bytes == bytes ? QString() : QStringLiteral("read back different bytes");
}

} // namespace

DataRead readDataFiles(const QList<DataFile> &files)
{
    DataRead read;
    for (const DataFile &file : files) {
        const FileBytes bytes = readRegularFile(file.path, kMaxDataFileBytes);
        if (bytes.status == FileBytes::Missing)
            continue;
        if (bytes.status != FileBytes::Ok) {
            read.failedName = file.name;
            read.errorString = bytes.errorString;
            return read;
        }
        read.files.append({file.name, bytes.bytes});
    }
    return read;
}

BackupWrite writeBackupFolder(const QList<NamedBytes> &files, const QString &folder,
                              const QDateTime &made)
{
    const QFileInfo target(folder);
    const QString parent = target.absolutePath();
    const QString partial = QDir(parent).filePath(QLatin1Char('.') + target.fileName()
                                                  + QStringLiteral(".partial"));
    QDir(partial).removeRecursively();
    qint64 needed = 0;
    for (const NamedBytes &file : files)
        needed += file.bytes.size();
    if (!QDir().mkpath(partial))
        return failed(partial, statusOf(parent, QString(), needed), QString(),
                      QStringLiteral("cannot make %1").arg(partial));
    Manifest manifest{programVersion(), made, {}};
    for (const NamedBytes &file : files) {
        const QString error = writeAndCompare(QDir(partial).filePath(file.name), file.bytes);
        if (!error.isEmpty())
            return failed(partial, statusOf(parent, error, needed), file.name, error);
        manifest.files.append(manifestEntry(file));
    }
    const QString error = writeAndCompare(QDir(partial).filePath(kManifestName), manifestText(manifest));
    if (!error.isEmpty())
        return failed(partial, statusOf(parent, error, needed), kManifestName, error);
    BackupWrite result;
    result.folder = freeFolder(folder);
    if (!QDir().rename(partial, result.folder))
        return failed(partial, BackupWrite::Failed, QString(),
                      QStringLiteral("cannot rename %1 to %2").arg(partial, result.folder));
    syncFolder(parent);
    result.status = BackupWrite::Written;
    result.counts = countsOf(files);
    return result;
}

BackupWrite writeBackup(const QList<DataFile> &files, const QString &folder, const QDateTime &made)
{
    const DataRead read = readDataFiles(files);
    if (!read.failedName.isEmpty()) {
        BackupWrite result;
        result.status = BackupWrite::SourceUnreadable;
        result.fileName = read.failedName;
        result.errorString = read.errorString;
        return result;
    }
    return writeBackupFolder(read.files, folder, made);
}

} // namespace pelumo

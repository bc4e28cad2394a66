#include "backup/core/BackupRead.h"
#include "platform/core/TextFile.h"
#include <QDir>
#include <algorithm>

namespace pelumo {

namespace {

constexpr qint64 kMaxManifestBytes = 64 * 1024;

bool matches(const ManifestEntry &entry, const FileBytes &file)
{
    return file.status == FileBytes::Ok && manifestEntry({entry.name, file.bytes}) == entry;
}

} // namespace

BackupCheck readBackup(const QString &folder)
{
    BackupCheck check;
    check.folder = folder;
    const QDir dir(folder);
    const FileBytes text = readRegularFile(dir.filePath(kManifestName), kMaxManifestBytes);
    if (text.status != FileBytes::Ok)
        return check;
    const std::optional<Manifest> manifest = parseManifest(text.bytes);
    if (!manifest) {
        check.status = BackupCheck::BadManifest;
        return check;
    }
    check.manifest = *manifest;
    if (isNewerVersion(manifest->version, programVersion())) {
        check.status = BackupCheck::Newer;
        return check;
    }
    for (const ManifestEntry &entry : manifest->files) {
        const FileBytes file = readRegularFile(dir.filePath(entry.name), entry.size + 1);
        if (!matches(entry, file)) {
            check.status = BackupCheck::Mismatch;
            check.fileName = entry.name;
            check.files.clear();
            return check;
        }
        check.files.append({entry.name, file.bytes});
    }
    check.status = BackupCheck::Ok;
    check.counts = countsOf(check.files);
    return check;
}

QList<BackupCheck> listBackups(const QStringList &roots)
{
    QList<BackupCheck> found;
    for (const QString &root : roots) {
        const QDir dir(root);
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            BackupCheck check = readBackup(dir.filePath(name));
            if (check.status == BackupCheck::NoManifest)
                continue;
            check.files.clear();
            found.append(std::move(check));
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const BackupCheck &a, const BackupCheck &b) {
        return a.manifest.made > b.manifest.made;
    });
    return found;
}

} // namespace pelumo

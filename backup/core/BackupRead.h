#pragma once
// Reading a backup back: its manifest, and every file it names checked
// against its size and SHA-256. A backup is taken whole or not at all.
#include "backup/core/BackupFiles.h"
#include "backup/core/Manifest.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace pelumo {

struct BackupCheck {
    enum Status {
        Ok,
        NoManifest,   // not a backup, or one cut off before its manifest
        BadManifest,  // a manifest.txt that is not one of ours
        Mismatch,     // a file missing, or not what the manifest says: fileName names it
        Newer,        // made by a newer version of the program
    };
    Status status = NoManifest;
    QString folder;
    QString fileName;
    Manifest manifest;
    BackupCounts counts;
    QList<NamedBytes> files;   // the checked bytes, when Ok
};

BackupCheck readBackup(const QString &folder);

// The backups in the folders given (each folder's own subfolders), newest
// first by the time their manifests give. Hidden folders (a backup being
// written) are not looked at; one that fails its check is listed with its
// status, without its bytes.
QList<BackupCheck> listBackups(const QStringList &roots);

} // namespace pelumo

#pragma once
// manifest.txt, the last file written into a backup: the program's version,
// when the backup was made, and each file's size and SHA-256.
//
//   Pelumo backup
//   version 1.2
//   made 2026-12-09T08:45:00
//   file 5d41402abc4b2a76b9719d911017c592… 1234 Talk.txt
//
// A file's name is the rest of its line: a plain name, never a path.
#include "backup/core/BackupFiles.h"
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace pelumo {

struct ManifestEntry {
    QString name;
    qint64 size = 0;
    QByteArray sha256;   // in lower-case hex
    friend bool operator==(const ManifestEntry &, const ManifestEntry &) = default;
};

struct Manifest {
    QString version;
    QDateTime made;
    QList<ManifestEntry> files;
    friend bool operator==(const Manifest &, const Manifest &) = default;
};

ManifestEntry manifestEntry(const NamedBytes &file);
QByteArray manifestText(const Manifest &manifest);
// Nothing when the text is not a manifest of ours in every line.
std::optional<Manifest> parseManifest(const QByteArray &text);

// True when a manifest's version is newer than this program's.
bool isNewerVersion(const QString &version, const QString &ours);

} // namespace pelumo

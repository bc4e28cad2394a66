#pragma once
// The user's data files: the set every backup holds, each under its own name
// in a backup's folder, and the names the folders of backups take.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace pelumo {

inline const QString kManifestName = QStringLiteral("manifest.txt");
inline const QString kDailyFolderName = QStringLiteral("backups");

// A data file: its name in a backup, and where it lives.
struct DataFile {
    QString name;
    QString path;
};

struct DataFolders {
    QString appDir;         // Talk.txt and day.txt
    QString userData;       // our own files
    QString settingsFile;   // Talk.ini
};

// Talk.txt, day.txt, history.txt, quick.txt and Talk.ini: a file the program
// keeps for the user belongs here, under a name of its own.
QList<DataFile> dataFiles(const DataFolders &folders);

// A file's name and bytes, as read or as to be written.
struct NamedBytes {
    QString name;
    QByteArray bytes;
};

// What a backup holds for the user: phrases (the diary's placeholder line is
// none) and diary days, from the bytes of Talk.txt and day.txt.
struct BackupCounts {
    int phrases = 0;
    int diaryDays = 0;
    friend bool operator==(const BackupCounts &, const BackupCounts &) = default;
};
BackupCounts countsOf(const QList<NamedBytes> &files);

// The version this program writes into its manifests.
QString programVersion();

// "Pelumo-20261209-0845" on a drive; "2026-12-09" for a daily copy.
QString driveFolderName(const QDateTime &made);
QString dailyFolderName(const QDate &day);

} // namespace pelumo

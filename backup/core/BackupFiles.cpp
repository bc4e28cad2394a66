#include "backup/core/BackupFiles.h"
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/TextFile.h"
#include <QDir>

namespace pelumo {

QList<DataFile> dataFiles(const DataFolders &folders)
{
    const QDir app(folders.appDir), own(folders.userData);
    return {
        {QStringLiteral("Talk.txt"), app.filePath(QStringLiteral("Talk.txt"))},
        {kDiaryFileName, app.filePath(kDiaryFileName)},
        {QStringLiteral("history.txt"), own.filePath(QStringLiteral("history.txt"))},
        {QStringLiteral("quick.txt"), own.filePath(QStringLiteral("quick.txt"))},
        {QStringLiteral("Talk.ini"), folders.settingsFile},
    };
}

namespace {

QStringList linesOf(const QList<NamedBytes> &files, const QString &name)
{
    for (const NamedBytes &file : files)
        if (file.name == name)
            return decodeTextLines(file.bytes).lines;
    return {};
}

} // namespace

BackupCounts countsOf(const QList<NamedBytes> &files)
{
    BackupCounts counts;
    for (const QString &phrase : parsePhraseLines(linesOf(files, QStringLiteral("Talk.txt"))).phrases)
        counts.phrases += isPlaceholderRow(phrase) ? 0 : 1;
    DiaryEntry entry;
    for (const QString &line : linesOf(files, kDiaryFileName))
        counts.diaryDays += parseDiaryLine(line, entry) ? 1 : 0;
    return counts;
}

QString programVersion()
{
    return QStringLiteral(PELUMO_VERSION);
}

QString driveFolderName(const QDateTime &made)
{
    return QStringLiteral("Pelumo-") + made.toString(QStringLiteral("yyyyMMdd-HHmm"));
}

QString dailyFolderName(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

} // namespace pelumo

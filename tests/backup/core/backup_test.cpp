// Backups through their public face: written, read back, listed, restored.
#include "backup/core/BackupRead.h"
#include "backup/core/BackupWrite.h"
#include "backup/core/DailyCopies.h"
#include "backup/core/Restore.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;
using namespace pelumo::test;

namespace {

using Files = QMap<QString, QByteArray>;

// A Shift_JIS phrase book with half-width kana (ｱｲｳ), a damaged line (a
// lead byte with no trail) and the diary's placeholder; a UTF-8 diary with 😀.
Files olderUsersFiles()
{
    return {
        {"Talk.txt", shiftJis("\"ああああ日記ダミー消さないでね！\"\r\n\"ｱｲｳｴｵ\"\r\n") + "\"\x82\r\n"
                         + shiftJis("\"おはよう\"\r\n")},
        {"day.txt", QByteArray("\"26.12.08 きょうは😀\"\r\n\"26.12.09 はれ\"\r\n")},
        {"Talk.ini", QByteArray("[OPT]\r\nTextSize=3\r\n")},
    };
}

struct DataPlace {
    QTemporaryDir dir;
    QList<DataFile> files() const
    {
        return dataFiles({dir.filePath("app"), dir.filePath("own"), dir.filePath("config/Talk.ini")});
    }
    QString daily() const { return dir.filePath("own/backups"); }
    void put(const Files &content) const
    {
        for (const DataFile &file : files()) {
            QFile::remove(file.path);
            if (content.contains(file.name)) {
                QDir().mkpath(QFileInfo(file.path).absolutePath());
                writeBytes(file.path, content[file.name]);
            }
        }
    }
    Files read() const
    {
        Files out;
        for (const DataFile &file : files())
            if (QFileInfo::exists(file.path))
                out[file.name] = readBytes(file.path);
        return out;
    }
};

const QDateTime kMade(QDate(2026, 12, 9), QTime(8, 45));

} // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    // Every byte survives 保存 → 復元, whatever the encoding; the counts are
    // the user's phrases (not the placeholder) and diary days.
    void roundTrip_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<int>("phrases");
        QTest::addColumn<int>("days");
        QTest::newRow("older user's files") << olderUsersFiles() << 3 << 2;
        QTest::newRow("only a phrase book") << Files{{"Talk.txt", quotedLines({"a", "b"})}} << 2 << 0;
        QTest::newRow("empty files") << Files{{"Talk.txt", {}}, {"day.txt", {}}} << 0 << 0;
    }
    void roundTrip()
    {
        QFETCH(Files, files);
        DataPlace source, target;
        source.put(files);
        const BackupWrite written =
            writeBackup(source.files(), source.dir.filePath("STICK/" + driveFolderName(kMade)), kMade);
        QCOMPARE(written.status, BackupWrite::Written);
        QCOMPARE(QFileInfo(written.folder).fileName(), QString("Pelumo-20261209-0845"));
        target.put({{"Talk.txt", quotedLines({"ちがう"})}});
        const RestoreResult restored = restoreBackup(written.folder, target.files(), target.daily(), kMade);
        QCOMPARE(restored.status, RestoreResult::Restored);
        QCOMPARE(target.read(), files);
        QFETCH(int, phrases);
        QFETCH(int, days);
        QCOMPARE(restored.counts, (BackupCounts{phrases, days}));
        QCOMPARE(written.counts, restored.counts);
        // The data as it was is kept beside the daily copies.
        const QList<BackupCheck> before = listBackups({target.daily()});
        QCOMPARE(before.size(), 1);
        QCOMPARE(before[0].counts.phrases, 1);
        QVERIFY(!QFileInfo::exists(pendingRestoreFolder(target.daily())));
    }

    // A backup that is not whole, not ours or newer is refused, naming the
    // file, and the data stays as it was.
    void refused_data()
    {
        QTest::addColumn<QString>("tamper");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("a byte changed") << "Talk.txt=x" << int(BackupCheck::Mismatch) << "Talk.txt";
        QTest::newRow("a file gone") << "day.txt=" << int(BackupCheck::Mismatch) << "day.txt";
        QTest::newRow("a file grown") << "Talk.ini+" << int(BackupCheck::Mismatch) << "Talk.ini";
        QTest::newRow("newer version") << "version 9.0" << int(BackupCheck::Newer) << "";
        QTest::newRow("manifest garbled") << "garble" << int(BackupCheck::BadManifest) << "";
        QTest::newRow("a path in the manifest") << "path" << int(BackupCheck::BadManifest) << "";
        QTest::newRow("no manifest") << "nomanifest" << int(BackupCheck::NoManifest) << "";
    }
    void refused()
    {
        QFETCH(QString, tamper);
        DataPlace source, target;
        source.put(olderUsersFiles());
        const QString folder = writeBackup(source.files(), source.dir.filePath("b"), kMade).folder;
        const QDir dir(folder);
        QByteArray manifest = readBytes(dir.filePath(kManifestName));
        if (tamper == "Talk.txt=x") {
            QByteArray bytes = readBytes(dir.filePath("Talk.txt"));
            bytes[3] = 'x';
            writeBytes(dir.filePath("Talk.txt"), bytes);
        } else if (tamper == "day.txt=")
            QFile::remove(dir.filePath("day.txt"));
        else if (tamper == "Talk.ini+")
            writeBytes(dir.filePath("Talk.ini"), readBytes(dir.filePath("Talk.ini")) + "\n");
        else if (tamper == "version 9.0")
            writeBytes(dir.filePath(kManifestName), manifest.replace("version " + programVersion().toUtf8(), "version 9.0"));
        else if (tamper == "garble")
            writeBytes(dir.filePath(kManifestName), manifest.replace("made ", "mode "));
        else if (tamper == "path")
            writeBytes(dir.filePath(kManifestName), manifest.replace(" Talk.ini", " ../Talk.ini"));
        else
            QFile::remove(dir.filePath(kManifestName));
        target.put({{"Talk.txt", quotedLines({"いま"})}});
        const RestoreResult result = restoreBackup(folder, target.files(), target.daily(), kMade);
        QCOMPARE(result.status, RestoreResult::Refused);
        QTEST(int(result.check.status), "status");
        QTEST(result.check.fileName, "fileName");
        QCOMPARE(target.read(), (Files{{"Talk.txt", quotedLines({"いま"})}}));
        QVERIFY(!QFileInfo::exists(target.daily()));
    }

    // A backup the drive cannot take leaves nothing of it there.
    void failedWrite_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("status");
        QTest::newRow("full") << int(FileFault::NoSpace) << int(BackupWrite::NoSpace);
        QTest::newRow("short write") << int(FileFault::ShortWrite) << int(BackupWrite::Failed);
    }
    void failedWrite()
    {
        QFETCH(int, fault);
        FaultsOff off;
        DataPlace source;
        source.put(olderUsersFiles());
        setFileFaultHook([&](FileOperation op, const QString &path) {
            return op == FileOperation::Write && path.endsWith("day.txt") ? FileFault(fault)
                                                                           : FileFault::None;
        });
        const BackupWrite written = writeBackup(source.files(), source.dir.filePath("STICK/b"), kMade);
        QTEST(int(written.status), "status");
        QCOMPARE(written.fileName, QString("day.txt"));
        QCOMPARE(QDir(source.dir.filePath("STICK")).entryList(QDir::AllEntries | QDir::Hidden
                                                              | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // One copy a day, the last 14 kept; listed newest first, a backup cut
    // off before its manifest not at all.
    void dailyCopies()
    {
        DataPlace data;
        data.put(olderUsersFiles());
        for (int day = 1; day <= 20; ++day) {
            const QDateTime now(QDate(2026, 11, day), QTime(9, 0));
            QCOMPARE(makeDailyCopy(data.files(), data.daily(), now).status, DailyCopy::Made);
            QCOMPARE(makeDailyCopy(data.files(), data.daily(), now.addSecs(60)).status,
                     DailyCopy::AlreadyThere);
        }
        QDir(data.daily()).mkpath(".2026-11-21.partial");
        QDir(data.daily()).mkpath("2026-11-22");
        const QList<BackupCheck> listed = listBackups({data.daily()});
        QCOMPARE(listed.size(), 14);
        QCOMPARE(listed.first().manifest.made.date(), QDate(2026, 11, 20));
        QCOMPARE(listed.last().manifest.made.date(), QDate(2026, 11, 7));
        QCOMPARE(listed.first().counts, (BackupCounts{3, 2}));
    }

    // A restore cut off after its files were staged is finished at the next
    // start; without one there is nothing to finish.
    void pendingRestoreFinished()
    {
        DataPlace data;
        data.put({{"Talk.txt", quotedLines({"まえ"})}, {"day.txt", "\"26.01.01 x\"\r\n"}});
        QCOMPARE(finishPendingRestore(data.files(), data.daily()).status, RestoreResult::Refused);
        QList<NamedBytes> staged;
        const Files wanted = olderUsersFiles();
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            staged.append({it.key(), it.value()});
        QVERIFY(writeBackupFolder(staged, pendingRestoreFolder(data.daily()), kMade).status
                == BackupWrite::Written);
        QCOMPARE(finishPendingRestore(data.files(), data.daily()).status, RestoreResult::Restored);
        QCOMPARE(data.read(), wanted);
        QVERIFY(!QFileInfo::exists(pendingRestoreFolder(data.daily())));
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "backup_test.moc"

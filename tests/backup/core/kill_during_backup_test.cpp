// 保存 and 復元 cut short by SIGKILL: a child process makes a backup, or
// restores one, and is killed at a random moment of it. Afterwards the drive
// holds a complete backup or none, and (once the next start has finished
// what it finds) the data is the old set or the new one, whole. PELUMO_KILLS
// sets the kills a row (30 by default).
#include "backup/core/BackupRead.h"
#include "backup/core/Restore.h"
#include "support/LineFiles.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace pelumo;
using namespace pelumo::test;

namespace {

using Files = QMap<QString, QByteArray>;
const QDateTime kMade(QDate(2026, 12, 9), QTime(9, 30));

QList<DataFile> filesIn(const QString &root)
{
    return dataFiles({root + "/app", root + "/own", root + "/config/Talk.ini"});
}
QString dailyIn(const QString &root) { return root + "/own/backups"; }

// Large enough that the work takes a while: a set of files, A or B.
Files version(char which)
{
    QByteArray talk, day;
    for (int i = 0; i < 40000; ++i) {
        talk += shiftJis(QStringLiteral("\"%1 ｱﾘｶﾞﾄｳ ありがとう%2\"\r\n").arg(which).arg(i).toUtf8());
        day += QStringLiteral("\"%1.01.01 %2 さんぽ😀\"\r\n").arg(i % 100, 2, 10, QChar('0'))
                   .arg(which).toUtf8();
    }
    return {{"Talk.txt", talk}, {"day.txt", day}, {"Talk.ini", QByteArray("[OPT]\r\nX=") + which}};
}

void put(const QString &root, const Files &content)
{
    for (const DataFile &file : filesIn(root))
        if (content.contains(file.name)) {
            QDir().mkpath(QFileInfo(file.path).absolutePath());
            writeBytes(file.path, content[file.name]);
        }
}

Files read(const QString &root)
{
    Files out;
    for (const DataFile &file : filesIn(root))
        if (QFileInfo::exists(file.path))
            out[file.name] = readBytes(file.path);
    return out;
}

int runChild(const QString &what, const QString &from, const QString &to)
{
    fputs("ready\n", stdout), fflush(stdout);
    if (what == "save")
        return writeBackup(filesIn(from), to + "/Pelumo-20261209-0930", kMade).status
            == BackupWrite::Written ? 0 : 1;
    return restoreBackup(from, filesIn(to), dailyIn(to), kMade).status
        == RestoreResult::Restored ? 0 : 1;
}

int killsPerRow()
{
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("PELUMO_KILLS", &ok);
    return ok && kills > 0 ? kills : 30;
}

// Runs the child, killed `afterUs` after it is ready (never, when negative);
// the microseconds it ran.
qint64 runKilled(const QStringList &args, qint64 afterUs)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
    if (!child.waitForReadyRead(10000))
        return -1;
    QElapsedTimer timer;
    timer.start();
    if (afterUs >= 0) {
        QThread::usleep(afterUs);
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    child.waitForFinished(30000);
    return timer.nsecsElapsed() / 1000;
}

} // namespace

class KillDuringBackupTest : public QObject {
    Q_OBJECT
private slots:
    void killedBackupLeavesAllOrNothing()
    {
        QTemporaryDir dir;
        put(dir.path(), version('A'));
        const QString stick = dir.filePath("STICK");
        const QStringList args{"save", dir.path(), stick};
        const qint64 whole = runKilled(args, -1);
        QVERIFY(whole > 0);
        QRandomGenerator random(20261209);
        int complete = 0;
        for (int k = 0; k < killsPerRow(); ++k) {
            QDir(stick).removeRecursively();
            runKilled(args, random.bounded(whole));
            const QStringList made = QDir(stick).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QVERIFY2(made.size() <= 1, qPrintable(made.join(' ')));
            if (made.isEmpty())
                continue;
            const BackupCheck check = readBackup(QDir(stick).filePath(made.first()));
            QVERIFY2(check.status == BackupCheck::Ok, qPrintable(QString::number(k)));
            QCOMPARE(check.files.size(), 3);
            ++complete;
        }
        QCOMPARE(read(dir.path()), version('A'));
        qInfo("backup of %lld us: %d kills, %d left a complete backup, the others none",
              whole, killsPerRow(), complete);
    }

    void killedRestoreLeavesOneSetWhole()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source"), data = dir.filePath("data");
        put(source, version('B'));
        const QString backup = writeBackup(filesIn(source), dir.filePath("STICK/b"), kMade).folder;
        put(data, version('A'));
        const QStringList args{"restore", backup, data};
        const qint64 whole = runKilled(args, -1);
        QVERIFY(whole > 0);
        QCOMPARE(read(data), version('B'));
        QRandomGenerator random(20261210);
        int restored = 0, finished = 0;
        for (int k = 0; k < killsPerRow(); ++k) {
            QDir(data).removeRecursively();
            put(data, version('A'));
            runKilled(args, random.bounded(whole));
            // The next start finishes a restore cut off after its files were staged.
            finished += finishPendingRestore(filesIn(data), dailyIn(data)).status
                == RestoreResult::Restored ? 1 : 0;
            const Files now = read(data);
            QVERIFY2(now == version('A') || now == version('B'), qPrintable(QString::number(k)));
            restored += now == version('B') ? 1 : 0;
            for (const BackupCheck &copy : listBackups({dailyIn(data)}))
                QCOMPARE(copy.status, BackupCheck::Ok);
        }
        qInfo("restore of %lld us: %d kills, %d left the new set (%d of them finished at the next "
              "start), the others the old", whole, killsPerRow(), restored, finished);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QString::fromLocal8Bit(argv[4]));
    KillDuringBackupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kill_during_backup_test.moc"

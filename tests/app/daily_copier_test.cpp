// The daily copy: started by the first save of a day, off the saving thread,
// tried again after a failure.
#include "app/DailyCopier.h"
#include "backup/core/BackupRead.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;
using namespace pelumo::test;

class DailyCopierTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: the saves of a run, "day:file" or "day:file!" for a save
    // whose copy the disk refuses; then the copies there at the end.
    void saves_data()
    {
        QTest::addColumn<QStringList>("saves");
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("first save of the day") << QStringList{"1:Talk.txt"} << QStringList{"2026-12-01"};
        QTest::newRow("once a day") << QStringList{"1:Talk.txt", "1:day.txt", "1:Talk.txt"}
                                    << QStringList{"2026-12-01"};
        QTest::newRow("next day") << QStringList{"1:day.txt", "2:quick.txt"}
                                  << QStringList{"2026-12-01", "2026-12-02"};
        QTest::newRow("not a data file") << QStringList{"1:message.json"} << QStringList{};
        QTest::newRow("failed, tried again") << QStringList{"1:Talk.txt!", "1:Talk.txt"}
                                             << QStringList{"2026-12-01"};
    }
    void saves()
    {
        QFETCH(QStringList, saves);
        FaultsOff off;
        QTemporaryDir dir;
        const QList<DataFile> files = dataFiles({dir.path(), dir.path(), dir.filePath("Talk.ini")});
        writeBytes(dir.filePath("Talk.txt"), quotedLines({"あ"}));
        QDateTime now;
        DailyCopier copier(files, dir.filePath("backups"), [&now] { return now; });
        QSignalSpy finished(&copier, &DailyCopier::copyFinished);
        for (const QString &save : saves) {
            const bool refused = save.endsWith('!');
            now = QDateTime(QDate(2026, 12, save.section(':', 0, 0).toInt()), QTime(9, 0));
            setFileFaultHook([refused](FileOperation op, const QString &path) {
                return refused && op == FileOperation::Write && path.contains("backups")
                    ? FileFault::NoSpace : FileFault::None;
            });
            const int before = finished.size();
            copier.fileSaved(dir.filePath(save.section(':', 1).remove('!')));
            QTest::qWait(1);   // the queued start
            copier.waitForCopy();
            QCoreApplication::processEvents();
            if (finished.size() > before)
                QCOMPARE(finished.last().at(0).toBool(), !refused);
        }
        QStringList copies;
        for (const BackupCheck &check : listBackups({dir.filePath("backups")}))
            copies.prepend(QFileInfo(check.folder).fileName());
        QTEST(copies, "copies");
    }

    // A line file's save tells the hook, on the thread that saved.
    void lineFileSaveTold()
    {
        QTemporaryDir dir;
        QStringList told;
        setSavedFileHook([&told](const QString &path) { told.append(path); });
        writeTextLines(dir.filePath("Talk.txt"), {"\"あ\""}, TextEncoding::ShiftJis);
        setSavedFileHook({});
        QCOMPARE(told, QStringList{dir.filePath("Talk.txt")});
    }
};

QTEST_MAIN(DailyCopierTest)
#include "daily_copier_test.moc"

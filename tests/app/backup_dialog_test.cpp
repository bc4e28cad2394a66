// 保存と復元 through the window: a backup to a stand-in USB drive, the list
// of backups, a phrase deleted by mistake brought back from the daily copy.
#include "app/BackupDialog.h"
#include "app/QuestionDialog.h"
#include "backup/core/DailyCopies.h"
#include "backup/core/BackupNotices.h"
#include "platform/AppPaths.h"
#include "support/LineFiles.h"
#include "support/TestWindow.h"
#include <QSignalSpy>

using namespace pelumo;
using namespace pelumo::test;

namespace {

// Until the dialog's work is done and its notice answered.
void waitForWork(frmBackup &dialog)
{
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isWorking(), 10000);
}

// Answers the questions and notices (frmOK) shown while it lives, in turn:
// 0 the affirmative button, 1 the negative; after the list, 0. Keeps what
// each one said.
class Answers : public QObject {
public:
    explicit Answers(QList<int> answers = {}) : m_answers(answers) { startTimer(2); }
    QStringList prompts;

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *dialog = qobject_cast<frmOK *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_answering)
            return;
        m_answering = dialog;
        prompts << dialog->lblOK->text();
        const int index = m_answers.isEmpty() ? 0 : m_answers.takeFirst();
        QMetaObject::invokeMethod(this, [dialog = QPointer<frmOK>(dialog), index] {
            if (dialog)
                QTest::mouseClick(dialog->cmdOK[index], Qt::LeftButton);
        }, Qt::QueuedConnection);
    }

private:
    QList<int> m_answers;
    QPointer<QWidget> m_answering;
};

struct Places {
    QTemporaryDir dir;
    Places()
    {
        qputenv("HOME", dir.path().toUtf8());
        qputenv("PELUMO_DRIVE_ROOT", dir.filePath("media").toUtf8());
    }
    ~Places() { qunsetenv("PELUMO_DRIVE_ROOT"); }
};

} // namespace

class BackupDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: whether a drive is in, the answer to the question when there
    // is none; the notice, and where the backup went.
    void save_data()
    {
        QTest::addColumn<bool>("drive");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("folder");
        QTest::newRow("to the drive") << true << 0 << "保存しました（例文 2 件、日記 0 日）" << "media/STICK";
        QTest::newRow("no drive, home") << false << 0 << "保存しました（例文 2 件、日記 0 日）" << "Pelumo-backups";
        QTest::newRow("no drive, not home") << false << 1 << "" << "";
    }
    void save()
    {
        QFETCH(bool, drive);
        QFETCH(int, answer);
        QFETCH(QString, folder);
        Places places;
        if (drive)
            QDir().mkpath(places.dir.filePath("media/STICK"));
        TestWindow w;
        w.putPhrases({"おはよう", "ありがとう"});
        w.start();
        frmBackup dialog(*w, w.window.get());
        dialog.show();
        waitForWork(dialog);
        Answers answers({answer});
        TestWindow::tap(dialog.cmdSave);
        waitForWork(dialog);
        if (!drive)
            QCOMPARE(answers.prompts.takeFirst(), kNoDriveQuestion);
        QFETCH(QString, notice);
        QCOMPARE(answers.prompts.value(0), notice);
        if (folder.isEmpty())
            return;
        const QStringList made = QDir(places.dir.filePath(folder)).entryList({"Pelumo-*"}, QDir::Dirs);
        QCOMPARE(made.size(), 1);
        // The list shows it first, with its counts.
        QVERIFY2(dialog.rowCaptions().value(0).contains("例文 2 件、日記 0 日"),
                 qPrintable(dialog.rowCaptions().join('|')));
    }

    // A phrase deleted by mistake comes back from the daily copy, and the
    // window shows it again; the list is worked as a switch user works it.
    void phraseBackFromDailyCopy()
    {
        Places places;
        TestWindow w;
        w.putPhrases({"おはよう", "ありがとう"});
        w.start();
        const QList<DataFile> data = dataFiles({w->state.AppDir, userDataFolder(), settingsFilePath()});
        const QString daily = QDir(userDataFolder()).filePath(kDailyFolderName);
        QCOMPARE(makeDailyCopy(data, daily, QDateTime(QDate(2026, 12, 8), QTime(9, 0))).status,
                 DailyCopy::Made);
        {
            Answers yes;
            w->phrases->cmdSampDel_Click(w->phrases->book().rows().indexOf("おはよう"));
        }
        QVERIFY(!w->phrases->book().phrases().contains("おはよう"));

        frmBackup dialog(*w, w.window.get());
        dialog.show();
        waitForWork(dialog);
        QCOMPARE(dialog.rowCaptions().size(), 1);
        QVERIFY(dialog.rowCaptions()[0].contains("毎日の保存"));
        // Every button shown is in the scan, the rows in a group of their own.
        const ScanTable table = dialog.scanTable();
        QCOMPARE(table.size(), std::size_t(3));
        QCOMPARE(table[0].items.at(0).target.id, QString("cmdRow0"));
        QCOMPARE(table[1].target.id, QString("cmdSave"));

        Answers yes;
        TestWindow::tap(dialog.cmdRow[0]);
        waitForWork(dialog);
        QCOMPARE(yes.prompts.value(0), kRestoreQuestion);
        QCOMPARE(yes.prompts.value(1), QString("元に戻しました（例文 2 件、日記 0 日）"));
        QVERIFY(dialog.restored());
        QVERIFY(w->phrases->book().phrases().contains("おはよう"));
        // The data as it was before is kept among the daily copies.
        QCOMPARE(QDir(daily).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
    }

    // An older installation's folder on the drive is in the list; 追加 adds
    // what is new and tells the counts and the day kept, 置き換え takes its
    // files as they are.
    void takeIn_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QStringList>("phrases");
        QTest::newRow("追加") << QList<int>{0}
            << "取り込みました。\n例文 2 件 → 3 件、日記 1 日 → 2 日\n両方にある日（26.12.01）は、今の日記のままです。"
            << QStringList{"おはよう", "ありがとう", "ｶｻ"};
        QTest::newRow("置き換え") << QList<int>{1, 0} << "置き換えました（例文 2 件、日記 2 日）"
                                  << QStringList{"ありがとう", "ｶｻ"};
        QTest::newRow("neither") << QList<int>{1, 1} << "" << QStringList{"おはよう", "ありがとう"};
    }
    void takeIn()
    {
        QFETCH(QList<int>, answers);
        Places places;
        const QDir older(places.dir.filePath("media/STICK/TALK"));
        QDir().mkpath(older.path());
        writeBytes(older.filePath("Talk.txt"), shiftJis("\"ああああ日記ダミー消さないでね！\"\r\n\"ありがとう\"\r\n\"ｶｻ\"\r\n"));
        writeBytes(older.filePath("day.txt"), shiftJis("\"26.12.01 はれ\"\r\n\"26.12.02 くもり\"\r\n"));
        TestWindow w;
        w.putPhrases({"おはよう", "ありがとう"});
        writeBytes(w.dir.filePath("program/day.txt"), "\"26.12.01 あめ\"\r\n");
        w.start();
        frmBackup dialog(*w, w.window.get());
        dialog.show();
        waitForWork(dialog);
        QCOMPARE(dialog.rowCaptions(), QStringList{"古いソフトのファイル（TALK）"});
        Answers given(answers);
        TestWindow::tap(dialog.cmdRow[0]);
        waitForWork(dialog);
        QFETCH(QString, notice);
        QCOMPARE(given.prompts.value(answers.size()), notice);
        QTEST(w->phrases->book().phrases().mid(1), "phrases");   // after the diary's placeholder
    }
};

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_test.moc"

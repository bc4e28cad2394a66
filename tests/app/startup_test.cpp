#include "support/TestWindow.h"
#include <QDeadlineTimer>
#include <QProcess>
#include <QFontInfo>
#include <QSysInfo>

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {

// A home for a child process of the built program: its own runtime, config
// and data folders in a temporary directory, the offscreen platform.
struct ChildHome {
    ChildHome()
    {
        for (const char *var : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            env.insert(var, dir.filePath(var));
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "pelumo.startup.debug=true");
    }
    QString runtime() const { return dir.filePath("XDG_RUNTIME_DIR"); }
    QString lock() const { return runtime() + "/pelumo.lock"; }
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

// The first line of a lock file: the pid of the process holding it.
qint64 lockOwner(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed().toLongLong() : -1;
}

// Waits until the child is past its start-up checks and loading its window
// (its start-up log names the data folder), reading its log into `log`.
// False when it ended or took 10 s.
bool startsUp(QProcess &child, QByteArray &log)
{
    QDeadlineTimer deadline(10000);
    while (!log.contains("AppDir") && child.state() == QProcess::Running && !deadline.hasExpired()) {
        QTest::qWait(10);
        log += child.readAllStandardError();
    }
    return log.contains("AppDir") && child.state() == QProcess::Running;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreStartsWithDefaults()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCOMPARE(f.windowTitle(), QString("Pelumo!  Ver 1.2"));
        QCOMPARE(f.state.FirstScreenMode, FirstPressMode::Selection);
        QCOMPARE(f.state.AutoPhrases, true);
        QCOMPARE(f.state.BoardLastColumn, 9);
        QCOMPARE(f.state.PhraseMatchLength, 2);
        QCOMPARE(f.cmdKey->caption(), QString("ひら"));
        QCOMPARE(f.grdBoard->rows(), 5);
        QCOMPARE(f.grdBoard->cols(), 10);
        QCOMPARE(f.grdBoard->colWidth(0), 1530);
        QCOMPARE(f.grdBoard->textMatrix(0, 9), QString("あ"));
        QCOMPARE(f.grdBoard->textMatrix(4, 0), QString("、"));
        QCOMPARE(f.layout.fontPoints(f.txtTalk), 55.0);
        QCOMPARE(f.txtTalk->text(), QString());
        QCOMPARE(screenMousePointer(), 0);
        QVERIFY(f.grdBoard->isVisible());
        QVERIFY(f.fraRes->isVisible());
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 f.grdSp, f.grdEx, f.grdDay, f.fraSet, f.fraTalk, f.fraDay, f.cmdSampDel, f.txtHide})
            QVERIFY(!hidden->isVisible());
        QVERIFY(QFileInfo(f.state.AppDir).isDir());
        QVERIFY(f.state.AppDir.startsWith(w.dir.path()));
    }

    void storedOptionsShapeTheBoardAndText_data()
    {
        QTest::addColumn<QString>("gMaxC");
        QTest::addColumn<QString>("moji");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("colWidth");
        QTest::addColumn<double>("points");
        QTest::newRow("gMaxC 10 is the standard board") << "10" << "0" << 10 << 1530 << 55.0;
        QTest::newRow("gMaxC 14 adds voiced columns") << "14" << "0" << 15 << 1013 << 55.0;
        QTest::newRow("large letters") << "9" << "1" << 10 << 1530 << 100.0;
    }
    void storedOptionsShapeTheBoardAndText()
    {
        QFETCH(QString, gMaxC);
        QFETCH(QString, moji);
        TestWindow w({{"gMaxC", gMaxC}, {"Moji", moji}});
        frmTalk &f = w.start();
        QTEST(f.grdBoard->cols(), "cols");
        QTEST(f.grdBoard->colWidth(0), "colWidth");
        QTEST(f.layout.fontPoints(f.txtTalk), "points");
        QCOMPARE(f.grdBoard->textMatrix(0, f.grdBoard->cols() - 1), QString("あ"));
    }

    void boardKindButtonCycles()
    {
        TestWindow w({{"gMaxC", "14"}});
        frmTalk &f = w.start();
        f.grdBoard->setRow(2);
        f.grdBoard->setCol(3);
        f.grdBoard->setCellBackColor(colors::LightGreen);
        TestWindow::tap(f.cmdKey);
        QCOMPARE(f.cmdKey->caption(), QString("カタ"));
        QCOMPARE(f.grdBoard->textMatrix(0, 14), QString("ア"));
        QCOMPARE(f.grdBoard->cellBackColor(2, 3), colors::White);
        TestWindow::tap(f.cmdKey);
        QCOMPARE(f.cmdKey->caption(), QString("英数"));
        QCOMPARE(f.grdBoard->textMatrix(0, 0), QString("1"));
        QCOMPARE(f.grdBoard->textMatrix(0, 12), QString());
        QCOMPARE(f.grdBoard->cellAlignment(0, 12), int(FlexGrid::AlignCenterBottom));
        TestWindow::tap(f.cmdKey);
        QCOMPARE(f.cmdKey->caption(), QString("ひら"));
        QCOMPARE(f.grdBoard->textMatrix(0, 4), QString("が"));
    }

    void layoutFollowsTheWindowAtOneScale()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCOMPARE(f.size(), QSize(1018, 741));
        QCOMPARE(f.grdBoard->geometry(), QRect(0, 160, 1023, 381));
        QCOMPARE(f.cmdKey->geometry(), QRect(858, 666, 153, 71));
        QCOMPARE(f.formHeight(), 11115 + 405);
        QCOMPARE(f.txtTalk->font().pixelSize(), 73);   // 55 pt at 96 dpi
        // Twice as wide but only 1.5 times as high: the height sets the scale.
        f.resize(2036, 1111);
        QCOMPARE(f.layout.scale().factor(), 1111 / 741.0);
        QCOMPARE(f.grdBoard->geometry().top(), qRound(2400 * 1111 / 741.0 / 15));
        QCOMPARE(f.txtTalk->font().pixelSize(), qRound(55 * 20 * 1111 / 741.0 / 15));
        // Taller than wide: the width sets the scale and the form is taller.
        f.resize(1018, 1000);
        QCOMPARE(f.layout.scale().factor(), 1.0);
        QCOMPARE(f.formHeight(), 15000 + 405);
    }

    void gothicFacesAreSubstituted()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCOMPARE(QFontInfo(f.txtTalk->font()).family(), QString("IPAGothic"));
        QCOMPARE(QFontInfo(f.cmdSamp->font()).family(), QString("IPAPGothic"));
    }

    void secondInstanceExitsSilently()
    {
        const QString program = qEnvironmentVariable("PELUMO_PROGRAM");
        if (program.isEmpty())
            QSKIP("PELUMO_PROGRAM not set");
        ChildHome home;
        QProcess first, second;
        first.setProcessEnvironment(home.env);
        second.setProcessEnvironment(home.env);
        first.start(program);
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.lock()), 5000);
        second.start(program);
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();   // a crash leaves a stale lock behind
        first.waitForFinished();
        QProcess third;
        third.setProcessEnvironment(home.env);
        third.start(program);
        QVERIFY(third.waitForStarted());
        QByteArray log;
        QVERIFY2(startsUp(third, log), log.constData());   // the stale lock did not stop it
        third.kill();
        third.waitForFinished();
    }

    // Only a running instance may keep the program from starting. A lock it
    // cannot read or make sense of is stale; one it cannot make at all means
    // it runs without one, and says so in the log. (A runtime folder of the
    // wrong mode is no test: Qt then falls back to one of its own.)
    void aBadLockNeverKeepsItFromStarting_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("lockTaken");
        QTest::newRow("empty lock file") << "empty" << true;
        QTest::newRow("garbage lock file") << "garbage" << true;
        QTest::newRow("another machine's lock") << "foreign" << true;
        QTest::newRow("a running process's lock it does not hold") << "unheld" << true;
        QTest::newRow("unreadable lock file") << "unreadable" << true;
        QTest::newRow("a folder in the lock's place") << "folder" << false;
        QTest::newRow("no runtime folder can be made") << "nowhere" << false;
    }
    void aBadLockNeverKeepsItFromStarting()
    {
        QFETCH(QString, state);
        QFETCH(bool, lockTaken);
        const QString program = qEnvironmentVariable("PELUMO_PROGRAM");
        if (program.isEmpty())
            QSKIP("PELUMO_PROGRAM not set");
        ChildHome home;
        auto writeLock = [&home](const QByteArray &bytes) {
            QFile f(home.lock());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        if (state == "empty")
            writeLock({});
        else if (state == "garbage" || state == "unreadable")
            writeLock("\x01\x02 not a lock\n\xff\n");
        else if (state == "foreign")
            writeLock("4242\npelumo\nelsewhere.invalid\n");
        else if (state == "unheld")   // names this test, which runs but holds no lock
            writeLock(QString("%1\n%2\n%3\n").arg(QCoreApplication::applicationPid())
                          .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                               QSysInfo::machineHostName()).toUtf8());
        else if (state == "folder")
            QVERIFY(QDir().mkpath(home.lock()));
        if (state == "unreadable")
            QFile::setPermissions(home.lock(), {});
        if (state == "nowhere") {
            // No runtime folder, and the temporary folder is a file.
            home.env.remove("XDG_RUNTIME_DIR");
            QFile blocker(home.dir.filePath("tmp-is-a-file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            home.env.insert("TMPDIR", blocker.fileName());
        }
        QProcess child;
        child.setProcessEnvironment(home.env);
        child.start(program);
        QVERIFY(child.waitForStarted());
        if (lockTaken)
            QTRY_COMPARE_WITH_TIMEOUT(lockOwner(home.lock()), child.processId(), 10000);
        QByteArray log;
        const bool started = startsUp(child, log);
        child.kill();
        child.waitForFinished();
        QVERIFY2(started, log.constData());
        QCOMPARE(log.contains("running without"), !lockTaken);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

// The message in progress survives a kill: a child process runs the real
// program (runPelumo, as main() does), writes a message on the board, and is
// killed with SIGKILL; the next start shows the message with its highlight.
// After the user's own ending (終了, the close box) nothing comes back.
//
// The children are this test program started again with "--child <mode>".
#include "app/Application.h"
#include "app/MessageKeeper.h"
#include "platform/AppPaths.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>

using namespace pelumo;
using namespace pelumo::test;

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

// One tap of an editing key on the real clock: the release comes during the
// pause after the first step, so exactly one step is made.
void tapEditKey(frmTalk &w, int index)
{
    QTimer::singleShot(50, &w, [&w, index] { QTest::mouseRelease(w.cmdRes[index], Qt::LeftButton); });
    QTest::mousePress(w.cmdRes[index], Qt::LeftButton);
}

// あいう on the board, ← once (the highlight onto う, active end on the left),
// and the wide layout.
void writeMessage(frmTalk &w)
{
    for (int row = 0; row < 3; ++row)
        TestWindow::press(w.grdBoard, row, 9);
    tapEditKey(w, 2);
    TestWindow::tap(w.cmdWide);
}

void report(frmTalk &w)
{
    const QJsonObject o{{"text", w.txtTalk->text()},
                        {"anchor", w.txtTalk->anchor()},
                        {"position", w.txtTalk->activeEnd()},
                        {"wide", w.cmdWide->caption()}};
    std::printf("%s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// The user's own ending, once the message has been kept: so that the ending
// has a kept message to let go.
void endOnceKept(frmTalk &w, const QByteArray &mode)
{
    if (!QFile::exists(messageRecoveryPath())) {
        QTimer::singleShot(20, &w, [&w, mode] { endOnceKept(w, mode); });
        return;
    }
    if (mode == "end")
        TestWindow::tap(w.cmdEnd);
    else
        w.close();
}

// What the message was at the start, then one kana of the あ column (the
// row given) entered and shown: the change painted before it is reported.
void stepOnce(frmTalk &w, int row)
{
    report(w);
    TestWindow::press(w.grdBoard, row, 9);
    w.txtTalk->viewport()->repaint();
    report(w);
}

// What each child does once its window is shown.
int runChild(int argc, char *argv[])
{
    const QByteArray mode = argv[2];
    const int row = argc > 3 ? QByteArray(argv[3]).toInt() : 0;
    return runPelumo(argc, argv, [mode, row](frmTalk &w) {
        QTimer::singleShot(0, &w, [&w, mode, row] {
            if (mode == "step") {
                stepOnce(w, row);
                return;   // runs until killed
            }
            if (mode == "report") {
                report(w);
                return;   // runs until killed
            }
            writeMessage(w);
            if (mode == "end" || mode == "close")
                endOnceKept(w, mode);
            else
                report(w);
        });
    });
}

class Home {
public:
    Home()
    {
        for (const char *var : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            env.insert(var, dir.filePath(var));
        QDir().mkpath(dir.filePath("XDG_RUNTIME_DIR"));
        QFile::setPermissions(dir.filePath("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // One press enters a character; no key is spoken, so that a machine
        // without sound shows no notice in the middle of the writing.
        QDir().mkpath(dir.filePath("XDG_CONFIG_HOME/Talk"));
        QFile ini(dir.filePath("XDG_CONFIG_HOME/Talk/Talk.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[OPT]\nOPT1=2\nOPT3=3\n");
    }
    QString keptPath() const { return dir.filePath("XDG_STATE_HOME/Talk/message.json"); }
    SavedMessage kept() const { return readSavedMessage(keptPath()).message; }

    // Starts a child in `mode`; returns its first line of output, or "" when
    // it wrote none in time.
    QJsonObject start(QProcess &child, const QString &mode, const QStringList &more = {})
    {
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList{"--child", mode} + more);
        if (!child.waitForStarted())
            return {};
        return nextLine(child);
    }
    static QJsonObject nextLine(QProcess &child)
    {
        QElapsedTimer waited;
        waited.start();
        while (!child.canReadLine() && child.state() == QProcess::Running && waited.elapsed() < 20000)
            child.waitForReadyRead(200);
        return QJsonDocument::fromJson(child.readLine()).object();
    }

    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

const SavedMessage kWritten{u("あいう_"), 3, 2, true};
// Kills at random moments after a change was seen; each costs a start of the
// program, several times slower under the sanitizers, which run fewer.
int kills() { return qEnvironmentVariableIsSet("ASAN_OPTIONS") ? 15 : 100; }

} // namespace

class MessageRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void comesBackAfterSigkill()
    {
        Home home;
        QProcess first;
        const QJsonObject typed = home.start(first, "type");
        QCOMPARE(typed.value("text").toString(), kWritten.text);
        QTRY_COMPARE_WITH_TIMEOUT(home.kept(), kWritten, 10000);
        first.kill();   // SIGKILL: nothing of ours runs any more
        QVERIFY(first.waitForFinished());

        QProcess second;
        const QJsonObject shown = home.start(second, "report");
        second.kill();
        second.waitForFinished();
        QCOMPARE(shown.value("text").toString(), kWritten.text);
        QCOMPARE(shown.value("anchor").toInt(), 3);
        QCOMPARE(shown.value("position").toInt(), 2);   // the highlight on う
        QCOMPARE(shown.value("wide").toString(), u("狭める"));
    }

    // Faults: a change seen on the screen but written only later, so that a
    // kill in between takes it; a message that comes back cut or changed.
    void aKillAtAnyMomentTakesNothingSeen()
    {
        Home home;
        QString expected;
        const int count = kills();
        for (int kill = 0; kill < count; ++kill) {
            QProcess child;
            const QJsonObject restored = home.start(child, "step", {QString::number(kill % 5)});
            QCOMPARE(restored.value("text").toString(), expected);
            const QJsonObject typed = Home::nextLine(child);
            QVERIFY(typed.value("text").toString().size() > expected.size());
            QTest::qSleep(QRandomGenerator::global()->bounded(301));
            child.kill();
            QVERIFY(child.waitForFinished());
            expected = typed.value("text").toString();
        }
        QCOMPARE(expected.size(), count + 1);   // each kana and the end marker
    }

    void nothingComesBackAfterTheUsersOwnEnding_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("終了") << "end";
        QTest::newRow("the close box") << "close";
    }
    void nothingComesBackAfterTheUsersOwnEnding()
    {
        QFETCH(QString, mode);
        Home home;
        QProcess first;
        home.start(first, mode);
        QVERIFY(first.state() == QProcess::NotRunning || first.waitForFinished(20000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFile::exists(home.keptPath()));

        QProcess second;
        const QJsonObject shown = home.start(second, "report");
        second.kill();
        second.waitForFinished();
        QVERIFY(shown.contains("text"));   // it started and showed its window
        QCOMPARE(shown.value("text").toString(), QString());
        QCOMPARE(shown.value("wide").toString(), u("広げる"));
    }

    // What a damaged file may hold is the core test's; here: the program
    // starts over it, with an empty message.
    void aDamagedFileIsIgnored()
    {
        const QByteArray bytes("\x00\xff{{not json", 12);
        Home home;
        QDir().mkpath(QFileInfo(home.keptPath()).path());
        QFile file(home.keptPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QProcess child;
        const QJsonObject shown = home.start(child, "report");
        child.kill();
        child.waitForFinished();
        QVERIFY(shown.contains("text"));   // it started and showed its window
        QCOMPARE(shown.value("text").toString(), QString());
    }

    // A logout closes the window too, after the session manager has asked
    // the program to save: that close keeps the message.
    void aCloseAtLogoutKeepsTheMessage()
    {
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        const QString path = w.dir.filePath("state/message.json");
        MessageKeeper keeper(f, path);
        TestWindow::press(f.grdBoard, 0, 9);
        keeper.sessionEnding();
        QCOMPARE(readSavedMessage(path).message.text, u("あ_"));
        f.close();
        keeper.finish();
        QCOMPARE(readSavedMessage(path).message.text, u("あ_"));

        // Writing on after a save the session asked for: the session goes
        // on, and a close is the user's own ending again.
        f.show();
        TestWindow::press(f.grdBoard, 1, 9);
        f.close();
        keeper.finish();
        QVERIFY(!QFile::exists(path));
    }
};

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    MessageRecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "message_recovery_test.moc"

// Real failures of the disk, not simulated ones: a full disk and a read-only
// folder (small tmpfs mounts, skipped where this machine does not allow
// mounting) and a data folder that vanishes while the program runs.
#include "support/TestWindow.h"
#include <QDir>
#include <QProcess>

using namespace pelumo;
using namespace pelumo::test;

namespace {

const QByteArray kBook = "\"" + QString("ありがとう").toUtf8() + "\"\r\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A tmpfs of its own at a folder, gone again with the object.
struct SmallDisk {
    explicit SmallDisk(const QString &at) : path(at)
    {
        QDir().mkpath(at);
        mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", at}) == 0;
    }
    bool remountReadOnly()
    {
        return QProcess::execute("mount", {"-o", "remount,ro", path}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute("umount", {"-l", path});
    }
    QString path;
    bool mounted = false;
};

// Adds a phrase and checks the promise: the file as it was, one notice, the
// message still there, and the window still working.
void addFailsSafely(TestWindow &w, const QString &book, const QByteArray &before)
{
    frmTalk &f = *w;
    f.txtTalk->setText(QStringLiteral("おはよう_"));
    QuestionAnswerer answers;
    TestWindow::tap(f.cmdSampADD);
    QCOMPARE(answers.prompts.size(), 1);
    QVERIFY2(answers.prompts[0].contains("できません"), qPrintable(answers.prompts[0]));
    QCOMPARE(readAll(book), before);
    QCOMPARE(f.txtTalk->text(), QStringLiteral("おはよう_"));
    // Where the file itself is gone, showing the list tells that too.
    TestWindow::tap(f.cmdSamp);
    QVERIFY(f.grdEx->isVisible());
}

} // namespace

class RealFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void fullDisk()
    {
        TestWindow w;
        SmallDisk disk(w.dir.filePath("program"));
        if (!disk.mounted)
            QSKIP("cannot mount a tmpfs here (needs root and CAP_SYS_ADMIN)");
        const QString book = disk.path + "/Talk.txt";
        QVERIFY(writeAll(book, kBook));
        QFile filler(disk.path + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
        filler.close();
        w.start();
        const QByteArray before = readAll(book);
        addFailsSafely(w, book, before);
    }

    void readOnlyFolder()
    {
        TestWindow w;
        SmallDisk disk(w.dir.filePath("program"));
        if (!disk.mounted)
            QSKIP("cannot mount a tmpfs here (needs root and CAP_SYS_ADMIN)");
        const QString book = disk.path + "/Talk.txt";
        QVERIFY(writeAll(book, kBook));
        w.start();
        const QByteArray before = readAll(book);
        QVERIFY(disk.remountReadOnly());
        addFailsSafely(w, book, before);
    }

    void folderVanishesWhileRunning()
    {
        TestWindow w;
        w.start();
        QVERIFY(QDir(w->state.AppDir).removeRecursively());
        addFailsSafely(w, QDir(w->state.AppDir).filePath("Talk.txt"), "(missing)");
    }
};

QTEST_MAIN(RealFaultsTest)
#include "real_faults_test.moc"

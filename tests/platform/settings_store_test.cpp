// The settings file never holds up the start: a Talk.ini that is a FIFO, a
// link to /dev/zero or far too large is left untouched, every option reads as
// its default, and a choice is kept for the run only. Each case runs in a
// child process, so that a store that blocks fails the test instead of
// hanging it.
#include "platform/SettingsStore.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace pelumo;

namespace {

void putInPlace(const QString &thing, const QString &path)
{
    if (thing == "fifo")
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (thing == "zero")
        QFile::link("/dev/zero", path);
    else if (QFile huge(path); huge.open(QIODevice::WriteOnly))
        huge.write("[OPT]\nOPT1=2\n" + QByteArray(IniSettingsStore::kMaxBytes, '#'));
}

// The child: reads and writes an option through the store and says what
// came back. Nothing is written through the link to /dev/zero: run as root,
// a store that wrongly wrote there would put a plain file in the device's
// place for the whole machine.
int useStoreOn(const QString &thing, const QString &path)
{
    putInPlace(thing, path);
    IniSettingsStore store(path);
    const QString before = store.read("OPT1", "0");
    if (thing == "zero") {
        std::printf("read %s\n", qPrintable(before));
        return 0;
    }
    const bool written = store.write("OPT1", "3");
    std::printf("read %s written %d after %s\n", qPrintable(before), int(written),
                qPrintable(store.read("OPT1", "0")));
    return 0;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void notAPlainFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("thing");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("over a mebibyte") << "huge";
    }
    void notAPlainFileIsLeftAlone()
    {
        QFETCH(QString, thing);
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.ini");
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--use-store-on", thing, path});
        if (!child.waitForFinished(30000)) {
            child.kill();
            child.waitForFinished();
            QFAIL("the store did not get past the file within 30 seconds");
        }
        // The default, a choice that holds for the run, and no write to the file.
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()),
                 QString(thing == "zero" ? "read 0\n" : "read 0 written 0 after 3\n"));
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(S_ISFIFO(info.st_mode), thing == "fifo");
        QCOMPARE(S_ISLNK(info.st_mode), thing == "zero");
    }

    void aPlainFileIsReadAndWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.ini");
        {
            IniSettingsStore store(path);
            QVERIFY(store.write("OPT1", "2"));
        }
        IniSettingsStore again(path);
        QCOMPARE(again.read("OPT1", "0"), QString("2"));
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--use-store-on") == 0)
        return useStoreOn(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_test.moc"

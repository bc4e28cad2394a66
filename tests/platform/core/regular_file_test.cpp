// Whatever stands at the name of a line file, reading it returns at once:
// what is not a regular file is refused without being opened in a way that
// can block, and what is too large is refused before it is read. A watchdog
// fails the test instead of letting a blocked read hang it.
#include "platform/core/TextFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <sys/stat.h>
#include <thread>

using namespace pelumo;

Q_DECLARE_METATYPE(TextFileContent::Status)

namespace {

class Watchdog {
public:
    explicit Watchdog(int seconds)
        : m_thread([this, seconds] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_finished; }))
                  qFatal("a file read did not return within %d seconds", seconds);
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// What is put at the name "Talk.txt" in a fresh folder.
enum class Thing { Nothing, Folder, Fifo, LinkToZero, CharDevice, Huge, LinkToFile, Small };

void make(Thing thing, const QString &path)
{
    switch (thing) {
    case Thing::Nothing: break;
    case Thing::Folder: QVERIFY(QDir().mkdir(path)); break;
    case Thing::Fifo: QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); break;
    case Thing::LinkToZero: QVERIFY(QFile::link("/dev/zero", path)); break;
    case Thing::CharDevice: QVERIFY(QFile::link("/dev/null", path)); break;
    case Thing::Huge: {
        QFile f(path);   // sparse: no disk is used
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(kMaxLineFileBytes + 1));
        break;
    }
    case Thing::LinkToFile:
    case Thing::Small: {
        const QString target = thing == Thing::Small ? path : path + ".real";
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("\"a\"\r\n") == 5);
        f.close();
        if (thing == Thing::LinkToFile)
            QVERIFY(QFile::link(target, path));
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Thing)

class RegularFileTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNotAnOrdinaryFile_data()
    {
        QTest::addColumn<Thing>("thing");
        QTest::addColumn<TextFileContent::Status>("status");
        QTest::newRow("missing") << Thing::Nothing << TextFileContent::Missing;
        QTest::newRow("folder") << Thing::Folder << TextFileContent::NotAFile;
        QTest::newRow("fifo") << Thing::Fifo << TextFileContent::NotAFile;
        QTest::newRow("link to /dev/zero") << Thing::LinkToZero << TextFileContent::NotAFile;
        QTest::newRow("link to /dev/null") << Thing::CharDevice << TextFileContent::NotAFile;
        QTest::newRow("larger than the limit") << Thing::Huge << TextFileContent::TooLarge;
        QTest::newRow("link to a file is followed") << Thing::LinkToFile << TextFileContent::Ok;
        QTest::newRow("small file") << Thing::Small << TextFileContent::Ok;
    }
    void refusesWhatIsNotAnOrdinaryFile()
    {
        QFETCH(Thing, thing);
        QFETCH(TextFileContent::Status, status);
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        make(thing, path);
        Watchdog watchdog(10);
        const TextFileContent c = readTextLines(path);
        QCOMPARE(c.status, status);
        QCOMPARE(c.lines, status == TextFileContent::Ok ? QStringList{"\"a\""} : QStringList());
        if (status == TextFileContent::TooLarge)
            QCOMPARE(c.size, kMaxLineFileBytes + 1);
        if (status != TextFileContent::Ok && status != TextFileContent::Missing)
            QVERIFY(!c.errorString.isEmpty());
    }

    void limitIsInclusive()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("day.txt");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("12345") == 5);
        f.close();
        QCOMPARE(readRegularFile(path, 5).bytes, QByteArray("12345"));
        QCOMPARE(readRegularFile(path, 4).status, FileBytes::TooLarge);
    }

    // A carer's link to a shared folder stays a link: the save goes to the
    // file it leads to.
    void saveThroughALinkKeepsTheLink()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("shared")));
        const QString target = dir.filePath("shared/Talk.txt"), path = dir.filePath("Talk.txt");
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("\"a\"\r\n") == 5);
        f.close();
        QVERIFY(QFile::link(target, path));
        const TextWriteResult r = writeTextLines(path, {"\"a\"", "\"b\""}, readTextLines(path));
        QCOMPARE(r.status, TextWriteResult::Written);
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(readTextLines(target).lines, (QStringList{"\"a\"", "\"b\""}));
    }

    // Before a file changes format it is copied aside byte for byte.
    void copyAsideKeepsEveryByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        const QByteArray bytes("\x82\xA0\xFF\r\n", 5);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        QFile(dir.filePath("Talk-kept-1.txt")).open(QIODevice::WriteOnly);
        const AsideCopy copy = copyAside(path);
        QVERIFY(copy.ok());
        QCOMPARE(copy.name, QString("Talk-kept-2.txt"));
        QFile kept(dir.filePath(copy.name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QVERIFY(copyAside(dir.filePath("none.txt")).ok());   // nothing to keep
    }
};

QTEST_GUILESS_MAIN(RegularFileTest)
#include "regular_file_test.moc"

// The message kept against a crash, on the real window: a kept file the
// program cannot read is moved aside before anything is written in its
// place, and a save that cannot be made is told once. That every change is
// in the file before it is seen is the kill test's, in message_recovery_test.
#include "app/MessageKeeper.h"
#include "support/TestWindow.h"
#include <QDir>
#include <sys/stat.h>

using namespace pelumo;
using namespace pelumo::test;

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QByteArray kSentence = u("きょうはびょういんへいきたいです").toUtf8();

QByteArray keptJson(const QByteArray &version, const QByteArray &text, const QByteArray &anchor)
{
    return "{\"version\":" + version + ",\"text\":" + text + ",\"anchor\":" + anchor
           + ",\"position\":0,\"wide\":false}\n";
}

// What stands at message.json before the start.
enum class Standing { Bytes, Folder, Fifo, LinkToZero };

void putInPlace(const QString &path, Standing standing, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    switch (standing) {
    case Standing::Bytes: writeFile(path, bytes); break;
    case Standing::Folder: QDir().mkpath(path + "/inside"); break;
    case Standing::Fifo: ::mkfifo(QFile::encodeName(path).constData(), 0600); break;
    case Standing::LinkToZero: QFile::link("/dev/zero", path); break;
    }
}

// The notices the user did not ask for wait for a quiet second on the
// window's clock: time passes until one has been shown, or long enough for
// a second one to have come.
int noticesAfterAQuietMoment(TestWindow &w, const QuestionAnswerer &answerer)
{
    for (int i = 0; i < 30 && answerer.prompts.isEmpty(); ++i) {
        w.wait(100);
        QTest::qWait(5);
    }
    for (int i = 0; i < 15; ++i) {
        w.wait(100);
        QTest::qWait(5);
    }
    return int(answerer.prompts.size());
}

struct Keeper {
    explicit Keeper(TestWindow &w) : path(w.dir.filePath("state/message.json")) {}
    QString path;
    QString aside() const { return QFileInfo(path).dir().filePath("message-kept-1.json"); }
};

} // namespace

class KeptMessageTest : public QObject {
    Q_OBJECT
private slots:
    // Faults: a file of another version or form overwritten at the first
    // touch with no copy; no notice, or one at every touch; the copy not
    // byte for byte; nothing kept after the copy.
    void anUnreadFileIsKeptAsideAndTold_data()
    {
        QTest::addColumn<int>("standing");
        QTest::addColumn<QByteArray>("bytes");
        const auto bytes = int(Standing::Bytes);
        const QByteArray text = "\"" + kSentence + "\"";
        const QByteArray good = keptJson("1", text, "0");
        QTest::newRow("a newer version") << bytes << keptJson("2", text, "0");
        QTest::newRow("the version as a string") << bytes << keptJson("\"1\"", text, "0");
        QTest::newRow("no version") << bytes << QByteArray("{\"text\":" + text + "}");
        QTest::newRow("the text as a number") << bytes << keptJson("1", "42", "0");
        QTest::newRow("no text") << bytes << QByteArray("{\"version\":1,\"anchor\":0,\"position\":0}");
        QTest::newRow("the anchor as a string") << bytes << keptJson("1", text, "\"0\"");
        QTest::newRow("an array") << bytes << "[" + good + "]";
        QTest::newRow("null") << bytes << QByteArray("null");
        QTest::newRow("cut off halfway") << bytes << good.left(good.size() / 2);
        QTest::newRow("invalid UTF-8") << bytes << keptJson("1", "\"\xe3\x81\xff\xfe\"", "0");
        QTest::newRow("empty") << bytes << QByteArray();
        QTest::newRow("binary") << bytes << QByteArray("\x00\xff\x01{{", 5);
        QTest::newRow("10 MB, over the limit")
            << bytes << keptJson("1", "\"" + QByteArray(10 << 20, 'a') + "\"", "0");
        QTest::newRow("a folder") << int(Standing::Folder) << QByteArray();
        QTest::newRow("a FIFO") << int(Standing::Fifo) << QByteArray();
        QTest::newRow("a link to /dev/zero") << int(Standing::LinkToZero) << QByteArray();
    }
    void anUnreadFileIsKeptAsideAndTold()
    {
        QFETCH(int, standing);
        QFETCH(QByteArray, bytes);
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        Keeper k(w);
        putInPlace(k.path, Standing(standing), bytes);
        QuestionAnswerer answerer;
        MessageKeeper keeper(f, k.path);
        QVERIFY(!keeper.restore());
        TestWindow::press(f.grdBoard, 0, 9);
        TestWindow::press(f.grdBoard, 1, 9);
        QCOMPARE(noticesAfterAQuietMoment(w, answerer), 1);
        QVERIFY2(answerer.prompts.first().contains("message-kept-1.json"),
                 qPrintable(answerer.prompts.first()));
        const QFileInfo aside(k.aside());
        QVERIFY(aside.exists() || aside.isSymLink());
        if (Standing(standing) == Standing::Bytes)
            QCOMPARE(readAll(k.aside()), bytes);
        if (Standing(standing) == Standing::Folder)
            QVERIFY(QFileInfo::exists(k.aside() + "/inside"));
        QCOMPARE(readSavedMessage(k.path).message.text, u("あい_"));
    }

    // Faults: a save that fails only logged; told at every change; not
    // tried again once the trouble is gone.
    void aSaveThatFailsIsToldOnceAndTriedAgain_data()
    {
        QTest::addColumn<QString>("blocker");   // a plain file where a folder must be made
        QTest::newRow("the state folder is a file") << "state";
        QTest::newRow("the new file's name is a folder") << "state/message.json.new/x";
    }
    void aSaveThatFailsIsToldOnceAndTriedAgain()
    {
        QFETCH(QString, blocker);
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        Keeper k(w);
        const QString block = w.dir.filePath(blocker);
        QDir().mkpath(QFileInfo(block).path());
        writeFile(block, "x");
        QuestionAnswerer answerer;
        MessageKeeper keeper(f, k.path);
        QVERIFY(!keeper.restore());
        TestWindow::press(f.grdBoard, 0, 9);
        QCOMPARE(noticesAfterAQuietMoment(w, answerer), 1);
        TestWindow::press(f.grdBoard, 1, 9);
        QCOMPARE(noticesAfterAQuietMoment(w, answerer), 1);

        QVERIFY(QFile::remove(block));
        QDir(w.dir.filePath("state")).removeRecursively();
        TestWindow::press(f.grdBoard, 2, 9);
        QCOMPARE(readSavedMessage(k.path).message.text, u("あいう_"));
        QCOMPARE(noticesAfterAQuietMoment(w, answerer), 1);
    }
};

QTEST_MAIN(KeptMessageTest)
#include "kept_message_test.moc"

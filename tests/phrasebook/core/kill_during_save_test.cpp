// A save cut short by SIGKILL leaves the old file or the new one, whole: a
// child process rewrites a file over and over, alternating between two sets
// of lines, and is killed at random moments. One row for each file the
// program saves; PELUMO_KILLS sets the kills a row (100 by default).
#include "editing/core/SavedMessage.h"
#include "phrasebook/core/DiaryFile.h"
#include "platform/core/TextFile.h"
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace pelumo;

namespace {

const int kLines = 20000;

// The two versions of a file of each kind, as the program writes them.
QStringList versionOf(const QString &kind, int which)
{
    QStringList lines;
    const int count = kLines + which;
    for (int i = 0; i < count; ++i) {
        if (kind == "phrase book")
            lines << QStringLiteral("\"%1 ありがとうございます%2\"").arg(which ? "B" : "A").arg(i);
        else if (kind == "diary")
            lines << diaryLine(QStringLiteral("%1.12.%2").arg(99 - i % 100, 2, 10, QChar(u'0'))
                                   .arg(i % 28 + 1, 2, 10, QChar(u'0')),
                               QStringLiteral("%1 さんぽしました_%2").arg(which ? "B" : "A").arg(i));
    }
    return lines;
}

TextEncoding encodingOf(const QString &kind)
{
    return kind == "phrase book" ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

// The message in progress: the longest the message area holds.
SavedMessage messageVersion(int which)
{
    const QString text = QString(which ? u'い' : u'あ').repeated(499) + u'_';
    return {text, 499 - which, 500 - which, which == 1};
}

int saveMessageForever(const QString &path)
{
    for (unsigned n = 0;; ++n) {
        if (!writeSavedMessage(path, messageVersion(n % 2)).isEmpty())
            return 1;
        if (n == 0)
            fputs("ready\n", stdout), fflush(stdout);
    }
}

// Whether the file holds one of the two versions, whole.
bool holdsAVersion(const QString &kind, const QString &path)
{
    if (kind == "message") {
        const SavedMessageRead r = readSavedMessage(path);
        return r.status == SavedMessageRead::Ok
               && (r.message == messageVersion(0) || r.message == messageVersion(1));
    }
    const TextFileContent c = readTextLines(path);
    return c.status == TextFileContent::Ok
           && (c.lines == versionOf(kind, 0) || c.lines == versionOf(kind, 1));
}

int saveForever(const QString &kind, const QString &path)
{
    if (kind == "message")
        return saveMessageForever(path);
    const QStringList a = versionOf(kind, 0), b = versionOf(kind, 1);
    for (unsigned n = 0;; ++n) {
        if (writeTextLines(path, n % 2 ? b : a, encodingOf(kind)).status != TextWriteResult::Written)
            return 1;
        if (n == 0)
            fputs("ready\n", stdout), fflush(stdout);
    }
}

int killsPerRow()
{
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("PELUMO_KILLS", &ok);
    return ok && kills > 0 ? kills : 100;
}

} // namespace

class KillDuringSaveTest : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveAWholeFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("phrase book") << "phrase book";
        QTest::newRow("diary") << "diary";
        QTest::newRow("message") << "message";
    }
    void killedSavesLeaveAWholeFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("file.txt");
        QRandomGenerator random(20261207);   // fixed, so a failure can be replayed
        const int kills = killsPerRow();
        for (int k = 0; k < kills; ++k) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--save-forever", kind, path});
            QVERIFY(child.waitForReadyRead(10000));   // the first save is complete
            QThread::usleep(random.bounded(30000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            if (!holdsAVersion(kind, path))
                QFAIL(qPrintable(QStringLiteral("kill %1 left a broken file").arg(k)));
        }
        qInfo("%s: %d kills, the file whole after each", qPrintable(kind), kills);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--save-forever") == 0)
        return saveForever(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    KillDuringSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kill_during_save_test.moc"

// A save cut short by SIGKILL leaves the old file or the new one, whole: a
// child process rewrites the phrase book over and over, alternating between
// two lists, and is killed at random moments.
#include "phrasebook/core/TextFile.h"
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace pelumo;

namespace {

QStringList phrases(int count, const QString &mark)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("\"%1 ありがとうございます%2\"").arg(mark).arg(i);
    return lines;
}
const int kLines = 20000;

int saveForever(const QString &path)
{
    const QStringList a = phrases(kLines, "A"), b = phrases(kLines + 1, "B");
    for (unsigned n = 0;; ++n) {
        if (!writeTextLines(path, n % 2 ? b : a, TextEncoding::ShiftJis).ok)
            return 1;
        if (n == 0)
            fputs("ready\n", stdout), fflush(stdout);
    }
}

} // namespace

class KillDuringSaveTest : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveAWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        const QStringList a = phrases(kLines, "A"), b = phrases(kLines + 1, "B");
        QRandomGenerator random(20261207);   // fixed, so a failure can be replayed
        const int kills = 200;
        for (int k = 0; k < kills; ++k) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--save-forever", path});
            QVERIFY(child.waitForReadyRead(10000));   // the first save is complete
            QThread::usleep(random.bounded(30000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            const TextFileContent c = readTextLines(path);
            QCOMPARE(c.status, TextFileContent::Ok);
            if (c.lines != a && c.lines != b)
                QFAIL(qPrintable(QStringLiteral("kill %1 left a file of %2 lines").arg(k).arg(c.lines.size())));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--save-forever") == 0)
        return saveForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    KillDuringSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kill_during_save_test.moc"

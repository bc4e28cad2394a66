// Files as an adversarial user (or a bad disk) leaves them, through the real
// window: a damaged Shift_JIS phrase book keeps every byte the user did not
// change, a file never changes format without the user's ＯＫ, and a FIFO, a
// link to /dev/zero or a huge file never hangs the program or fills memory.
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QProcess>
#include <QStringEncoder>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace pelumo;
using namespace pelumo::test;

namespace {

QByteArray sjis(const QString &text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder(text);
}

QByteArray quoted(const QByteArray &bytes) { return "\"" + bytes + "\"\r\n"; }

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QList<QByteArray> sortedLines(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::sort(lines.begin(), lines.end());
    return lines;
}

void typeMessage(frmTalk &f, const QString &text)
{
    f.txtTalk->setText(text);
    f.txtTalk->setSelStart(int(text.size()) - 1);
}

// From the board to today's diary entry, open on the board for revision.
void openTodaysEntry(frmTalk &f)
{
    TestWindow::tap(f.cmdSamp);
    f.state.ListCursorRow = 0;
    TestWindow::tap(f.cmdDec);
    f.state.ListCursorRow = 0;
    TestWindow::tap(f.cmdDec);
    TestWindow::tap(f.cmdRevise);
}

QString kindOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("fifo");
    return S_ISREG(info.st_mode) ? QStringLiteral("file") : QStringLiteral("other");
}

// The child of notOrdinaryFiles: puts the thing in place, starts the window,
// saves into the file, and reports on stdout what it was told and what is
// left on disk.
int startOnAThing(int argc, char **argv)
{
#if !defined(__SANITIZE_ADDRESS__)
    const rlimit memory{rlim_t(4) << 30, rlim_t(4) << 30};   // runaway reading fails, not the machine
    setrlimit(RLIMIT_AS, &memory);
#endif
    QApplication app(argc, argv);
    const QString name = QString::fromLocal8Bit(argv[2]), thing = QString::fromLocal8Bit(argv[3]);
    TestWindow w;
    const QString folder = w.dir.filePath("program"), path = folder + "/" + name;
    QDir().mkpath(folder);
    writeAll(folder + "/Talk.txt", quoted(kPlaceholderText.toUtf8()));
    QFile::remove(path);
    if (thing == "fifo")
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (thing == "zero")
        QFile::link("/dev/zero", path);
    else if (QFile huge(path); huge.open(QIODevice::WriteOnly))
        huge.resize(kMaxLineFileBytes + 1);
    QuestionAnswerer answers;
    frmTalk &f = w.start();
    QTest::qWait(50);
    typeMessage(f, QStringLiteral("あたらしい_"));
    if (name == "Talk.txt") {
        TestWindow::tap(f.cmdSampADD);
    } else {
        openTodaysEntry(f);
        typeMessage(f, QStringLiteral("あたらしい_"));
        TestWindow::tap(f.cmdSamp);   // 日記終了, ＹＥＳ
    }
    const QString base = QFileInfo(name).completeBaseName();
    fprintf(stdout, "kept %s\nnew %s\n", qPrintable(kindOf(folder + "/" + base + "-kept-1.txt")),
            readAll(path).contains(QStringLiteral("あたらしい").toUtf8()) ? "saved" : "not saved");
    for (const QString &p : std::as_const(answers.prompts))
        fprintf(stdout, "told %s\n", p.toUtf8().constData());
    return 0;
}

} // namespace

class AdversarialFilesTest : public QObject {
    Q_OBJECT
private slots:
    void damagedShiftJisBookKeepsEveryUnchangedLine()
    {
        TestWindow w;
        const QList<QByteArray> old{
            quoted(sjis(kPlaceholderText)),
            quoted(sjis(QStringLiteral("おはよう"))),
            quoted("\xC4\xB3"),                 // ﾄｳ, which is also valid UTF-8 ("ĳ")
            quoted("\x82\xA0\x85\x40\xFF"),     // damaged: an unmapped code and a stray byte
            quoted("\x87\x9A"),                 // ∵ of NEC's row, which the encoder writes as 81 E6
        };
        const QString path = w.dir.filePath("program/Talk.txt");
        writeAll(path, old.join());
        QuestionAnswerer answers;
        frmTalk &f = w.start();
        QTRY_COMPARE(answers.prompts.size(), 1);   // the damaged line, told once
        QVERIFY2(answers.prompts[0].contains("壊れて"), qPrintable(answers.prompts[0]));
        QVERIFY(f.phrases->book().phrases().contains(QStringLiteral("ﾄｳ")));
        typeMessage(f, QStringLiteral("あたらしい_"));
        TestWindow::tap(f.cmdSampADD);
        QList<QByteArray> expected = old;
        expected << quoted(sjis(QStringLiteral("あたらしい")));
        QCOMPARE(sortedLines(readAll(path)), sortedLines(expected.join()));
        TestWindow::tap(f.cmdSampDel);   // and after a deletion, the same bytes again
        QCOMPARE(answers.prompts.size(), 2);
        expected.removeLast();
        QCOMPARE(sortedLines(readAll(path)), sortedLines(expected.join()));
    }

    void formatChangeIsAsked_data()
    {
        QTest::addColumn<bool>("diary");
        QTest::addColumn<int>("answer");
        QTest::newRow("phrase book, ＯＫ") << false << 0;
        QTest::newRow("phrase book, キャンセル") << false << 1;
        QTest::newRow("diary, ＯＫ") << true << 0;
        QTest::newRow("diary, キャンセル") << true << 1;
    }
    void formatChangeIsAsked()
    {
        QFETCH(bool, diary);
        QFETCH(int, answer);
        TestWindow w;
        const QString folder = w.dir.filePath("program");
        const QString path = folder + (diary ? "/day.txt" : "/Talk.txt");
        const QByteArray old = diary ? quoted(sjis(QStringLiteral("26.12.06 はれ")))
                                     : quoted(sjis(kPlaceholderText)) + quoted(sjis(QStringLiteral("～①髙")));
        writeAll(path, old);
        if (diary)   // the program's folder is the data folder when it holds a phrase book
            writeAll(folder + "/Talk.txt", quoted(kPlaceholderText.toUtf8()));
        frmTalk &f = w.start();
        const QString message = QString::fromUtf16(u"また〜ね_");   // U+301C: not in code page 932
        if (diary)
            openTodaysEntry(f);
        QuestionAnswerer answers(answer);
        if (diary) {
            typeMessage(f, message);
            f.diary->SaveDiary(message);   // what 日記終了 does after its ＹＥＳ
        } else {
            typeMessage(f, message);
            TestWindow::tap(f.cmdSampADD);
        }
        QTRY_VERIFY(!answers.prompts.isEmpty());
        const QString question = answers.prompts.last();
        QVERIFY2(question.contains("Shift_JIS") && question.contains("UTF-8"), qPrintable(question));
        const QString kept = folder + (diary ? "/day-kept-1.txt" : "/Talk-kept-1.txt");
        if (answer == 1) {
            QCOMPARE(readAll(path), old);
            QVERIFY(!QFile::exists(kept));
            QCOMPARE(f.txtTalk->text(), message);
            QCOMPARE(f.phrases->book().phrases().contains(QStringLiteral("また〜ね")), false);
            return;
        }
        QCOMPARE(readAll(kept), old);
        const QByteArray now = readAll(path);
        QVERIFY(QByteArrayView(now).isValidUtf8());
        QVERIFY(now.contains(QStringLiteral("また〜ね").toUtf8()));
        QVERIFY(now.contains((diary ? QStringLiteral("はれ") : QStringLiteral("～①髙")).toUtf8()));
    }

    void notOrdinaryFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("thing");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("kept");
        for (const QString name : {"Talk.txt", "day.txt"}) {
            QTest::addRow("%s, FIFO", qPrintable(name)) << name << "fifo" << "普通のファイルではない" << "fifo";
            QTest::addRow("%s, link to /dev/zero", qPrintable(name)) << name << "zero" << "普通のファイルではない" << "link";
            QTest::addRow("%s, 64 MiB and a byte", qPrintable(name)) << name << "huge" << "大きすぎて" << "file";
        }
    }
    void notOrdinaryFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, thing);
        QFETCH(QString, notice);
        QFETCH(QString, kept);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--start-on", name, thing});
        if (!child.waitForFinished(60000)) {
            child.kill();
            child.waitForFinished();
            QFAIL("the program did not get past the file within a minute");
        }
        const QString report = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(report + child.readAllStandardError()));
        QVERIFY2(report.contains("told ") && report.contains(notice), qPrintable(report));
        QVERIFY2(report.contains("kept " + kept + "\n"), qPrintable(report));   // moved aside as it was
        QVERIFY2(report.contains("new saved"), qPrintable(report));
        QVERIFY2(!report.contains("Input/output") && !report.contains("regular"), qPrintable(report));
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--start-on") == 0)
        return startOnAThing(argc, argv);
    QApplication app(argc, argv);
    AdversarialFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "adversarial_files_test.moc"

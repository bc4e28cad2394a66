#include "phrasebook/core/PhraseBook.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringEncoder>
#include <csignal>

using namespace pelumo;
using namespace pelumo::test;

namespace {

const QByteArray kPlaceholderUtf8 = "\"" + kPlaceholderText.toUtf8() + "\"\r\n";

QString phrasePath(TestWindow &w)
{
    return w.dir.filePath("program/Talk.txt");
}

// Files are put in the program's folder, where start-up looks first.
void writePhraseFile(TestWindow &w, const QByteArray &bytes)
{
    QDir().mkpath(w.dir.filePath("program"));
    QFile f(phrasePath(w));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray lines(const QStringList &phrases)
{
    QByteArray out;
    for (const QString &p : phrases)
        out += "\"" + p.toUtf8() + "\"\r\n";
    return out;
}

QByteArray shiftJis(const QByteArray &utf8)
{
    QStringEncoder sjis("Shift_JIS");
    return sjis(QString::fromUtf8(utf8));
}

QStringList column(FlexGrid *g, int col)
{
    QStringList out;
    for (int r = 0; r < g->rows(); ++r)
        out << g->textMatrix(r, col);
    return out;
}

void typeMessage(frmTalk &f, const QString &text)
{
    f.txtTalk->setText(text);
    f.txtTalk->setSelStart(int(text.size()));
}

struct FaultsOff {
    ~FaultsOff() { setFileFaultHook({}); }
};

} // namespace

class PhraseCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // --- reading and indexing -------------------------------------------------
    void threeLineFile()
    {
        TestWindow w;
        writePhraseFile(w, lines({"こんにちは", kPlaceholderText, "おはよう"}));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), (QStringList{"日記", "おはよう", "こんにちは"}));
        QCOMPARE(column(f.grdEx, 0), (QStringList{"あ行", "", "か行"}));
        QCOMPARE(f.phrases->book().phrases(), (QStringList{"こんにちは", kPlaceholderText, "おはよう"}));
    }

    void missingFileIsCreatedWithThePlaceholder()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCOMPARE(readFile(QDir(f.state.AppDir).filePath("Talk.txt")), kPlaceholderUtf8);
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), QStringList{"日記"});
    }

    void blankFileGetsThePlaceholderRow()
    {
        TestWindow w;
        writePhraseFile(w, "\r\n  \r\n");
        frmTalk &f = w.start();
        QCOMPARE(f.phrases->book().phrases(), QStringList{QString()});
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), QStringList{"日記"});
        typeMessage(f, "うん_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "うん"}));
    }

    // Phrases that sort before the placeholder in code order follow it: row 0
    // stays the diary and every phrase is kept through a save.
    void placeholderStaysInRowZero()
    {
        TestWindow w;
        writePhraseFile(w, lines({"ああ", kPlaceholderText, "1ばん", "あ、", "Ok", "いい"}));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), (QStringList{"日記", "1ばん", "Ok", "あ、", "ああ", "いい"}));
        QCOMPARE(column(f.grdEx, 0), (QStringList{"あ行", "", "", "", "", ""}));
        typeMessage(f, "うん_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)),
                 lines({kPlaceholderText, "1ばん", "Ok", "あ、", "ああ", "いい", "うん"}));
    }

    void fileWithoutPlaceholderGetsOne()
    {
        TestWindow w;
        writePhraseFile(w, lines({"はい", "1ばん"}));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), (QStringList{"日記", "1ばん", "はい"}));
        typeMessage(f, "うん_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "1ばん", "うん", "はい"}));
    }

    // --- encodings ----------------------------------------------------------------
    void ownShiftJisFileComesBackByteForByte()
    {
        TestWindow w;
        const QByteArray own = shiftJis(lines({kPlaceholderText, "おはよう", "こんにちは", "～①髙"}));
        writePhraseFile(w, own);
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);   // row 0 now reads "日記"
        typeMessage(f, "さようなら_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)),
                 shiftJis(lines({kPlaceholderText, "おはよう", "こんにちは", "さようなら", "～①髙"})));
        answerNextQuestion(0);
        TestWindow::tap(f.cmdSampDel);   // the new phrase, highlighted
        QCOMPARE(readFile(phrasePath(w)), own);
    }

    // Only after the user's ＯＫ, with the old file kept beside the new one.
    void characterOutsideShiftJisMakesTheFileUtf8()
    {
        TestWindow w;
        const QByteArray old = shiftJis(lines({kPlaceholderText, "おはよう", "～①髙"}));
        writePhraseFile(w, old);
        frmTalk &f = w.start();
        typeMessage(f, QString::fromUtf16(u"また〜ね_"));   // U+301C: not in code page 932
        auto question = answerNextQuestion(0);
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QVERIFY(question->prompt.contains("Shift_JIS"));
        QCOMPARE(readFile(phrasePath(w)),
                 lines({kPlaceholderText, "おはよう", QString::fromUtf16(u"また〜ね"), "～①髙"}));
        QCOMPARE(readFile(w.dir.filePath("program/Talk-kept-1.txt")), old);
    }

    // --- failures -------------------------------------------------------------------
    void failedSaveChangesNothing()
    {
        FaultsOff off;
        TestWindow w;
        const QByteArray before = lines({kPlaceholderText, "おはよう"});
        writePhraseFile(w, before);
        frmTalk &f = w.start();
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::NoSpace : FileFault::None;
        });
        typeMessage(f, "こんばんは_");
        auto seen = answerNextQuestion(0);
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QVERIFY(seen->shown);
        QVERIFY2(seen->prompt.contains("保存できませんでした"), qPrintable(seen->prompt));
        QVERIFY(!seen->prompt.contains("No space left on device"));   // that is for the log
        QCOMPARE(seen->buttons, QStringList{"ＯＫ"});
        QCOMPARE(readFile(phrasePath(w)), before);
        QCOMPARE(f.phrases->book().rows(), (QStringList{kPlaceholderText, "おはよう"}));
        QCOMPARE(f.cmdSamp->caption(), QString("例文表示"));

        // A deletion that cannot be written leaves the row where it was.
        setFileFaultHook({});
        TestWindow::tap(f.cmdSamp);
        f.state.ListCursorRow = 1;
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::FailedRename : FileFault::None;
        });
        answerNextQuestion(0);
        auto notice = answerNextQuestion(0);
        TestWindow::tap(f.cmdSampDel);
        QVERIFY(notice->shown);
        QCOMPARE(f.grdEx->textMatrix(1, 1), QString("おはよう"));
        QCOMPARE(readFile(phrasePath(w)), before);
        QVERIFY(f.phrases->book().phrases().contains("おはよう"));
    }

    // A real failure even as root: the folder is a plain file.
    void saveIntoAFolderThatIsAFile()
    {
        TestWindow w;
        frmTalk &f = w.start();
        const QString notAFolder = w.dir.filePath("plain-file");
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        // The data folder is gone after start-up, a plain file in its place.
        QVERIFY(QDir(f.state.AppDir).removeRecursively());
        QVERIFY(QFile::rename(notAFolder, f.state.AppDir));
        typeMessage(f, "はい_");
        auto seen = answerNextQuestion(0);
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QVERIFY(seen->shown);
        QVERIFY2(seen->prompt.contains("保存できませんでした"), qPrintable(seen->prompt));
        QCOMPARE(f.phrases->book().rows(), QStringList{kPlaceholderText});
        QVERIFY(f.grdBoard->isVisible());
    }

    // As root a read-only folder does not stop writes; the fault seam does.
    void unreadableFileIsKeptAsideBeforeTheFirstSave()
    {
        FaultsOff off;
        TestWindow w;
        const QByteArray old = lines({kPlaceholderText, "たいせつ"});
        writePhraseFile(w, old);
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
        });
        auto notice = answerNextQuestion(0);
        frmTalk &f = w.start();
        QTRY_VERIFY(notice->shown);
        QVERIFY2(notice->prompt.contains("Talk-kept-1.txt"), qPrintable(notice->prompt));
        QCOMPARE(f.phrases->book().rows(), QStringList{kPlaceholderText});
        QCOMPARE(readFile(phrasePath(w)), old);   // untouched

        TestWindow::tap(f.cmdSamp);   // read again: not told a second time
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.cmdSamp->caption(), QString("例文表示"));
        QCOMPARE(readFile(phrasePath(w)), old);

        typeMessage(f, "あたらしい_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(w.dir.filePath("program/Talk-kept-1.txt")), old);
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "あたらしい"}));
    }

    void limitOfThePhraseCountIsANotice()
    {
        TestWindow w;
        QStringList phrases{kPlaceholderText};
        for (int i = 0; i < kMaxPhrases; ++i)
            phrases << QString("例文%1").arg(i, 5, 10, QChar('0'));
        const QByteArray full = lines(phrases);
        writePhraseFile(w, full);
        frmTalk &f = w.start();
        typeMessage(f, "もうひとつ_");
        auto seen = answerNextQuestion(0);
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QVERIFY(seen->prompt.contains("32767"));
        QCOMPARE(readFile(phrasePath(w)), full);
        QCOMPARE(f.phrases->book().rows().size(), kMaxPhrases + 1);
    }

    // A save killed at any moment leaves the old file or the new one, whole.
    void killDuringSaveLeavesAWholeFile()
    {
        const QString dir = QDir::temp().filePath("pelumo-kill-test");
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath("Talk.txt");
        for (int round = 0; round < 4; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--save-forever", dir});
            QVERIFY(child.waitForReadyRead(20000));
            QTest::qWait(5 + 17 * round);
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(5000));
            const TextFileContent content = readTextLines(path);
            QCOMPARE(content.status, TextFileContent::Ok);
            const int n = int(content.lines.size());
            QVERIFY2(n == 20001 || n == 20002, qPrintable(QString::number(n)));
            QCOMPARE(content.lines.first(), "\"" + kPlaceholderText + "\"");
            QVERIFY(content.lines.last().startsWith("\"") && content.lines.last().endsWith("\""));
        }
        QDir(dir).removeRecursively();
    }

    // --- the commands -----------------------------------------------------------------
    void showAndHideTheList()
    {
        TestWindow w;
        writePhraseFile(w, lines({kPlaceholderText, "おはよう", "こんにちは"}));
        frmTalk &f = w.start();
        f.edit->cmdWide_Click();
        f.state.ListCursorRow = 2;
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.cmdSamp->caption(), QString("例文終了"));
        QCOMPARE(f.cmdWide->caption(), QString("広げる"));
        QVERIFY(f.grdEx->isVisible() && !f.grdBoard->isVisible());
        QVERIFY(f.fraTalk->isVisible() && !f.fraRes->isVisible());
        QVERIFY(f.cmdSampDel->isVisible() && !f.cmdSampADD->isVisible());
        QCOMPARE(f.layout.geometry(f.grdEx), f.layout.geometry(f.grdBoard));
        QCOMPARE(f.grdEx->colWidth(0), 2400);
        QCOMPARE(f.grdEx->textMatrix(0, 1), QString("日記"));
        QCOMPARE(f.grdEx->textMatrix(0, 0), QString("あ行"));
        QCOMPARE(f.grdEx->cellBackColor(0, 1), colors::LightGreen);
        QCOMPARE(f.state.ListCursorRow, 0);
        QVERIFY(f.isEnabled());
        QCOMPARE(screenMousePointer(), 0);
        QCOMPARE(f.txtTalk->text(), QString("_"));

        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.cmdSamp->caption(), QString("例文表示"));
        QVERIFY(!f.grdEx->isVisible() && f.grdBoard->isVisible());
        QVERIFY(!f.fraTalk->isVisible() && f.fraRes->isVisible());
        QVERIFY(!f.cmdSampDel->isVisible() && f.cmdSampADD->isVisible());
        QCOMPARE(f.txtTalk->text(), QString("_"));
    }

    void addStoresInSortedPlaceAndHighlights()
    {
        TestWindow w;
        writePhraseFile(w, lines({kPlaceholderText, "ありがとう", "さようなら"}));
        frmTalk &f = w.start();
        typeMessage(f, "　こんにちは_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)),
                 lines({kPlaceholderText, "ありがとう", "こんにちは", "さようなら"}));
        QCOMPARE(f.state.ListCursorRow, 2);
        QCOMPARE(f.grdEx->cellBackColor(2, 1), colors::LightGreen);
        QCOMPARE(f.grdEx->textMatrix(0, 1), QString("日記"));
        QCOMPARE(f.grdEx->colWidth(0), 2500);
        QCOMPARE(f.grdEx->topRow(), 0);   // a short list still shows from its top
        QVERIFY(f.grdEx->isVisible() && f.fraTalk->isVisible());
        QCOMPARE(f.cmdSamp->caption(), QString("例文終了"));
        QCOMPARE(f.txtTalk->text(), QString("　こんにちは_"));   // the message stays

        TestWindow::tap(f.cmdSamp);
        const QByteArray stored = readFile(phrasePath(w));
        for (const QString &again : {QString("こんにちは"), QString("こんにちは_")}) {
            typeMessage(f, again);
            auto seen = answerNextQuestion(0);
            f.phrases->cmdSampADD_Click(f.txtTalk->text());
            QCOMPARE(seen->prompt, QString("同一文が登録されています"));
            QCOMPARE(seen->title, QString("例文登録"));
            QCOMPARE(readFile(phrasePath(w)), stored);
            QCOMPARE(f.grdEx->rows(), 4);
            QCOMPARE(f.cmdSamp->caption(), QString("例文表示"));
        }
    }

    // A pasted message with a line break and quotes is stored as the list will
    // read it, so it is highlighted now and found as a duplicate later.
    void addingAPastedMessage()
    {
        TestWindow w;
        writePhraseFile(w, lines({kPlaceholderText}));
        frmTalk &f = w.start();
        typeMessage(f, "「はい」と\n\"言う\"_");
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "「はい」と 言う"}));
        QCOMPARE(f.state.ListCursorRow, 1);
        QCOMPARE(f.grdEx->cellBackColor(1, 1), colors::LightGreen);
        TestWindow::tap(f.cmdSamp);
        auto seen = answerNextQuestion(0);
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(seen->prompt, QString("同一文が登録されています"));
    }

    void addingOnlyTheMarkerStoresNothing()
    {
        TestWindow w;
        writePhraseFile(w, lines({kPlaceholderText, "はい"}));
        frmTalk &f = w.start();
        typeMessage(f, "_");
        f.state.ListCursorRow = 1;
        f.phrases->cmdSampADD_Click(f.txtTalk->text());
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "はい"}));
        QVERIFY(f.grdEx->isVisible());
        QCOMPARE(f.grdEx->cellBackColor(1, 1), colors::White);
    }

    void deleteAfterConfirmation()
    {
        TestWindow w({{"OPT1", "2"}});
        writePhraseFile(w, lines({kPlaceholderText, "ありがとう", "いいえ"}));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        TestWindow::tap(f.cmdSampDel);   // "日記" highlighted: nothing is asked
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.grdEx->rows(), 3);

        TestWindow::press(f.grdEx, 1, 1);
        auto cancel = answerNextQuestion(1);
        TestWindow::tap(f.cmdSampDel);
        QCOMPARE(cancel->prompt, QString("上記例文を削除してもいいですか？"));
        QCOMPARE(cancel->title, QString("例文の削除"));
        QCOMPARE(f.grdEx->textMatrix(1, 1), QString("ありがとう"));

        answerNextQuestion(0);
        TestWindow::tap(f.cmdSampDel);
        QCOMPARE(readFile(phrasePath(w)), lines({kPlaceholderText, "いいえ"}));
        QCOMPARE(f.grdEx->textMatrix(1, 1), QString());
        QCOMPARE(f.grdEx->cellBackColor(1, 1), colors::LightGreen);
        QVERIFY(!f.phrases->book().phrases().contains("ありがとう"));

        TestWindow::tap(f.cmdSamp);
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(column(f.grdEx, 1), (QStringList{"日記", "いいえ"}));
    }

    void startOverAfterConfirmation()
    {
        TestWindow w({{"OPT1", "3"}});
        frmTalk &f = w.start();
        typeMessage(f, "あいう_");
        f.grdBoard->setRow(0);
        f.grdBoard->setCol(9);
        f.grdBoard->setCellBackColor(colors::LightGreen);
        auto cancel = answerNextQuestion(1);
        f.cmdStart_Click();
        QCOMPARE(cancel->prompt, QString("はじめからでよろしいですか？"));
        QCOMPARE(f.txtTalk->text(), QString("あいう_"));
        answerNextQuestion(0);
        f.cmdStart_Click();
        QCOMPARE(f.txtTalk->text(), QString());
        QCOMPARE(f.grdBoard->cellBackColor(0, 9), colors::White);
    }

    void touchingARowMovesTheHighlight()
    {
        TestWindow w({{"Beep", "1"}});
        writePhraseFile(w, lines({kPlaceholderText, "ありがとう", "いいえ"}));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        TestWindow::press(f.grdEx, 2, 0);
        QCOMPARE(f.state.ListCursorRow, 2);
        QCOMPARE(f.grdEx->cellBackColor(2, 1), colors::LightGreen);
        QCOMPARE(f.grdEx->cellBackColor(0, 1), colors::White);
        QCOMPARE(f.grdEx->cellBackColor(2, 0), colors::White);
        QCOMPARE(w.beeper.count, 1);
    }

    // The largest book the format allows shows whole. How fast is the
    // benchmark's business, not the suite's (sanitizer builds are slow).
    void theLargestListShowsWhole()
    {
        TestWindow w;
        QStringList phrases{kPlaceholderText};
        for (int i = 0; i < kMaxPhrases; ++i)
            phrases << QString("%1ですよね、きょうは%2").arg(QChar(u'あ' + i % 80)).arg(i);
        writePhraseFile(w, shiftJis(lines(phrases)));
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.grdEx->rows(), kMaxPhrases + 1);
    }
};

// The child of killDuringSaveLeavesAWholeFile: adds a phrase to a book of
// 20,000 and deletes it again, for ever, through the book's own saves, until
// it is killed.
static int saveForever(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString path = QDir(QString::fromLocal8Bit(argv[2])).filePath("Talk.txt");
    QStringList phrases{kPlaceholderText};
    for (int i = 1; i <= 20000; ++i)
        phrases << QString("例文その%1、きょうは").arg(i);
    if (!writeTextLines(path, phraseFileLines(phrases).lines, TextEncoding::Utf8).written.lines.size())
        return 1;
    PhraseBook book(path);
    book.load();
    for (int turn = 0;; ++turn) {
        const PhraseBookEdit added = book.add(QStringLiteral("ついか"));
        if (!added.ok() || !book.emptyRow(added.row).ok())
            return 1;
        if (turn == 0) {
            fputs("ready\n", stdout);
            fflush(stdout);
        }
    }
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--save-forever") == 0)
        return saveForever(argc, argv);
    QApplication app(argc, argv);
    PhraseCommandsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "phrase_commands_test.moc"

#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QFile>
#include <algorithm>

using namespace pelumo;
using namespace pelumo::test;

Q_DECLARE_METATYPE(QList<QStringList>)

// The fake clock's today, 7 December 2026, as the diary writes it.
static const QString kToday = QStringLiteral("26.12.07");

class DiaryTest : public QObject {
    Q_OBJECT

    static QString u(const char *utf8) { return QString::fromUtf8(utf8); }
    static QString path(TestWindow &w) { return QDir(w->state.AppDir).filePath("day.txt"); }
    static QByteArray readAll(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    static void writeAll(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Starts the window with day.txt holding `file`.
    static void startWith(TestWindow &w, const QByteArray &file)
    {
        w.start();
        writeAll(path(w), file);
    }
    static QList<QStringList> rows(FlexGrid *g)
    {
        QList<QStringList> out;
        for (int r = 0; r < g->rows(); ++r)
            out << QStringList{g->textMatrix(r, 0), g->textMatrix(r, 1)};
        return out;
    }

    // The phrase list as showing it leaves it, row 0 "日記" highlighted, then
    // 決定 on that row.
    static void openDiary(TestWindow &w)
    {
        TestWindow::tap(w->cmdSamp);
        QCOMPARE(w->state.ListCursorRow, 0);
        TestWindow::tap(w->cmdDec);
    }
    static void stepDown(TestWindow &w)
    {
        QTest::mousePress(w->cmdDown, Qt::LeftButton);
        QTest::mouseRelease(w->cmdDown, Qt::LeftButton);
    }
    // Highlights `row` of the diary list and decides it.
    static void openEntry(TestWindow &w, int row)
    {
        for (int i = 0; i < row; ++i)
            stepDown(w);
        QCOMPARE(w->state.ListCursorRow, row);
        TestWindow::tap(w->cmdDec);
    }
    // 日記終了, with the narrow layout the button sets before it ends the diary.
    static void endDiary(TestWindow &w)
    {
        w->edit->SetNarrowLayout();
        w->diary->EndDiary(w->txtTalk->text());
        QCoreApplication::processEvents();
    }
    static void checkBoardMode(TestWindow &w)
    {
        QVERIFY(!w->grdBoard->isHidden());
        QVERIFY(w->grdDay->isHidden());
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(w->fraTalk->isHidden());
        QVERIFY(!w->fraRes->isHidden());
        QCOMPARE(w->cmdSamp->caption(), u("例文表示"));
        QCOMPARE(w->txtTalk->backColor(), colors::White);
    }

private slots:
    void cleanup() { setFileFaultHook({}); }

    void opensWithTodayInRowZero_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<QStringList>>("expected");
        QTest::newRow("first line older: an empty row for today")
            << QByteArray("\"26.12.06 \xE3\x81\x8D\xE3\x81\xAE\xE3\x81\x86_\"\r\n")
            << QList<QStringList>{{kToday, ""}, {"26.12.06", u("きのう_")}};
        QTest::newRow("first line today: no row added")
            << QByteArray("\"26.12.07 \xE3\x81\x82_\"\r\n\"26.12.06 \"\r\n")
            << QList<QStringList>{{kToday, u("あ_")}, {"26.12.06", ""}};
        QTest::newRow("empty file") << QByteArray()
                                    << QList<QStringList>{{kToday, ""}};
        QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n")
                                          << QList<QStringList>{{kToday, ""}};
        QTest::newRow("sorted newest first by the date text")
            << QByteArray("\"26.01.01 a\"\n\"26.11.30 b\"\n\"25.12.31 c\"\n")
            << QList<QStringList>{{kToday, ""}, {"26.11.30", "b"}, {"26.01.01", "a"}, {"25.12.31", "c"}};
        QTest::newRow("centuries sort by the two-digit year alone")
            << QByteArray("\"04.01.01 new\"\r\n\"99.12.31 old\"\r\n")
            << QList<QStringList>{{"99.12.31", "old"}, {kToday, ""}, {"04.01.01", "new"}};
    }
    void opensWithTodayInRowZero()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<QStringList>, expected);
        TestWindow w;
        startWith(w, file);
        openDiary(w);
        QCOMPARE(rows(w->grdDay), expected);
        QVERIFY(!w->grdDay->isHidden());
        QVERIFY(w->grdEx->isHidden());
        QVERIFY(!w->fraTalk->isHidden());
        QCOMPARE(w->cmdSamp->caption(), u("日記終了"));
        QCOMPARE(w->state.ListCursorRow, 0);
        QCOMPARE(w->grdDay->cellBackColor(0, 1), colors::LightGreen);
        QCOMPARE(w->grdDay->topRow(), 0);
        QCOMPARE(w->layout.geometry(w->grdDay), w->layout.geometry(w->grdBoard));
        QCOMPARE(w->grdDay->colWidth(0), 4500);
        QCOMPARE(w->grdDay->colWidth(1), w->layout.geometry(w->grdBoard).width() - 4500);
        QCOMPARE(readAll(path(w)), file);   // opening writes nothing
    }

    void missingFileGivesTodayAndTheFirstRegistrationCreatesIt()
    {
        TestWindow w;
        w.start();
        openDiary(w);
        QCOMPARE(rows(w->grdDay), (QList<QStringList>{{kToday, ""}}));
        openEntry(w, 0);
        QCOMPARE(w->txtTalk->text(), "");
        TestWindow::tap(w->cmdRevise);   // an empty entry: the caret at 0
        QCOMPARE(w->txtTalk->selStart(), 0);
        w->txtTalk->setText(u("はれ_"));
        auto seen = answerNextQuestion(0);
        endDiary(w);
        QCOMPARE(seen->title, u("日記の終了"));
        QCOMPARE(seen->prompt, u("日記を登録して終了します"));
        QCOMPARE(seen->buttons, (QStringList{u("ＹＥＳ"), u("ＮＯ")}));
        QCOMPARE(readAll(path(w)), QByteArray("\"26.12.07 \xE3\x81\xAF\xE3\x82\x8C_\"\r\n"));
        checkBoardMode(w);

        // The same day again: the entry is row 0 and no empty row comes back.
        w->grdBoard->hide();
        openDiary(w);
        QCOMPARE(rows(w->grdDay), (QList<QStringList>{{kToday, u("はれ_")}}));
    }

    void anEntryOpensOnLightGreenAndRevisesOnTheBoard()
    {
        TestWindow w;
        startWith(w, "\"26.12.06 \xE3\x81\x8D\xE3\x81\xAE\xE3\x81\x86_\"\r\n");
        openDiary(w);
        openEntry(w, 1);
        QCOMPARE(w->txtTalk->text(), u("きのう_"));
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        QCOMPARE(w->cmdWide->caption(), u("狭める"));
        QVERIFY(w->grdDay->isHidden());
        QVERIFY(w->grdBoard->isHidden());
        QVERIFY(!w->fraDay->isHidden());
        QCOMPARE(w->state.DiaryEditRow, 1);

        TestWindow::tap(w->cmdRevise);
        QCOMPARE(w->cmdWide->caption(), u("広げる"));
        QCOMPARE(w->layout.geometry(w->txtTalk).height(), 2295);
        QVERIFY(!w->grdBoard->isHidden());
        QVERIFY(!w->fraRes->isHidden());
        QVERIFY(!w->fraDay->isHidden());   // beneath the editing keys
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        QCOMPARE(w->txtTalk->selStart(), 3);   // the end marker highlighted
        QCOMPARE(w->txtTalk->selLength(), 1);
        QVERIFY(w->txtTalk->hasFocus());
    }

    void registeringRewritesEveryLineNewestFirst()
    {
        TestWindow w;
        startWith(w, "\"26.01.01 a\"\r\n\"26.11.30 b\"\r\n\"99.12.31 c\"\r\n");
        openDiary(w);   // today, 99.12.31, 26.11.30, 26.01.01
        openEntry(w, 2);
        TestWindow::tap(w->cmdRevise);
        w->txtTalk->setText("b2_");
        answerNextQuestion(0);
        endDiary(w);
        QCOMPARE(readAll(path(w)),
                 QByteArray("\"99.12.31 c\"\r\n\"26.12.07 \"\r\n\"26.11.30 b2_\"\r\n\"26.01.01 a\"\r\n"));

        // Today's empty row comes back as an empty entry, and only once,
        // though the 1999 entry stands above it.
        openDiary(w);
        QCOMPARE(rows(w->grdDay), (QList<QStringList>{{"99.12.31", "c"}, {kToday, ""},
                                                      {"26.11.30", "b2_"}, {"26.01.01", "a"}}));
    }

    void noLeavesTheFileAsItWas()
    {
        TestWindow w;
        // Shift_JIS, as an older installation wrote it: きのう_
        const QByteArray file("\"26.12.06 \x82\xAB\x82\xCC\x82\xA4_\"\r\n");
        startWith(w, file);
        openDiary(w);
        openEntry(w, 1);
        TestWindow::tap(w->cmdRevise);
        w->txtTalk->setText(u("かえた_"));
        answerNextQuestion(1);
        endDiary(w);
        QCOMPARE(readAll(path(w)), file);
        QCOMPARE(w->txtTalk->text(), u("かえた_"));
        checkBoardMode(w);
    }

    void endingFromTheListAsksNothing()
    {
        TestWindow w;
        w.start();
        openDiary(w);
        // Closes any question by its frame and notes it; gone with the test,
        // so it cannot answer a later test's question.
        bool asked = false;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, [&asked] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                asked = true;
                dialog->close();
            }
        });
        watch.start();
        endDiary(w);
        QVERIFY(!asked);
        QVERIFY(!QFile::exists(path(w)));
        checkBoardMode(w);
    }

    void shiftJisDiaryComesBackByteIdentical()
    {
        TestWindow w;
        // きょう with ① and 髙 (code page 932 extensions), then an older entry.
        const QByteArray file("\"26.12.07 \x82\xAB\x82\xE5\x82\xA4\x87\x40\xFB\xFC_\"\r\n"
                              "\"26.12.06 \x82\xA0\"\r\n");
        startWith(w, file);
        openDiary(w);
        openEntry(w, 0);
        answerNextQuestion(0);
        endDiary(w);
        QCOMPARE(readAll(path(w)), file);
    }

    void backReadsTheListAgainFromRowZero()
    {
        TestWindow w;
        startWith(w, "\"26.12.06 a\"\r\n\"26.12.05 b\"\r\n");
        openDiary(w);
        openEntry(w, 2);
        w->txtTalk->setText("changed_");
        TestWindow::tap(w->cmdBack);
        QCOMPARE(rows(w->grdDay), (QList<QStringList>{{kToday, ""}, {"26.12.06", "a"}, {"26.12.05", "b"}}));
        QCOMPARE(w->state.ListCursorRow, 0);
        QCOMPARE(w->grdDay->cellBackColor(0, 1), colors::LightGreen);
        QCOMPARE(w->grdDay->cellBackColor(2, 1), colors::White);
        QVERIFY(!w->grdDay->isHidden());
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(!w->fraTalk->isHidden());
        QCOMPARE(w->cmdWide->caption(), u("広げる"));
        QCOMPARE(w->layout.geometry(w->txtTalk).height(), 2295);
        QCOMPARE(w->txtTalk->text(), "changed_");
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        stepDown(w);   // the step keys start from row 0
        QCOMPARE(w->state.ListCursorRow, 1);
    }

    void aFailedSaveKeepsTheEntryAndTheDiaryOpen()
    {
        TestWindow w;
        const QByteArray file("\"26.12.06 a\"\r\n");
        startWith(w, file);
        openDiary(w);
        openEntry(w, 0);   // reading, board hidden
        w->txtTalk->setText(u("だいじなこと_"));
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::NoSpace : FileFault::None;
        });
        answerNextQuestion(0);
        QTimer::singleShot(50, [] { answerNextQuestion(0); });   // the notice
        endDiary(w);
        QCOMPARE(readAll(path(w)), file);
        QCOMPARE(w->txtTalk->text(), u("だいじなこと_"));
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        QCOMPARE(w->cmdSamp->caption(), u("日記終了"));
        QVERIFY(!w->grdBoard->isHidden());   // open for revision
        QVERIFY(!w->fraRes->isHidden());

        setFileFaultHook({});
        answerNextQuestion(0);
        endDiary(w);
        QCOMPARE(readAll(path(w)),
                 QByteArray("\"26.12.07 \xE3\x81\xA0\xE3\x81\x84\xE3\x81\x98\xE3\x81\xAA"
                            "\xE3\x81\x93\xE3\x81\xA8_\"\r\n\"26.12.06 a\"\r\n"));
        checkBoardMode(w);
    }

    // キャンセル at the format question: nothing written, the entry still open
    // with the message, so the user can write it otherwise.
    void aDeclinedFormatChangeKeepsTheDiaryOpen()
    {
        TestWindow w;
        const QByteArray file("\"26.12.06 \x82\xCD\x82\xEA\"\r\n");   // はれ in Shift_JIS
        startWith(w, file);
        openDiary(w);
        openEntry(w, 0);
        w->txtTalk->setText(QString::fromUtf16(u"また〜ね_"));   // U+301C: not in code page 932
        answerNextQuestion(0);   // 日記を登録して終了します: ＹＥＳ
        QTimer::singleShot(50, [] { answerNextQuestion(1); });   // the format question
        endDiary(w);
        QCOMPARE(readAll(path(w)), file);
        QVERIFY(!QFile::exists(QDir(w->state.AppDir).filePath("day-kept-1.txt")));
        QCOMPARE(w->txtTalk->text(), QString::fromUtf16(u"また〜ね_"));
        QCOMPARE(w->cmdSamp->caption(), u("日記終了"));
        QVERIFY(!w->grdBoard->isHidden());   // open for revision
    }

    void anUnreadableFileIsToldOnceAndKeptAside()
    {
        TestWindow w;
        const QByteArray file("\"26.12.06 a\"\r\n");
        startWith(w, file);
        setFileFaultHook([](FileOperation op, const QString &file) {
            return op == FileOperation::Read && file.endsWith("day.txt") ? FileFault::CannotOpen
                                                                          : FileFault::None;
        });
        auto notice = answerNextQuestion(0);
        openDiary(w);
        QVERIFY(notice->shown);
        QVERIFY(notice->prompt.contains("day-kept-1.txt"));
        QCOMPARE(notice->buttons, QStringList{u("ＯＫ")});
        QCOMPARE(rows(w->grdDay), (QList<QStringList>{{kToday, ""}}));

        openEntry(w, 0);
        auto again = answerNextQuestion(0);
        TestWindow::tap(w->cmdBack);   // read again, still failing: not told twice
        QVERIFY(!again->shown);
        openEntry(w, 0);
        w->txtTalk->setText("t_");
        endDiary(w);   // the pending answer says ＹＥＳ
        QCOMPARE(readAll(QDir(w->state.AppDir).filePath("day-kept-1.txt")), file);
        QCOMPARE(readAll(path(w)), QByteArray("\"26.12.07 t_\"\r\n"));
    }

    // A damaged line is told once, shown as best it reads, and written back
    // as the very bytes it was read from.
    void damagedLinesAreToldAndKeepTheirBytes()
    {
        TestWindow w;
        const QByteArray damaged("\"26.12.06 \x82\xA0\x85\x40\xFF\xFF\"\r\n");
        startWith(w, "\"26.12.05 \x82\xA2\"\r\n" + damaged);
        auto notice = answerNextQuestion(0);
        openDiary(w);
        QVERIFY(notice->shown);
        QVERIFY2(notice->prompt.contains("壊れて"), qPrintable(notice->prompt));
        QCOMPARE(w->grdDay->rows(), 3);
        openEntry(w, 0);
        w->txtTalk->setText(u("きょう_"));
        answerNextQuestion(0);
        endDiary(w);
        QCOMPARE(readAll(path(w)), "\"26.12.07 \x82\xAB\x82\xE5\x82\xA4_\"\r\n" + damaged
                                       + "\"26.12.05 \x82\xA2\"\r\n");
        QVERIFY(!QFile::exists(QDir(w->state.AppDir).filePath("day-kept-1.txt")));
    }

    // How quickly is the benchmark's to say; here, that the largest diary
    // opens whole and in order.
    void aHundredYearsOpenWhole()
    {
        TestWindow w;
        w.start();
        QStringList lines;
        QDate d(2026, 12, 6);
        for (int i = 0; i < 36500; ++i, d = d.addDays(-1))
            lines << QStringLiteral("\"%1 きょうもげんきにすごしました_\"").arg(d.toString("yy.MM.dd"));
        QVERIFY(writeTextLines(path(w), lines, TextEncoding::ShiftJis).status == TextWriteResult::Written);
        w->diary->LoadDiaryList();
        QCOMPARE(w->grdDay->rows(), 36501);
        QCOMPARE(w->grdDay->textMatrix(0, 0), "99.12.31");   // the two-digit year sorts first
        QCOMPARE(w->grdDay->textMatrix(1, 0), "99.12.30");
    }
};

QTEST_MAIN(DiaryTest)
#include "diary_test.moc"

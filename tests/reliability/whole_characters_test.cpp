// A character outside the Basic Multilingual Plane (😀, 𠮷) is two UTF-16
// code units. Every way of editing the message treats it as one character:
// no caret, highlight or cut ever falls between its halves, and what is
// stored is the character the user wrote.
#include "support/TestWindow.h"
#include <QDir>
#include <QFile>

using namespace pelumo;
using namespace pelumo::test;

namespace {
const QString kSmile = QString::fromUtf8("😀");   // U+1F600
const QString kYoshi = QString::fromUtf8("𠮷");   // U+20BB7

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// One press of an editing key, released as soon as its first step is done.
void tapEditKey(TestWindow &w, int index)
{
    w->edit->cmdRes_MouseDown(index);
    w->edit->cmdRes_MouseUp(index);
    QCoreApplication::processEvents();
}

// Decides the phrase `phrase` from the phrase list, as a user steps to it.
void decidePhrase(TestWindow &w, const QString &phrase)
{
    w->cmdSamp_Click();
    for (int r = 0; r < w->grdEx->rows(); ++r) {
        if (w->grdEx->textMatrix(r, 1) == phrase)
            w->state.ListCursorRow = r;
    }
    QCOMPARE(w->grdEx->textMatrix(w->state.ListCursorRow, 1), phrase);
    TestWindow::tap(w->cmdDec);
}

// The board cell of あ in the hiragana board of ten columns.
void pressA(TestWindow &w) { TestWindow::press(w->grdBoard, 0, 9); }

} // namespace

class WholeCharactersTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: the message with a highlight (start, length), one action,
    // and the message and highlight it must leave.
    void editingOverPairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("startAfter");
        QTest::addColumn<int>("lengthAfter");
        const QString aSmile = u("あ") + kSmile + u("_");   // あ😀_: 😀 at 1..3
        QTest::newRow("a half highlight covers the pair") << aSmile << 1 << 1 << "" << aSmile << 1 << 2;
        QTest::newRow("a caret inside the pair moves to its start") << aSmile << 2 << 0 << "" << aSmile << 1 << 0;
        QTest::newRow("→ onto the pair") << aSmile << 0 << 1 << "→" << aSmile << 1 << 2;
        QTest::newRow("→ from the pair") << aSmile << 1 << 2 << "→" << aSmile << 3 << 1;
        QTest::newRow("→ after a final pair adds the marker")
            << u("あ") + kSmile << 1 << 2 << "→" << aSmile << 3 << 1;
        QTest::newRow("→ on a final pair with no marker, only character")
            << kSmile << 0 << 2 << "→" << kSmile + u("_") << 2 << 1;
        QTest::newRow("← onto the pair") << aSmile << 3 << 1 << "←" << aSmile << 1 << 2;
        QTest::newRow("← from the pair") << aSmile << 1 << 2 << "←" << aSmile << 0 << 1;
        QTest::newRow("ＢＳ on the pair") << aSmile << 1 << 2 << "ＢＳ" << u("あ_") << 0 << 1;
        QTest::newRow("ＢＳ on the marker after the pair") << aSmile << 3 << 1 << "ＢＳ" << u("あ_") << 1 << 1;
        QTest::newRow("ＢＳ leaves the marker alone") << kSmile + u("_") << 2 << 1 << "ＢＳ" << u("_") << 0 << 1;
        QTest::newRow("ＢＳ on a pair at the start")
            << kYoshi + kSmile + u("_") << 0 << 2 << "ＢＳ" << kSmile + u("_") << 0 << 2;
        QTest::newRow("entry in front of the pair")
            << aSmile << 1 << 2 << "あ" << u("ああ") + kSmile + u("_") << 2 << 2;
        QTest::newRow("paste a pair after the marker")
            << u("あ_") << 1 << 1 << "paste" << u("あ_") + kSmile << 1 << 1;
        QTest::newRow("→ onto a pasted pair")
            << u("あ_") + kSmile << 1 << 1 << "→" << u("あ_") + kSmile << 2 << 2;
        QTest::newRow("decide a phrase in front of the pair")
            << aSmile << 1 << 2 << "decide" << u("あ") + kYoshi + u("野") + kSmile + u("_") << 4 << 2;
        const QString nearlyFull = QString(498, u'あ') + u("_");
        QTest::newRow("a pair that does not fit is refused whole")
            << nearlyFull << 498 << 1 << "paste" << nearlyFull << 498 << 1;
        const QString full = QString(497, u'あ') + kSmile + u("_");
        QTest::newRow("a full message refuses an entry")
            << full << 497 << 2 << "あ" << full << 497 << 2;
    }
    void editingOverPairs()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, action);
        TestWindow w({{"OPT1", "2"}});   // one press enters
        writeFile(w.dir.filePath("data/Talk/Talk.txt"), ("\"" + kYoshi + u("野") + "\"\r\n").toUtf8());
        frmTalk &f = w.start();
        f.txtTalk->setText(text);
        f.txtTalk->select(start, start + length);
        if (action == u("→"))
            tapEditKey(w, 0);
        else if (action == u("ＢＳ"))
            tapEditKey(w, 1);
        else if (action == u("←"))
            tapEditKey(w, 2);
        else if (action == u("あ"))
            pressA(w);
        else if (action == u("paste")) {
            w.clipboard.content = kSmile;
            TestWindow::tap(f.cmdPaste);
        } else if (action == u("decide"))
            decidePhrase(w, kYoshi + u("野"));
        QCoreApplication::processEvents();
        QVERIFY(f.txtTalk->text().isValidUtf16());
        QTEST(f.txtTalk->text(), "after");
        QTEST(f.txtTalk->selStart(), "startAfter");
        QTEST(f.txtTalk->selLength(), "lengthAfter");
    }

    // 修正する highlights the entry's last character whole; the next kana goes
    // in front of it and the file gets the character back, not "?あ?".
    void diaryRevisionKeepsAnEmojiWhole()
    {
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        const QString day = QDir(f.state.AppDir).filePath("day.txt");
        writeFile(day, ("\"26.12.07 " + kSmile + "\"\r\n").toUtf8());
        TestWindow::tap(f.cmdSamp);   // the phrase list, 日記 highlighted
        TestWindow::tap(f.cmdDec);   // the diary list
        TestWindow::tap(f.cmdDec);   // today's entry, open for reading
        QCOMPARE(f.txtTalk->text(), kSmile);
        TestWindow::tap(f.cmdRevise);
        QCOMPARE(f.txtTalk->selStart(), 0);
        QCOMPARE(f.txtTalk->selLength(), 2);
        pressA(w);
        QCOMPARE(f.txtTalk->text(), u("あ") + kSmile + u("_"));
        answerNextQuestion(0);
        f.edit->SetNarrowLayout();
        f.diary->EndDiary(f.txtTalk->text());
        QCoreApplication::processEvents();
        QCOMPARE(readFile(day), ("\"26.12.07 あ" + kSmile + "_\"\r\n").toUtf8());
    }
};

QTEST_MAIN(WholeCharactersTest)
#include "whole_characters_test.moc"

#include "phrasebook/core/PhraseFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QElapsedTimer>

using namespace pelumo;
using namespace pelumo::test;

namespace {
constexpr int A_ROW = 0, A_COL = 9;   // あ on the hiragana board

// One-press entry, so that a press on the board enters its character.
TestWindow *withBook(std::unique_ptr<TestWindow> &holder, const QStringList &phrases,
                     std::initializer_list<std::pair<QString, QString>> options = {{"OPT1", "2"}})
{
    holder = std::make_unique<TestWindow>(options);
    QDir().mkpath(holder->dir.filePath("program"));
    QFile f(holder->dir.filePath("program/Talk.txt"));
    if (f.open(QIODevice::WriteOnly))
        for (const QString &p : phrases)
            f.write("\"" + p.toUtf8() + "\"\r\n");
    f.close();
    holder->start();
    return holder.get();
}

QStringList rowsOf(FlexGrid *g)
{
    QStringList out;
    for (int r = 0; r < g->rows(); ++r)
        out << g->textMatrix(r, 0);
    return out;
}
}

class PhraseCandidatesTest : public QObject {
    Q_OBJECT
private slots:
    void typingOffersMatchingPhrases()
    {
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, {kPlaceholderText, "いいえ", "ありがとう", "ああ、そう"});
        frmTalk &f = *w;
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString("あ_"));
        QCOMPARE(rowsOf(f.grdSp), (QStringList{"あ", "ありがとう", "ああ、そう"}));   // file order
        QVERIFY(f.grdSp->isVisible() && f.fraTalk->isVisible());
        QVERIFY(!f.grdBoard->isVisible() && !f.fraRes->isVisible());
        QCOMPARE(f.grdSp->cellBackColor(0, 0), colors::LightGreen);
        QCOMPARE(f.grdSp->cellBackColor(1, 0), colors::White);
        QCOMPARE(f.layout.geometry(f.grdSp), f.layout.geometry(f.grdBoard));
        QCOMPARE(f.state.ListCursorRow, 0);
        QCOMPARE(screenMousePointer(), 0);

        TestWindow::press(f.grdSp, 1, 0);
        QCOMPARE(f.state.ListCursorRow, 1);
        QCOMPARE(f.grdSp->cellBackColor(1, 0), colors::LightGreen);
        QCOMPARE(f.grdSp->cellBackColor(0, 0), colors::White);
    }

    void keyIsTheLastCharactersTyped()
    {
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, {kPlaceholderText, "いあん", "あいさつ"});
        frmTalk &f = *w;
        f.txtTalk->setText("こんに_");
        f.txtTalk->setSelStart(3);
        f.txtTalk->setSelLength(1);
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString("こんにあ_"));
        QVERIFY(!f.grdSp->isVisible());   // key にあ: nothing
        f.phrases->CheckAutoPhrases("あい_", f.txtTalk->selStart());
        QVERIFY(!f.grdSp->isVisible());   // caret of the box not before its last character
        f.txtTalk->setText("あい_");
        f.txtTalk->setSelStart(2);
        f.phrases->CheckAutoPhrases(f.txtTalk->text(), f.txtTalk->selStart());
        QCOMPARE(rowsOf(f.grdSp), (QStringList{"あい", "あいさつ"}));
    }

    void placeholderIsNeverOffered()
    {
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, {kPlaceholderText, "いいえ"});
        frmTalk &f = *w;
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QVERIFY(!f.grdSp->isVisible());
        QVERIFY(f.grdBoard->isVisible() && f.fraRes->isVisible());
        TestWindow::press(f.grdBoard, A_ROW, A_COL);   // ああ: a beginning of the placeholder
        QVERIFY(!f.grdSp->isVisible());
    }

    void nothingWhenOffOrInTheMiddle()
    {
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, {kPlaceholderText, "ありがとう", "いあい"},
                                  {{"OPT1", "2"}, {"Samp", "0"}});
        frmTalk &f = *w;
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QVERIFY(!f.grdSp->isVisible());

        f.state.AutoPhrases = true;
        f.txtTalk->setText("いい_");
        f.txtTalk->setSelStart(1);
        f.txtTalk->setSelLength(1);
        TestWindow::press(f.grdBoard, A_ROW, A_COL);   // いあい_: entered in the middle
        QCOMPARE(f.txtTalk->text(), QString("いあい_"));
        QVERIFY(!f.grdSp->isVisible());
        QCOMPARE(screenMousePointer(), 0);
    }

    void deletedPhraseIsNoLongerOffered()
    {
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, {kPlaceholderText, "ありがとう", "あさ"});
        frmTalk &f = *w;
        TestWindow::tap(f.cmdSamp);
        TestWindow::press(f.grdEx, 2, 1);   // rows: 日記, あさ, ありがとう
        QCOMPARE(f.grdEx->textMatrix(2, 1), QString("ありがとう"));
        answerNextQuestion(0);
        TestWindow::tap(f.cmdSampDel);
        TestWindow::tap(f.cmdSamp);
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(rowsOf(f.grdSp), (QStringList{"あ", "あさ"}));
    }

    void lookupOverTheLargestBookShowsItsRows()
    {
        QStringList phrases{kPlaceholderText};
        for (int i = 0; i < kMaxPhrases; ++i)
            phrases << QString("%1%2ですね、%3").arg(QChar(u'あ' + i % 40)).arg(QChar(u'い' + i % 7)).arg(i);
        std::unique_ptr<TestWindow> h;
        TestWindow &w = *withBook(h, phrases);
        frmTalk &f = *w;
        QElapsedTimer timer;
        timer.start();
        const int rounds = 50;
        for (int i = 0; i < rounds; ++i) {
            f.txtTalk->setText(i % 2 ? "あい_" : "い_");
            f.txtTalk->setSelStart(int(f.txtTalk->text().size()) - 1);
            f.phrases->CheckAutoPhrases(f.txtTalk->text(), f.txtTalk->selStart());
        }
        const double ms = timer.nsecsElapsed() / 1e6 / rounds;
        qInfo("candidates from %d phrases: %.3f ms a lookup, %d rows shown", kMaxPhrases, ms,
              f.grdSp->rows());
        QVERIFY(f.grdSp->rows() > 100);
    }
};

QTEST_MAIN(PhraseCandidatesTest)
#include "phrase_candidates_test.moc"

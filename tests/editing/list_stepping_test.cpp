#include "support/TestWindow.h"

using namespace pelumo;
using namespace pelumo::test;

class ListSteppingTest : public QObject {
    Q_OBJECT

    // The phrase list shown with the diary's row and `phrases` more, the
    // highlight on `cursor`, `top` the first row shown.
    static void showList(TestWindow &w, int phrases, int cursor, int top = 0)
    {
        QStringList book;
        for (int r = 1; r <= phrases; ++r)
            book << QStringLiteral("れい%1").arg(r, 2, 10, QLatin1Char('0'));
        w.putPhrases(book);
        w.start();
        TestWindow::tap(w->cmdSamp);
        QCOMPARE(w->state.screen.shown, Screen::PhraseList);
        TestWindow::press(w->grdEx, cursor, 1);
        w->grdEx->setTopRow(top);
    }
    // Holds a list key for up to `steps` steps, recording the top row after each.
    static QList<int> hold(TestWindow &w, CommandButton *key, int steps, FlexGrid *grid)
    {
        QList<int> tops;
        QTest::mousePress(key, Qt::LeftButton);
        tops << grid->topRow();
        while (tops.size() < steps && w.clock.running() > 0) {
            w.clock.advance(HoldRepeat::kIntervalMs);
            tops << grid->topRow();
        }
        QTest::mouseRelease(key, Qt::LeftButton);
        return tops;
    }

private slots:
    void downSettlesOnTheThirdVisibleRow()
    {
        TestWindow w;
        showList(w, 7, 0);
        const QList<int> tops = hold(w, w->cmdDown, 4, w->grdEx);
        QCOMPARE(tops, (QList<int>{0, 0, 1, 2}));
        QCOMPARE(w->state.ListCursorRow, 4);
        QCOMPARE(w->grdEx->cellBackColor(4, 1), colors::LightGreen);
        QCOMPARE(w->grdEx->cellBackColor(3, 1), colors::White);
        QCOMPARE(w->cmdDown->backColor(), OleColor(0x80FF80));
    }

    void theRepeatStopsAtEitherEnd()
    {
        TestWindow w;
        showList(w, 2, 0);
        QCOMPARE(hold(w, w->cmdDown, 10, w->grdEx).size(), 3);   // the third step found the end
        QCOMPARE(w->state.ListCursorRow, 2);
        hold(w, w->cmdUp, 10, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 0);
        QCOMPARE(hold(w, w->cmdUp, 10, w->grdEx).size(), 1);
        QCOMPARE(w->state.ListCursorRow, 0);
        QCOMPARE(w.clock.running(), 0);
    }

    void upScrollsWhileItCan()
    {
        TestWindow w;
        showList(w, 11, 5, 3);
        hold(w, w->cmdUp, 1, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 4);
        QCOMPARE(w->grdEx->topRow(), 2);
    }

    void decidingAPhraseTrimsItAndBringsTheBoard()
    {
        TestWindow w;
        w.putPhrases({QStringLiteral("　おはよう "), QStringLiteral("ん")});
        w.start();
        w->txtTalk->setText(QStringLiteral("あ_"));
        w->txtTalk->setSelStart(1);
        TestWindow::tap(w->cmdSamp);
        TestWindow::press(w->grdEx, 1, 1);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), QStringLiteral("あおはよう_"));
        QCOMPARE(w->txtTalk->selStart(), 5);
        QCOMPARE(w->txtTalk->selLength(), 1);
        QCOMPARE(w->state.screen.shown, Screen::Board);
        QVERIFY(w->grdBoard->isVisible() && w->fraRes->isVisible());
        QVERIFY(!w->grdEx->isVisible() && !w->fraTalk->isVisible());
        QCOMPARE(w->cmdSamp->caption(), QStringLiteral("例文表示"));
        QVERIFY(w->isEnabled());
    }

    void decidingTheDiaryRowKeepsTheListPanel()
    {
        TestWindow w;
        showList(w, 1, 0);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->state.screen.shown, Screen::DiaryList);
        QCOMPARE(w->cmdSamp->caption(), QStringLiteral("日記終了"));
        QVERIFY(w->fraTalk->isVisible());
        QVERIFY(!w->grdEx->isVisible() && !w->cmdSampADD->isVisible() && !w->cmdSampDel->isVisible());
        QVERIFY(w->isEnabled());
    }

    void decidingADiaryRowOpensItForRevision()
    {
        TestWindow w;
        QDir().mkpath(w.dir.filePath("program"));
        QFile day(w.dir.filePath("program/day.txt"));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("\"26.12.01 さんぽした \"\r\n");
        day.close();
        showList(w, 1, 0);
        TestWindow::tap(w->cmdDec);
        TestWindow::press(w->grdDay, 1, 1);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), QStringLiteral("さんぽした"));
        QCOMPARE(w->txtTalk->selStart(), 5);
        QCOMPARE(w->state.DiaryEditRow, 1);
        QCOMPARE(w->state.screen.shown, Screen::DiaryEntry);
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        QCOMPARE(w->cmdWide->caption(), QStringLiteral("狭める"));
        QVERIFY(w->layout.geometry(w->txtTalk).height() > 2300);
        QVERIFY(w->fraDay->isVisible() && !w->grdDay->isVisible() && !w->fraTalk->isVisible());
    }

    void aCandidatePastTheLimitIsRefused()
    {
        TestWindow w;
        w.putPhrases({QStringLiteral("ありがとう")});
        w.start();
        const QString full = QString(496, u'い') + QStringLiteral("あり_");
        w->txtTalk->setText(full);
        w->txtTalk->setSelStart(498);
        w->phrases->CheckAutoPhrases(full, 498);
        QCOMPARE(w->state.screen.shown, Screen::Candidates);
        TestWindow::press(w->grdSp, 1, 0);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), full);
        QCOMPARE(w.beeper.count, 1);
        QVERIFY(w->grdBoard->isVisible());
    }
};

QTEST_MAIN(ListSteppingTest)
#include "list_stepping_test.moc"

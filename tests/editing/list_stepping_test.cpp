#include "support/TestWindow.h"

using namespace pelumo;
using namespace pelumo::test;

class ListSteppingTest : public QObject {
    Q_OBJECT

    // The phrase list shown with `rows` rows, highlight on `cursor`.
    static void showList(frmTalk &w, FlexGrid *grid, int rows, int cursor, int top = 0)
    {
        grid->setCols(2);
        grid->setRows(rows);
        for (int r = 0; r < rows; ++r)
            grid->setTextMatrix(r, 1, QStringLiteral("れい%1").arg(r));
        w.fraRes->hide();
        w.fraTalk->show();
        grid->show();
        grid->setTopRow(top);
        w.state.ListCursorRow = cursor;
        grid->setRow(cursor);
        grid->setCol(1);
        grid->setCellBackColor(colors::LightGreen);
    }
    // Holds a list key for `steps` pauses, recording the top row after each.
    static QList<int> hold(TestWindow &w, CommandButton *key, int steps, FlexGrid *grid)
    {
        QList<int> tops;
        w.clock.onSleep = [&] {
            tops << grid->topRow();
            if (tops.size() >= steps)
                QTest::mouseRelease(key, Qt::LeftButton);
        };
        QTest::mousePress(key, Qt::LeftButton);
        QTest::mouseRelease(key, Qt::LeftButton);
        w.clock.onSleep = nullptr;
        return tops;
    }

private slots:
    void downSettlesOnTheThirdVisibleRow()
    {
        TestWindow w;
        w.start();
        showList(*w, w->grdEx, 8, 0);
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
        w.start();
        showList(*w, w->grdEx, 3, 0);
        hold(w, w->cmdDown, 10, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 2);
        QCOMPARE(w.clock.sleeps, 2);   // the third step found the end
        hold(w, w->cmdUp, 10, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 0);
        w.clock.sleeps = 0;
        hold(w, w->cmdUp, 10, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 0);
        QCOMPARE(w.clock.sleeps, 0);
    }

    void upScrollsWhileItCan()
    {
        TestWindow w;
        w.start();
        showList(*w, w->grdEx, 12, 5, 3);
        hold(w, w->cmdUp, 1, w->grdEx);
        QCOMPARE(w->state.ListCursorRow, 4);
        QCOMPARE(w->grdEx->topRow(), 2);
    }

    void decidingAPhraseTrimsItAndBringsTheBoard()
    {
        TestWindow w;
        w.start();
        showList(*w, w->grdEx, 3, 2);
        w->grdEx->setTextMatrix(2, 1, QStringLiteral("　おはよう "));
        w->txtTalk->setText(QStringLiteral("あ_"));
        w->txtTalk->setSelStart(1);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), QStringLiteral("あおはよう_"));
        QCOMPARE(w->txtTalk->selStart(), 5);
        QCOMPARE(w->txtTalk->selLength(), 1);
        QVERIFY(w->grdBoard->isVisible() && w->fraRes->isVisible());
        QVERIFY(!w->grdEx->isVisible() && !w->fraTalk->isVisible());
        QCOMPARE(w->cmdSamp->caption(), QStringLiteral("例文表示"));
        QVERIFY(w->isEnabled());
    }

    void decidingTheDiaryRowKeepsTheListPanel()
    {
        TestWindow w;
        w.start();
        showList(*w, w->grdEx, 2, 0);
        w->grdEx->setTextMatrix(0, 1, QStringLiteral("日記"));
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->cmdSamp->caption(), QStringLiteral("日記終了"));
        QVERIFY(w->fraTalk->isVisible());
        QVERIFY(!w->grdEx->isVisible() && !w->cmdSampADD->isVisible() && !w->cmdSampDel->isVisible());
        QVERIFY(w->isEnabled());
    }

    void decidingADiaryRowOpensItForRevision()
    {
        TestWindow w;
        w.start();
        showList(*w, w->grdDay, 3, 1);
        w->grdDay->setTextMatrix(1, 1, QStringLiteral("さんぽした "));
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), QStringLiteral("さんぽした"));
        QCOMPARE(w->txtTalk->selStart(), 5);
        QCOMPARE(w->state.DiaryEditRow, 1);
        QCOMPARE(w->txtTalk->backColor(), colors::LightGreen);
        QCOMPARE(w->cmdWide->caption(), QStringLiteral("狭める"));
        QVERIFY(w->layout.geometry(w->txtTalk).height() > 2300);
        QVERIFY(w->fraDay->isVisible() && !w->grdDay->isVisible() && !w->fraTalk->isVisible());
    }

    void aCandidatePastTheLimitIsRefused()
    {
        TestWindow w;
        w.start();
        w->grdSp->setCols(1);
        w->grdSp->setRows(2);
        w->grdSp->setTextMatrix(1, 0, QStringLiteral("ありがとう"));
        w->fraTalk->show();
        w->grdSp->show();
        w->state.ListCursorRow = 1;
        const QString full = QString(498, u'あ') + u'_';
        w->txtTalk->setText(full);
        w->txtTalk->setSelStart(498);
        TestWindow::tap(w->cmdDec);
        QCOMPARE(w->txtTalk->text(), full);
        QCOMPARE(w.beeper.count, 1);
        QVERIFY(w->grdBoard->isVisible());
    }
};

QTEST_MAIN(ListSteppingTest)
#include "list_stepping_test.moc"

#include "support/TestWindow.h"

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {
// Cells of the standard hiragana board.
constexpr int A_ROW = 0, A_COL = 9;   // あ
constexpr int I_ROW = 1, I_COL = 9;   // い
constexpr int KI_ROW = 1, KI_COL = 8; // き

int colouredCells(FlexGrid *g)
{
    int n = 0;
    for (int r = 0; r < g->rows(); ++r)
        for (int c = 0; c < g->cols(); ++c)
            n += g->cellBackColor(r, c) != colors::White;
    return n;
}
}

class BoardPressesTest : public QObject {
    Q_OBJECT
private slots:
    void oneClickEntryMode()
    {
        TestWindow w({{"OPT1", "2"}, {"Beep", "1"}});
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString("あ_"));
        QCOMPARE(f.txtTalk->selStart(), 1);
        QCOMPARE(f.txtTalk->selLength(), 1);   // the highlight on the marker
        QCOMPARE(f.grdBoard->cellBackColor(A_ROW, A_COL), colors::Desktop);
        QCOMPARE(w.beeper.count, 1);
        TestWindow::press(f.grdBoard, I_ROW, I_COL);
        QCOMPARE(f.txtTalk->text(), QString("あい_"));
        QCOMPARE(f.txtTalk->selStart(), 2);
        QCOMPARE(colouredCells(f.grdBoard), 1);
        QVERIFY(!f.fraSet->isVisible());
    }

    void entryInTheMiddleGoesAtTheCaret()
    {
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        f.txtTalk->setText("かい_");
        f.txtTalk->setSelStart(1);
        f.txtTalk->setSelLength(1);
        TestWindow::press(f.grdBoard, KI_ROW, KI_COL);
        QCOMPARE(f.txtTalk->text(), QString("かきい_"));
        QCOMPARE(f.txtTalk->selStart(), 2);
        QCOMPARE(f.txtTalk->selLength(), 1);   // い highlighted
    }

    void twoClickEntryMode()
    {
        TestWindow w({{"OPT1", "3"}});
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString());
        QCOMPARE(f.state.board.FirstPress, QString("あ"));
        QCOMPARE(f.grdBoard->cellBackColor(A_ROW, A_COL), colors::LightGreen);
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString("あ_"));
        QCOMPARE(f.grdBoard->cellBackColor(A_ROW, A_COL), colors::LightGrey);
        TestWindow::press(f.grdBoard, A_ROW, A_COL);   // entered again at once
        QCOMPARE(f.txtTalk->text(), QString("ああ_"));
        TestWindow::press(f.grdBoard, I_ROW, I_COL);   // a new first press
        TestWindow::press(f.grdBoard, A_ROW, A_COL);   // first press again
        QCOMPARE(f.txtTalk->text(), QString("ああ_"));
        QCOMPARE(f.state.board.FirstPress, QString("あ"));
        QCOMPARE(colouredCells(f.grdBoard), 1);
    }

    void oneClickSelectionMode()
    {
        TestWindow w;
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, KI_ROW, KI_COL);
        QVERIFY(f.fraSet->isVisible());
        QCOMPARE(f.layout.geometry(f.fraSet).topLeft(), QPoint(0, 2400));
        QCOMPARE(f.grdBoard2->textMatrix(1, 1), QString("き"));
        QCOMPARE(f.grdBoard->cellBackColor(KI_ROW, KI_COL), colors::Desktop);
        QCOMPARE(f.txtTalk->text(), QString());
        QCOMPARE(f.txtTalk->selLength(), 0);   // no keystroke while the screen shows
    }

    void twoClickSelectionMode()
    {
        TestWindow w({{"OPT1", "1"}});
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, KI_ROW, KI_COL);
        QVERIFY(!f.fraSet->isVisible());
        QCOMPARE(f.state.board.FirstPress, QString("き"));
        TestWindow::press(f.grdBoard, KI_ROW, KI_COL);
        QVERIFY(f.fraSet->isVisible());
        QCOMPARE(f.grdBoard2->textMatrix(1, 1), QString("き"));
        QCOMPARE(f.grdBoard->cellBackColor(KI_ROW, KI_COL), colors::LightGrey);
    }

    void emptyCells_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("screenShown");
        QTest::newRow("one-click entry enters a space") << "2" << "\u3000\u3000\u3000_" << false;
        QTest::newRow("one-click selection opens") << "0" << "" << true;
        QTest::newRow("two-click entry never completes") << "3" << "" << false;
        QTest::newRow("two-click selection never opens") << "1" << "" << false;
    }
    void emptyCells()
    {
        QFETCH(QString, mode);
        TestWindow w({{"OPT1", mode}, {"gMaxC", "14"}});
        frmTalk &f = w.start();
        TestWindow::tap(f.cmdKey);
        TestWindow::tap(f.cmdKey);   // alphanumeric: columns 10 to 14 empty
        for (int i = 0; i < 3; ++i) {
            TestWindow::press(f.grdBoard, 2, 12);
            if (i < 2)
                f.fraSet->hide();
        }
        QTEST(f.txtTalk->text(), "message");
        QTEST(f.fraSet->isVisible(), "screenShown");
    }

    void unknownModeOnlyBeeps()
    {
        TestWindow w({{"OPT1", "7"}, {"Beep", "1"}});
        frmTalk &f = w.start();
        f.state.FirstScreenMode = FirstPressMode(7);   // as if a later reading let it through
        TestWindow::press(f.grdBoard, A_ROW, A_COL);
        QCOMPARE(f.txtTalk->text(), QString());
        QVERIFY(!f.fraSet->isVisible());
        QCOMPARE(w.beeper.count, 1);
    }

    void fullMessageRefusesTheEntry()
    {
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        const QString full = QString(499, u'あ') + "_";
        f.txtTalk->setText(full);
        f.txtTalk->setSelStart(499);
        TestWindow::press(f.grdBoard, I_ROW, I_COL);
        QCOMPARE(f.txtTalk->text(), full);
    }
};

QTEST_MAIN(BoardPressesTest)
#include "board_presses_test.moc"

#include "support/TestWindow.h"

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {
QStringList screenRows(FlexGrid *g)
{
    QStringList rows;
    for (int r = 0; r < 3; ++r)
        rows << g->textMatrix(r, 0) + "|" + g->textMatrix(r, 1) + "|" + g->textMatrix(r, 2);
    return rows;
}
}

class SelectionScreenTest : public QObject {
    Q_OBJECT
private slots:
    void neighboursAndVariants_data()
    {
        QTest::addColumn<QString>("gMaxC");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("screen");
        QTest::newRow("き in the middle") << "9" << 1 << 8 << QStringList{"さ|か|が", "し|き|ぎ", "す|く|ぐ"};
        QTest::newRow("top-left わ") << "9" << 0 << 0 << QStringList{"||", "|わ|ら", "|を|り"};
        QTest::newRow("bottom row お") << "9" << 4 << 9 << QStringList{"け|え|ぇ", "こ|お|ぉ", "||"};
        QTest::newRow("あ column has no right neighbour") << "9" << 0 << 9 << QStringList{"||", "か|あ|ぁ", "き|い|ぃ"};
        QTest::newRow("つ and は rows") << "9" << 2 << 4 << QStringList{"ぴ|ひ|び", "ぷ|ふ|ぶ", "ぺ|へ|べ"};
        QTest::newRow("つ") << "9" << 2 << 6 << QStringList{"に|ち|ぢ", "っ|つ|づ", "ね|て|で"};
        QTest::newRow("15 columns: no right neighbour past 9") << "14" << 2 << 10 << QStringList{"ひ|に|", "ふ|ぬ|", "へ|ね|"};
        QTest::newRow("15 columns: い at 14") << "14" << 1 << 14 << QStringList{"か|あ|ぁ", "き|い|ぃ", "く|う|ぅ"};
        QTest::newRow("15 columns: ぱ row keeps its own") << "14" << 0 << 0 << QStringList{"||", "|ぱ|ば", "|ぴ|び"};
    }
    void neighboursAndVariants()
    {
        QFETCH(QString, gMaxC);
        QFETCH(int, row);
        QFETCH(int, col);
        TestWindow w({{"gMaxC", gMaxC}});
        frmTalk &f = w.start();
        f.board->BuildSelectionBoard(col, row);
        QTEST(screenRows(f.grdBoard2), "screen");
        QCOMPARE(f.grdBoard2->colWidth(2), 5250);
        QCOMPARE(f.grdBoard2->cellAlignment(2, 2), int(FlexGrid::AlignCenterBottom));
    }

    void oneClickEntryOnTheScreen()
    {
        TestWindow w({{"Beep", "1"}});
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, 1, 8);    // き
        TestWindow::press(f.grdBoard2, 1, 2);   // ぎ
        QVERIFY(!f.fraSet->isVisible());
        QCOMPARE(f.txtTalk->text(), QString("ぎ_"));
        QCOMPARE(f.txtTalk->selStart(), 1);
        QCOMPARE(f.txtTalk->selLength(), 1);
        QCOMPARE(f.state.board.SelectedChar, QString("ぎ"));
        QCOMPARE(w.beeper.count, 2);
    }

    void twoClickEntryAndItsMemory()
    {
        TestWindow w({{"OPT2", "1"}});
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, 1, 8);
        TestWindow::press(f.grdBoard2, 1, 1);
        QVERIFY(f.fraSet->isVisible());
        QCOMPARE(f.grdBoard2->cellBackColor(1, 1), colors::LightGreen);
        QCOMPARE(f.txtTalk->text(), QString());
        TestWindow::press(f.grdBoard2, 1, 1);
        QCOMPARE(f.grdBoard2->cellBackColor(1, 1), colors::LightGrey);
        QVERIFY(!f.fraSet->isVisible());
        QCOMPARE(f.txtTalk->text(), QString("き_"));
        // Reopened around another cell that also shows き: entered at once.
        TestWindow::press(f.grdBoard, 0, 8);    // か, with き below it
        QCOMPARE(f.grdBoard2->textMatrix(2, 1), QString("き"));
        TestWindow::press(f.grdBoard2, 2, 1);
        QCOMPARE(f.txtTalk->text(), QString("きき_"));
    }

    void emptyCellEntersNothing()
    {
        TestWindow w;
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, 0, 0);
        TestWindow::press(f.grdBoard2, 0, 1);
        QVERIFY(f.fraSet->isVisible());
        QCOMPARE(f.txtTalk->text(), QString());
    }

    void spaceAndBack()
    {
        TestWindow w;
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, 1, 8);
        TestWindow::tap(f.cmdspace);
        QCOMPARE(f.txtTalk->text(), QString("\u3000_"));
        QVERIFY(f.fraSet->isVisible());
        TestWindow::tap(f.cmdEnd2);
        QVERIFY(!f.fraSet->isVisible());
        QCOMPARE(f.txtTalk->text(), QString("\u3000_"));
        QCOMPARE(f.grdBoard->cellBackColor(1, 8), colors::Desktop);   // colours kept
        TestWindow::tap(f.cmdKey);
        TestWindow::tap(f.cmdKey);   // alphanumeric
        f.txtTalk->setText(QString());
        TestWindow::press(f.grdBoard, 1, 0);
        QCOMPARE(f.cmdKey->caption(), QString("英数"));
        QVERIFY(f.fraSet->isVisible());
        QCOMPARE(f.txtTalk->text(), QString());
        TestWindow::tap(f.cmdspace);
        QCOMPARE(f.txtTalk->text(), QString(" _"));
    }

    void screenCoversTheBoard()
    {
        TestWindow w;
        frmTalk &f = w.start();
        TestWindow::press(f.grdBoard, 1, 8);
        const QRect board = f.grdBoard->geometry().united(f.fraRes->geometry());
        QVERIFY(f.fraSet->geometry().contains(board));
        QCOMPARE(f.childAt(f.grdBoard->geometry().center())->parentWidget(), f.fraSet);
    }
};

QTEST_MAIN(SelectionScreenTest)
#include "selection_screen_test.moc"

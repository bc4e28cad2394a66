// Dwell on the real window: the pointer resting on a key presses it.
#include "support/TestWindow.h"
#include <QCursor>

using namespace pelumo;
using pelumo::test::TestWindow;

class DwellWindowTest : public QObject {
    Q_OBJECT
private slots:
    void restingOnAKanaEntersIt()
    {
        TestWindow t({{"InputMode", "3"}, {"DwellTime", "600"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect ki = w.grdBoard->cellRect(1, 8);
        QCursor::setPos(w.grdBoard->mapToGlobal(ki.center()));
        t.clock.advance(330);
        QCOMPARE(w.state.screen.shown, Screen::Board);
        QVERIFY(w.scanFrame->ringFraction() > 0.4 && w.scanFrame->ringFraction() < 0.6);
        t.clock.advance(330);
        QCOMPARE(w.state.screen.shown, Screen::Selection);   // き, as a touch opens it
        // On the selection screen the same spot holds another cell: the
        // pointer must move before anything new is pressed.
        t.clock.advance(2000);
        QCOMPARE(w.state.screen.shown, Screen::Selection);
        QCursor::setPos(w.grdBoard2->mapToGlobal(w.grdBoard2->cellRect(1, 1).center()));
        t.clock.advance(700);
        QCOMPARE(w.state.screen.shown, Screen::Board);
        QCOMPARE(w.message->text(), QString("き_"));
    }

    // Resting on ← repeats it at the hold rate until the pointer leaves.
    void restingOnARepeatKeyRepeats()
    {
        TestWindow t({{"InputMode", "3"}, {"DwellTime", "300"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.message->setText(QStringLiteral("あいうえおかきくけこ"), 10);
        QCursor::setPos(w.cmdRes[2]->mapToGlobal(w.cmdRes[2]->rect().center()));
        auto wait = [&t](int ms) {
            t.clock.advance(ms);
            QCoreApplication::processEvents();   // the caret moves by posted keys
        };
        wait(330);   // pressed: one step at once
        QCOMPARE(w.txtTalk->selStart(), 9);
        for (int i = 0; i < 3; ++i)
            wait(230);
        QCursor::setPos(w.cmdRead->mapToGlobal(QPoint(-40, -40)));
        wait(30);
        for (int i = 0; i < 3; ++i)
            wait(230);
        QCOMPARE(w.txtTalk->selStart(), 6);
        QVERIFY(!w.cmdRes[2]->isDown());
    }

    // 終了 and 設定 are a carer's touch: resting on them does nothing.
    void carersButtonsIgnoreDwell()
    {
        TestWindow t({{"InputMode", "3"}, {"DwellTime", "300"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCursor::setPos(w.cmdEnd->mapToGlobal(w.cmdEnd->rect().center()));
        t.clock.advance(2000);
        QVERIFY(w.isVisible());
        QCOMPARE(w.scanFrame->ringFraction(), -1.0);
    }
};

QTEST_MAIN(DwellWindowTest)
#include "dwell_window_test.moc"

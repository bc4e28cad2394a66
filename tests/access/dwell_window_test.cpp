// Dwell on the real window: the pointer resting on a key presses it, in the
// main window and in every dialog, whoever opened the dialog.
#include "access/TargetPress.h"
#include "app/UnaskedNotice.h"
#include "support/TestWindow.h"

using namespace pelumo;
using namespace pelumo::test;


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
        t.wait(330);
        QCOMPARE(w.state.screen.shown, Screen::Board);
        QVERIFY(w.scanFrame->ringFraction() > 0.4 && w.scanFrame->ringFraction() < 0.6);
        t.wait(330);
        QCOMPARE(w.state.screen.shown, Screen::Selection);   // き, as a touch opens it
        // On the selection screen the same spot holds another cell: the
        // pointer must move before anything new is pressed.
        t.wait(2000);
        QCOMPARE(w.state.screen.shown, Screen::Selection);
        QCursor::setPos(w.grdBoard2->mapToGlobal(w.grdBoard2->cellRect(1, 1).center()));
        t.wait(700);
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
        auto settle = [&t](int ms) {
            t.wait(ms);
            QCoreApplication::processEvents();   // the caret moves by posted keys
        };
        settle(330);   // pressed: one step at once
        QCOMPARE(w.txtTalk->selStart(), 9);
        for (int i = 0; i < 3; ++i)
            settle(230);
        QCursor::setPos(w.cmdRead->mapToGlobal(QPoint(-40, -40)));
        settle(30);
        for (int i = 0; i < 3; ++i)
            settle(230);
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
        t.wait(2000);
        QVERIFY(w.isVisible());
        QCOMPARE(w.scanFrame->ringFraction(), -1.0);
    }

    // The ring fills round the target without hiding any of its caption:
    // every pixel it paints was the target's plain background. Fault: a ring
    // drawn over the kana it is about to press.
    void ringHidesNoGlyph_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("あ") << "grdBoard" << 0 << 9;
        QTest::newRow("を") << "grdBoard" << 1 << 0;
        QTest::newRow("？") << "grdBoard" << 4 << 7;
        QTest::newRow("例文表示") << "cmdSamp" << -1 << -1;
        QTest::newRow("読む") << "cmdRead" << -1 << -1;
        QTest::newRow("← (upright)") << "cmdRes2" << -1 << -1;
        QTest::newRow("始め") << "cmdStart" << -1 << -1;
    }
    void ringHidesNoGlyph()
    {
        QFETCH(QString, name);
        QFETCH(int, row);
        QFETCH(int, col);
        TestWindow t({{"InputMode", "3"}, {"DwellTime", "1000"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const ScanTarget target = row < 0 ? ScanTarget::control(name) : ScanTarget::cell(name, row, col);
        const QRect r = targetRect(&w, target);
        QVERIFY(!r.isEmpty());
        const QImage before = w.grab(r).toImage();
        QCursor::setPos(w.mapToGlobal(r.center()));
        t.wait(950);
        QVERIFY(w.scanFrame->ringFraction() > 0.8);
        const QImage during = w.grab(r).toImage();
        QHash<QRgb, int> counts;   // the commonest colour is the background
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                ++counts[before.pixel(x, y)];
        const QRgb background = std::max_element(counts.begin(), counts.end()).key();
        int painted = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != during.pixel(x, y) && ++painted)
                    QVERIFY2(before.pixel(x, y) == background,
                             qPrintable(QString("the ring covers the caption at %1,%2").arg(x).arg(y)));
        QVERIFY2(painted > r.height(), "no ring to be seen");
    }

    // Every dialog, opened by a touch, by dwell, by a press given from the
    // event loop as the switches give it, or by the program itself, is
    // answered by dwell alone. Faults: a dialog opened by a dwell press that
    // dwell cannot work (the press inside dwell's own tick), an answer that
    // lands on the wrong button, a dialog dwell cannot see at all.
    void everyDialogAnsweredByDwell_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("firstScreen");
        const QString kept = QStringLiteral("ありがとう");
        const QStringList cancel{"cmdOK1"}, ok{"cmdOK0"};
        QTest::newRow("始め touched, キャンセル") << "touch" << "cmdStart" << cancel << kept << "2";
        QTest::newRow("始め by dwell, キャンセル") << "dwell" << "cmdStart" << cancel << kept << "2";
        QTest::newRow("始め by dwell, ＯＫ") << "dwell" << "cmdStart" << ok << "" << "2";
        QTest::newRow("始め by a switch, ＯＫ") << "switch" << "cmdStart" << ok << "" << "2";
        QTest::newRow("例文追加's notice, touched") << "touch" << "cmdSampADD" << ok << kept << "2";
        QTest::newRow("例文追加's notice, by dwell") << "dwell" << "cmdSampADD" << ok << kept << "2";
        QTest::newRow("例文追加's notice, by a switch") << "switch" << "cmdSampADD" << ok << kept << "2";
        QTest::newRow("a notice unasked") << "unasked" << "" << ok << kept << "2";
        // 設定 is a carer's touch; the user works the dialog.
        QTest::newRow("設定 touched, キャンセル") << "touch" << "cmdOpt" << QStringList{"Option1_0", "cmdOK_0"}
                                         << kept << "2";
        QTest::newRow("設定 touched, 確定") << "touch" << "cmdOpt" << QStringList{"Option1_0", "cmdOK_1"}
                                      << kept << "0";
    }
    void everyDialogAnsweredByDwell()
    {
        QFETCH(QString, opener);
        QFETCH(QString, opens);
        QFETCH(QStringList, presses);
        QFETCH(QString, message);
        QFETCH(QString, firstScreen);
        TestWindow t({{"InputMode", "3"}, {"DwellTime", "300"}, {"OPT1", "2"}});
        t.putPhrases({QStringLiteral("ありがとう")});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.message->setText(QStringLiteral("ありがとう"), 5);

        auto in = inNextDialog([&t, presses](QWidget *dialog) {
            for (const QString &name : presses)
                if (auto *target = dialog->findChild<QWidget *>(name))
                    t.dwellOn(target);
        });
        auto *control = w.findChild<QWidget *>(opens);
        if (opener == "touch") {
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (opener == "dwell") {
            t.dwellOn(control);
        } else if (opener == "switch") {
            QTimer::singleShot(0, &w, [&w, opens] { clickTarget(&w, ScanTarget::control(opens)); });
        } else {
            tellUnasked(w, QStringLiteral("お知らせ"), QStringLiteral("Pelumo"));
            t.wait(1200);
        }
        QTRY_VERIFY(in->ran);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(!in->stuck, "dwell could not answer the dialog");
        QCOMPARE(w.message->text(), message);
        QCOMPARE(t.settings->read("OPT1", ""), firstScreen);
    }
};

QTEST_MAIN(DwellWindowTest)
#include "dwell_window_test.moc"

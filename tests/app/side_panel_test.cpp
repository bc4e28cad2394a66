// The side panel on the real window: where it stands, and each of its commands.
#include "support/TestWindow.h"
#include "access/TargetPress.h"
#include "widgets/FlashWindow.h"

using namespace pelumo;
using namespace pelumo::test;

namespace {

void sized(frmTalk &w, QSize size)
{
    w.resize(size);
    QCoreApplication::processEvents();
}

void type(frmTalk &w, int row, int col)
{
    TestWindow::press(w.grdBoard, row, col);
    TestWindow::press(w.grdBoard2, 1, 1);
}

} // namespace

class SidePanelTest : public QObject {
    Q_OBJECT
private slots:
    // A wide full screen: the panel in the free strip, the layout's scale as
    // without it. The layout's own size: no panel, unless room is asked for.
    void standsWhereThereIsRoom()
    {
        TestWindow t;
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1920, 1080));
        QVERIFY(w.panel->isVisible());
        QCOMPARE(w.layout.scale().factor(), 1080 / 741.0);
        QVERIFY(w.panel->geometry().left() >= w.grdBoard->geometry().right());
        QVERIFY(w.panel->geometry().right() < 1920);
        const QSize call = w.panel->cmdCall->size(), cell = w.grdBoard->cellRect(0, 0).size();
        QVERIFY(qAbs(call.width() - cell.width()) <= 2 && qAbs(call.height() - cell.height()) <= 2);

        sized(w, QSize(1018, 741));
        QVERIFY(!w.panel->isVisible());
        QCOMPARE(w.layout.scale().factor(), 1.0);

        TestWindow roomy({{"SidePanel", "1"}});
        roomy.putPhrases({});
        frmTalk &r = roomy.start();
        sized(r, QSize(1018, 741));
        QVERIFY(r.panel->isVisible());
        QVERIFY(r.layout.scale().factor() < 1.0);
        // Everything of the layout is still there to press, beside the panel.
        for (QWidget *c : std::initializer_list<QWidget *>{r.grdBoard, r.cmdRead, r.cmdKey, r.fraText})
            QVERIFY(c->geometry().right() < r.panel->geometry().left());
        QVERIFY(r.panel->geometry().right() < 1018);
    }

    // Fault: the selection screen's frame, wider than the board, laid over
    // the panel's first column (もう一度 and はい half hidden, their left
    // halves dead to a touch).
    void staysWholeOverTheSelectionScreen()
    {
        TestWindow t;
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1920, 1080));
        TestWindow::press(w.grdBoard, 0, 0);
        QCOMPARE(w.state.screen.shown, Screen::Selection);
        for (CommandButton *b : {w.panel->cmdCall, w.panel->cmdAgain, w.panel->cmdYes}) {
            const QPoint leftEdge = b->mapTo(&w, QPoint(2, b->height() / 2));
            QCOMPARE(w.childAt(leftEdge), b);
        }
    }

    // 始め → ＯＫ → 元に戻す: the message back with its highlight.
    void undoAfterStartingOver()
    {
        TestWindow t({{"SidePanel", "1"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        type(w, 0, 9);
        type(w, 0, 8);
        const QString before = w.message->text();
        const int start = w.message->selStart(), length = w.message->selLength();
        test::answerNextQuestion(0);
        TestWindow::tap(w.cmdStart);
        QCOMPARE(w.message->text(), QString());
        TestWindow::tap(w.panel->cmdUndo);
        QCOMPARE(w.message->text(), before);
        QCOMPARE(w.message->selStart(), start);
        QCOMPARE(w.message->selLength(), length);
    }

    // もう一度 says the message read last, after it was started over; 履歴
    // then 決定 puts an older one back; はい is said without touching it.
    void againHistoryAndAnswers()
    {
        TestWindow t({{"SidePanel", "1"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        type(w, 0, 9);                        // あ
        TestWindow::tap(w.cmdRead);
        TestWindow::tap(w.cmdRead);           // ♪
        const QString first = w.message->text();
        type(w, 0, 8);                        // か
        TestWindow::tap(w.cmdRead);
        TestWindow::tap(w.cmdRead);
        const QString second = w.message->text();
        QCOMPARE(w.history.entries(), QStringList({second, first}));

        test::answerNextQuestion(0);
        TestWindow::tap(w.cmdStart);
        TestWindow::tap(w.panel->cmdAgain);
        QCOMPARE(t.agent.written.last(), second);
        QCOMPARE(w.message->text(), QString());

        TestWindow::tap(w.panel->cmdYes);
        QCOMPARE(t.agent.written.last(), QString("はい"));
        QCOMPARE(w.message->text(), QString());

        TestWindow::tap(w.panel->cmdHistory);
        QCOMPARE(w.state.screen.shown, Screen::History);
        TestWindow::tap(w.cmdDown);
        TestWindow::tap(w.cmdDec);
        QCOMPARE(w.state.screen.shown, Screen::Board);
        QCOMPARE(w.message->text(), first);

        // Kept across runs, in the user's data folder.
        SpokenHistory reread;
        reread.load(t.dir.filePath("data/Talk/history.txt"));
        QCOMPARE(reread.entries(), QStringList({second, first}));
    }

    // 呼ぶ: the flash and the chime until a touch on the flash.
    void callUntilATouch()
    {
        TestWindow t;
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1920, 1080));
        TestWindow::tap(w.panel->cmdCall);
        QVERIFY(w.call->isCalling());
        QVERIFY(w.call->flash()->isVisible());
        QVERIFY(t.chime.isSounding());
        QTest::mouseClick(w.call->flash(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!w.call->isCalling());
        QVERIFY(!t.chime.isSounding());
    }

    // 呼ぶ where the panel always has it, while a dialog blocks the panel:
    // a touch there, resting on it, or holding the switch calls; the flash
    // and the chime come with the dialog still waiting beneath, and after
    // the flash it is answered as before. Faults: the touch held back by the
    // dialog (the panel's own 呼ぶ under it), a press on 呼ぶ that also
    // answers the dialog, a dialog gone or dead after the flash.
    void callFromEveryDialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QString>("cancel");
        for (const QString how : {"touch", "dwell", "hold"}) {
            QTest::newRow(qPrintable(how + ", 始め's question")) << how << "cmdStart" << "cmdOK1";
            QTest::newRow(qPrintable(how + ", 設定")) << how << "cmdOpt" << "cmdOK_0";
        }
    }
    void callFromEveryDialog()
    {
        QFETCH(QString, how);
        QFETCH(QString, opens);
        QFETCH(QString, cancel);
        const QString mode = how == "dwell" ? "3" : how == "hold" ? "2" : "0";
        TestWindow t({{"InputMode", mode}, {"DwellTime", "300"}, {"CallHoldTime", "2000"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1920, 1080));
        w.message->setText(QStringLiteral("ありがとう"), 5);
        const QPoint callAt = w.panel->cmdCall->mapToGlobal(w.panel->cmdCall->rect().center());
        bool called = false, waited = false, after = false;
        auto in = inNextDialog([&](QWidget *dialog) {
            QCoreApplication::processEvents();   // the call's own 呼ぶ comes above it
            if (how == "touch") {
                TestWindow::touchAt(callAt);
            } else if (how == "dwell") {
                t.dwellAt(callAt);
            } else {
                QTest::keyPress(dialog, Qt::Key_Space);
                t.wait(2000);
                QTest::keyRelease(dialog, Qt::Key_Space);
            }
            called = w.call->isCalling() && t.chime.isSounding()
                  && QApplication::activeModalWidget() == w.call->flash();
            waited = dialog->isVisible();
            if (how == "dwell")   // the flash, ended by resting on it
                t.dwellAt(callAt + QPoint(40, 40));
            else if (how == "touch")
                TestWindow::touchAt(callAt);
            else
                QTest::keyClick(w.call->flash(), Qt::Key_Return);
            after = !w.call->isCalling() && QApplication::activeModalWidget() == dialog;
            auto *button = dialog->findChild<QAbstractButton *>(cancel);
            if (how == "dwell")
                t.dwellOn(button);
            else if (how == "touch")
                TestWindow::tap(button);
            else
                button->click();   // a click would be the switch's
        });
        if (how == "hold")   // a click would be the switch's: pressed as scanning presses
            clickTarget(&w, ScanTarget::control(opens));
        else
            TestWindow::tap(w.findChild<QAbstractButton *>(opens));
        QVERIFY(in->ran);
        QVERIFY2(called, "no call from the dialog");
        QVERIFY2(waited, "the dialog went with the press on 呼ぶ");
        QVERIFY2(after, "the dialog is not in front after the flash");
        QVERIFY2(!in->stuck, "the dialog could not be answered after the flash");
        QCOMPARE(w.message->text(), QStringLiteral("ありがとう"));
        QVERIFY(!w.call->standIn()->isVisible());
    }

    // Under two switches the panel is a group of its own, and a long hold
    // of the switch calls; the next press ends the call and nothing else.
    void scannedAndCalledByAHold()
    {
        TestWindow t({{"InputMode", "2"}, {"SidePanel", "1"}, {"CallHoldTime", "2000"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1018, 741));
        QCOMPARE(w.mainScanTable().back().name, QString("パネル"));
        QTest::keyPress(&w, Qt::Key_Space);
        t.clock.advance(1990);
        QVERIFY(!w.call->isCalling());
        t.clock.advance(10);
        QVERIFY(w.call->isCalling());
        QTest::keyRelease(&w, Qt::Key_Space);
        QTest::keyClick(w.call->flash(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(!w.call->isCalling());
    }
};

// A screen of 1920 × 1080 with nothing else on it, as the panel is made for,
// so that a touch at the panel's place finds the window in front there.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile config(dir.filePath("screen.json"));
        if (!config.open(QIODevice::WriteOnly))
            return 1;
        config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920,
                         "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    }
    QApplication app(argc, argv);
    SidePanelTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "side_panel_test.moc"

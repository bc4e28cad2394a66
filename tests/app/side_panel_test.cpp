// The side panel on the real window: where it stands, and each of its commands.
#include "support/TestWindow.h"
#include "access/TargetPress.h"
#include "widgets/FlashWindow.h"

using namespace pelumo;
using pelumo::test::TestWindow;

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

    // A question blocks the panel: it offers 呼ぶ itself.
    void callFromAQuestion()
    {
        TestWindow t({{"SidePanel", "1"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        sized(w, QSize(1018, 741));
        bool offered = false, calling = false;
        QTimer::singleShot(0, [&] {
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto *dialog = QApplication::activeModalWidget();
                auto *call = dialog ? dialog->findChild<QAbstractButton *>("cmdCall") : nullptr;
                if (!call || offered)
                    return;
                offered = true;
                TestWindow::tap(call);
                calling = w.call->isCalling();
                w.call->stop();
                TestWindow::tap(dialog->findChild<QAbstractButton *>("cmdOK1"));
            });
            poll.start(5);
            TestWindow::tap(w.cmdStart);
        });
        QTest::qWait(100);
        QVERIFY(offered);
        QVERIFY(calling);
        QVERIFY(!QApplication::activeModalWidget());
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

QTEST_MAIN(SidePanelTest)
#include "side_panel_test.moc"

// Notices the user did not ask for wait for a quiet moment on the window's
// clock, and never take a touch meant for the board.
#include "app/UnaskedNotice.h"
#include "support/TestWindow.h"

using namespace pelumo;
using namespace pelumo::test;

namespace {

// A touch on a board cell as the window system delivers it: queued, to be
// handled when the program next looks at its events.
void postTouch(frmTalk &w, int row)
{
    const QPoint at = w.grdBoard->mapTo(&w, w.grdBoard->cellRect(row, 9).center());
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(w.windowHandle(),
                                    new QMouseEvent(type, at, w.mapToGlobal(at), Qt::LeftButton,
                                                    type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                     : Qt::NoButton,
                                                    Qt::NoModifier));
}

// Closes each notice as it shows (a click would be a switch press) and
// counts them; a question is left to the test.
class Notices : public QObject {
public:
    Notices() { startTimer(2); }
    int shown = 0;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == m_last || dialog->windowTitle() != QStringLiteral("Pelumo"))
            return;
        m_last = dialog;
        ++shown;
        QMetaObject::invokeMethod(dialog, &QWidget::close, Qt::QueuedConnection);
    }

private:
    QPointer<QWidget> m_last;
};

} // namespace

class UnaskedNoticeTest : public QObject {
    Q_OBJECT
private slots:
    // While the user goes on (touches a quarter of a second apart, switch
    // presses, a dwell ring filling, a touch arriving just as the notice's
    // moment comes, a question being answered) the notice waits, then comes
    // once, a second after the last input. Faults: a notice that opens at
    // once and eats the next touch, one whose modal loop drops a touch
    // already on its way, one that never comes or comes twice.
    void waitsForAQuietMoment_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::newRow("touches") << "0" << "あいう_";
        QTest::newRow("switch presses") << "2" << "";
        QTest::newRow("a dwell ring filling") << "3" << "あ_";
        QTest::newRow("a touch as it opens") << "late touch" << "あ_";
        QTest::newRow("a question open") << "question" << "";
    }
    void waitsForAQuietMoment()
    {
        QFETCH(QString, how);
        QFETCH(QString, message);
        const QString mode = how.size() == 1 ? how : "0";
        TestWindow t({{"InputMode", mode}, {"DwellTime", "3000"}, {"OPT1", "2"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Notices notices;
        auto shown = [&notices](int count) {
            QTest::qWait(20);
            return notices.shown == count;
        };
        tellUnasked(w, QStringLiteral("お知らせ"), QStringLiteral("Pelumo"));
        if (how == "3") {
            QCursor::setPos(w.grdBoard->mapToGlobal(w.grdBoard->cellRect(0, 9).center()));
            t.wait(2000);
            QVERIFY(shown(0));
            t.wait(1100);   // three seconds of ring, then あ
        } else if (how == "late touch") {
            t.clock.advance(1100);   // the moment is found: the notice opens next
            postTouch(w, 0);
            QCoreApplication::processEvents();
        } else if (how == "question") {
            auto in = inNextDialog([&](QWidget *question) {
                t.wait(3000);
                QVERIFY(shown(0));
                TestWindow::tap(question->findChild<QAbstractButton *>("cmdOK0"));
            });
            TestWindow::tap(w.cmdStart);   // answered after three seconds
            QVERIFY(in->ran && !in->stuck);
        } else {
            for (int row = 0; row < 3; ++row) {
                if (row > 0)
                    t.wait(250);
                if (mode == "0")
                    TestWindow::press(w.grdBoard, row, 9);
                else
                    QTest::keyClick(&w, Qt::Key_Space);
            }
        }
        t.wait(900);
        QVERIFY(shown(0));
        t.wait(200);
        QTRY_VERIFY(shown(1));
        t.wait(3000);
        QVERIFY(shown(1));
        QCOMPARE(w.message->text(), message);
    }
};

QTEST_MAIN(UnaskedNoticeTest)
#include "unasked_notice_test.moc"

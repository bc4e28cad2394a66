// 呼ぶ on a clock that moves when told and a chime that counts: the flash
// over the screen and any dialog, its two colours, and what ends the call.
#include "app/CallForHelp.h"
#include "speech/Chime.h"
#include "support/TestWindow.h"
#include "widgets/FlashWindow.h"
#include <QDialog>
#include <QPointingDevice>
#include <QScreen>
#include <QSignalSpy>

using namespace pelumo;
using namespace pelumo::test;

namespace {
struct CountingChime : Chime {
    int starts = 0, stops = 0;
    bool sounding = false;
    void start() override { ++starts, sounding = true; }
    void stop() override { ++stops, sounding = false; }
    bool isSounding() const override { return sounding; }
};

// A touch, click or key as the window system delivers it, so that a modal
// dialog in front would hold it back; or the window closed.
void dismissBy(const QString &how, FlashWindow *flash)
{
    QWindow *window = flash->windowHandle();
    const QPoint at = flash->rect().center();
    if (how == "click") {
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    } else if (how == "touch") {
        static QPointingDevice *screen = QTest::createTouchDevice();
        QTest::touchEvent(window, screen).press(0, at);
        QTest::touchEvent(window, screen).release(0, at);
    } else if (how == "key") {
        QTest::keyClick(window, Qt::Key_Space);
    } else {
        flash->close();
    }
    QCoreApplication::processEvents();
}

QSet<QRgb> colours(QWidget *w)
{
    const QImage image = w->grab().toImage();
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            seen.insert(image.pixel(x, y));
    return seen;
}
} // namespace

class CallForHelpTest : public QObject {
    Q_OBJECT
    QWidget window;
    FakeClock clock;
    CountingChime chime;
    std::unique_ptr<CallForHelp> call;

    FlashWindow *flash() { return call->flash(); }

private slots:
    void initTestCase()
    {
        window.resize(1024, 768);
        window.show();
    }
    void init()
    {
        chime = {};
        call = std::make_unique<CallForHelp>(clock, chime, window);
    }
    void cleanup() { call.reset(); }

    void flashesAndSoundsUntilATouch_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("touch") << "touch";
        QTest::newRow("key") << "key";
        QTest::newRow("closed") << "close";
    }
    void flashesAndSoundsUntilATouch()
    {
        QFETCH(QString, how);
        QSignalSpy stopped(call.get(), &CallForHelp::stopped);
        call->start();
        QVERIFY(call->isCalling());
        QVERIFY(chime.sounding);
        QVERIFY(flash()->isVisible());
        QCOMPARE(flash()->geometry(), window.screen()->geometry());

        // Each colour for half a second, the words on both.
        QList<QColor> shown;
        for (int i = 0; i < 3; ++i) {
            const QSet<QRgb> painted = colours(flash());
            QVERIFY(painted.contains(flash()->background().rgb()));
            QVERIFY2(painted.size() > 1, "no words on the flash");
            shown << flash()->background();
            clock.advance(CallForHelp::kFlashMs);
        }
        QVERIFY(shown[0] != shown[1]);
        QCOMPARE(shown[2], shown[0]);

        dismissBy(how, flash());
        QVERIFY(!call->isCalling());
        QVERIFY(!chime.sounding);
        QVERIFY(!flash()->isVisible());
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(clock.running(), 0);
    }

    void oneCallAtATime()
    {
        QSignalSpy stopped(call.get(), &CallForHelp::stopped);
        call->stop();   // before any call
        QCOMPARE(stopped.size(), 0);
        QCOMPARE(chime.stops, 0);

        call->start();
        clock.advance(CallForHelp::kFlashMs);
        call->start();
        QCOMPARE(chime.starts, 1);
        QCOMPARE(clock.running(), 1);
        QCOMPARE(flash()->phase(), 1);   // the flashing went on as it was

        call->stop();
        call->stop();
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(chime.stops, 1);

        // The next call begins afresh.
        call->start();
        QVERIFY(flash()->isVisible());
        QCOMPARE(flash()->phase(), 0);
        QCOMPARE(chime.starts, 2);
    }

    // A question may be open when the call is made, or open during it: the
    // flash is in front and takes the touch either way.
    void overADialog_data()
    {
        QTest::addColumn<bool>("openedDuringTheCall");
        QTest::newRow("open before") << false;
        QTest::newRow("opened during") << true;
    }
    void overADialog()
    {
        QFETCH(bool, openedDuringTheCall);
        QDialog dialog(&window);
        dialog.setWindowModality(Qt::ApplicationModal);
        if (!openedDuringTheCall)
            dialog.show();
        call->start();
        if (openedDuringTheCall) {
            dialog.show();
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            dismissBy("click", flash());   // held back by the dialog in front
            QVERIFY(call->isCalling());
            clock.advance(CallForHelp::kFlashMs);
        }
        QCOMPARE(QApplication::activeModalWidget(), flash());
        dismissBy("click", flash());
        QVERIFY(!call->isCalling());
        QVERIFY(!chime.sounding);
        QCOMPARE(QApplication::activeModalWidget(), &dialog);   // left as it was
    }
};

QTEST_MAIN(CallForHelpTest)
#include "call_for_help_test.moc"

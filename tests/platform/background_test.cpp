#include "platform/Background.h"
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

using namespace pelumo;

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    // Faults: the work run on the window's thread (which would freeze it);
    // the result handed back on the work's thread; a hand-back to a
    // receiver that is gone; a hand-back called when the work has none.
    void handsBackOnTheReceiversThread_data()
    {
        QTest::addColumn<bool>("receiverLives");
        QTest::addColumn<bool>("handsBack");
        QTest::newRow("a result for a living receiver") << true << true;
        QTest::newRow("the receiver gone first") << false << true;
        QTest::newRow("no result") << true << false;
    }
    void handsBackOnTheReceiversThread()
    {
        QFETCH(bool, receiverLives);
        QFETCH(bool, handsBack);
        auto receiver = std::make_unique<QObject>();
        QSemaphore mayFinish;
        std::atomic<QThread *> workThread = nullptr;
        QThread *doneThread = nullptr;
        int done = 0;
        runInBackground(QStringLiteral("test"), receiver.get(), [&, handsBack]() -> HandBack {
            workThread = QThread::currentThread();
            mayFinish.acquire();
            if (!handsBack)
                return {};
            return [&] {
                doneThread = QThread::currentThread();
                ++done;
            };
        });
        if (!receiverLives)
            receiver.reset();
        mayFinish.release();
        QTRY_VERIFY(workThread.load() != nullptr);
        // The thread ends and deletes itself; what it posted has arrived by then.
        QTest::qWait(200);
        QVERIFY(workThread.load() != QThread::currentThread());
        QCOMPARE(done, receiverLives && handsBack ? 1 : 0);
        if (done)
            QCOMPARE(doneThread, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(BackgroundTest)
#include "background_test.moc"

// Without any sound device the user is told once, and speech goes on in
// silence. No server is reachable and ALSA has no device at all here.
#include "speech/SpeakingAgent.h"
#include "support/TestWindow.h"
#include <QSignalSpy>

using namespace pelumo;
using namespace pelumo::test;

class NoDeviceTest : public QObject {
    Q_OBJECT
    QTemporaryDir nowhere;

private slots:
    void initTestCase()
    {
#ifndef PELUMO_HAVE_ESPEAK
        QSKIP("built without espeak-ng");
#endif
        // Set before anything opens a device: libpulse and ALSA read them then.
        qputenv("PULSE_SERVER", ("unix:" + nowhere.filePath("no-server")).toUtf8());
        qputenv("PULSE_CLIENTCONFIG", nowhere.filePath("client.conf").toUtf8());
        QFile conf(nowhere.filePath("client.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("autospawn = no\n");
        conf.close();
        QFile empty(nowhere.filePath("alsa.conf"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        qputenv("ALSA_CONFIG_PATH", empty.fileName().toUtf8());
    }

    // あいうえお typed a tenth of a second apart: the notice arises at the
    // first key's speech and waits until the typing has stopped, so that no
    // touch is lost to it; later speech brings no second notice.
    void exactlyOneNoticeForManyTexts()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No audio output"));
        auto agent = makeSpeakingAgent(QStringLiteral("espeak-ng"));
        TestWindow w(*agent, TestWindow::OptionList{{"OPT1", "2"}});
        frmTalk &f = w.start();
        QSignalSpy ended(agent->engine(), &SpeechEngine::speechEnded);
        for (int row = 0; row < 5; ++row) {
            TestWindow::press(f.grdBoard, row, 9);
            QTest::qWait(100);   // the voice tries its device meanwhile
            w.wait(100);
        }
        QCOMPARE(f.txtTalk->text(), QStringLiteral("あいうえお_"));
        QuestionAnswerer answerer;   // the user reads it once the typing is done
        TestWindow::tap(f.cmdRead);
        QVERIFY(ended.wait(5000));   // said in silence, and in time
        w.wait(1100);
        QTRY_COMPARE(answerer.prompts.size(), 1);
        QVERIFY2(answerer.prompts.first().startsWith(QStringLiteral("音声を出せません。")),
                 qPrintable(answerer.prompts.first()));
        TestWindow::tap(f.cmdRead);
        QTest::qWait(500);
        w.wait(3000);
        QTest::qWait(200);
        QCOMPARE(answerer.prompts.size(), 1);
        QCOMPARE(f.txtTalk->text(), QStringLiteral("あいうえお_"));
    }
};

QTEST_MAIN(NoDeviceTest)
#include "no_device_test.moc"

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

    void exactlyOneNoticeForManyTexts()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No audio output"));
        auto agent = makeSpeakingAgent();
        TestWindow w(*agent, TestWindow::OptionList{{"OPT1", "2"}});
        frmTalk &f = w.start();
        QuestionAnswerer answerer;
        QSignalSpy ended(agent->engine(), &SpeechEngine::speechEnded);
        for (int i = 0; i < 4; ++i) {
            TestWindow::press(f.grdBoard, 1, 8);
            QVERIFY(ended.wait(5000));   // said in silence, and in time
        }
        TestWindow::tap(f.cmdRead);
        QVERIFY(ended.wait(5000));
        TestWindow::tap(f.cmdRead);
        QTest::qWait(500);
        QCOMPARE(answerer.prompts.size(), 1);
        QVERIFY2(answerer.prompts.first().startsWith(QStringLiteral("音声を出せません。")),
                 qPrintable(answerer.prompts.first()));
        QCOMPARE(f.txtTalk->text(), QStringLiteral("きききき_"));   // no touch was lost to it
    }
};

QTEST_MAIN(NoDeviceTest)
#include "no_device_test.moc"

// What the user hears, through the real window, the real voice and a private
// PulseAudio server's null sink (started by ctest, see scripts/pulse-server.sh).
#include "audio/SinkRecorder.h"
#include "speech/SpeakingAgent.h"
#include "support/TestWindow.h"
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace pelumo;
using namespace pelumo::test;

namespace {
// The readings the character was given, from its log.
QStringList g_readings;
QtMessageHandler g_testHandler = nullptr;
void keepReadings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString marker = QStringLiteral("\" reading \"");
    if (message.startsWith(QStringLiteral("Speak \"")) && message.contains(marker)) {
        QString reading = message.mid(message.lastIndexOf(marker) + marker.size());
        reading.truncate(reading.lastIndexOf(QStringLiteral("\" voice \"")));
        g_readings << reading;
    } else if (!message.startsWith(QStringLiteral("This plugin does not support")))
        g_testHandler(type, context, message);
}

constexpr int kTail = 400;   // ms for the sink's last samples to reach parec
}

class SoundTest : public QObject {
    Q_OBJECT
    std::unique_ptr<SpeakingAgent> agent;
    std::unique_ptr<TestWindow> w;
    SinkRecorder recorder;
    std::unique_ptr<QuestionAnswerer> answerer;

    frmTalk &f() { return **w; }
    SpeechEngine *engine() { return agent->engine(); }
    // Waits until everything given has been said, and a moment for the tail.
    void waitUntilSaid()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!engine()->isSpeaking(), 15000);
        QTest::qWait(kTail);
    }
    void pressKey() { TestWindow::press(f().grdBoard, 1, 8); }   // き

private slots:
    void initTestCase()
    {
        if (const QString why = SinkRecorder::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable("cannot listen to the sound: " + why));
#ifndef PELUMO_HAVE_ESPEAK
        QSKIP("built without espeak-ng");
#endif
        QLoggingCategory::setFilterRules("pelumo.speech.debug=true\npelumo.speech.info=true");
        g_testHandler = qInstallMessageHandler(keepReadings);
    }
    void init()
    {
        agent = makeSpeakingAgent(QStringLiteral("espeak-ng"));
        w = std::make_unique<TestWindow>(*agent, TestWindow::OptionList{{"OPT1", "2"}});
        w->start();
        answerer = std::make_unique<QuestionAnswerer>();
        g_readings.clear();
        QVERIFY(recorder.start());
    }
    void cleanup()
    {
        recorder.stop();
        // Nothing in these tests may cost the user a notice.
        if (answerer)
            QCOMPARE(answerer->prompts, QStringList());
        answerer.reset();
        w.reset();
        agent.reset();
    }

    void keyAndMessageSoundAsLongAsEspeakRendersThem()
    {
        pressKey();
        waitUntilSaid();
        const SinkRecorder::Span key = recorder.soundFrom();
        QVERIFY2(key.first >= 0, "the key echo was not heard");
        QCOMPARE(g_readings.size(), 1);
        const qint64 afterKey = recorder.size();

        f().txtTalk->setText(QStringLiteral("きょうは とても いい てんきです_"));
        TestWindow::tap(f().cmdRead);
        waitUntilSaid();
        const SinkRecorder::Span message = recorder.soundFrom(afterKey);
        QVERIFY2(message.first >= 0, "読む was not heard");
        QCOMPARE(g_readings.size(), 2);

        for (const auto &[heard, reading] : {std::pair{key, g_readings[0]}, {message, g_readings[1]}}) {
            const double own = SinkRecorder::soundIn(SinkRecorder::espeakRendering(reading)).seconds();
            qInfo("%s: %.3f s heard, %.3f s from espeak-ng", qPrintable(reading), heard.seconds(), own);
            QVERIFY(own > 0);
            QVERIFY2(qAbs(heard.seconds() - own) <= 0.2 * own, qPrintable(reading));
        }
    }

    void stopLeavesSilence()
    {
        f().txtTalk->setText(QStringLiteral("きょうは とても いい てんきです。こうえんへ さんぽに いきました_"));
        TestWindow::tap(f().cmdRead);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.soundFrom().first >= 0, 5000);
        QTest::qWait(300);
        TestWindow::tap(f().cmdRead);   // ♪
        QCOMPARE(f().cmdRead->caption(), QStringLiteral("読む"));
        const qint64 atStop = recorder.size();
        QTest::qWait(1500);
        // What was on its way to the sink when ♪ came may still be heard; a
        // quarter of a second later, nothing.
        const SinkRecorder::Span after = recorder.soundFrom(atStop + SinkRecorder::kRate / 4);
        QVERIFY2(after.first < 0, qPrintable(QString("sound %1 s after ♪")
                                                  .arg(double(after.first - atStop) / SinkRecorder::kRate)));
        QVERIFY(recorder.size() - atStop > SinkRecorder::kRate);   // and the sink kept running
    }

    void speechIsHeardAgainAfterTheServerRestarts()
    {
        pressKey();
        waitUntilSaid();
        QVERIFY(recorder.soundFrom().first >= 0);

        recorder.stop();
        QVERIFY(SinkRecorder::runServerScript("restart"));
        QVERIFY(recorder.start());
        QTest::qWait(200);
        pressKey();
        waitUntilSaid();
        QVERIFY2(recorder.soundFrom().first >= 0, "no sound after the server came back");
    }

    // As with a speaker plugged in after start: told once, then heard.
    void speechComesBackWhenADeviceAppears()
    {
        recorder.stop();
        QVERIFY(SinkRecorder::runServerScript("stop"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No audio output"));
        pressKey();
        waitUntilSaid();
        // The notice waits for a quiet second on the window's clock.
        for (int i = 0; i < 30 && answerer->prompts.isEmpty(); ++i) {
            w->wait(100);
            QTest::qWait(5);
        }
        QCOMPARE(answerer->prompts.size(), 1);

        QVERIFY(SinkRecorder::runServerScript("start"));
        QVERIFY(recorder.start());
        QTest::qWait(200);
        pressKey();
        waitUntilSaid();
        QVERIFY2(recorder.soundFrom().first >= 0, "no sound once the server was there");
        QCOMPARE(answerer->prompts.size(), 1);
        answerer->prompts.clear();
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"

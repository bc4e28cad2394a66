// The natural voice heard at the null sink: key echoes and 読む in Open JTalk,
// as long as open_jtalk's own rendering; ♪ leaves silence; and when Open JTalk
// fails, espeak-ng says the text and the program goes on.
#include "SinkRecorder.h"
#include "speech/EspeakEngine.h"
#include "speech/OpenJTalkEngine.h"
#include "speech/SpeakingAgent.h"
#include "speech/core/OpenJTalkText.h"
#include "support/TestWindow.h"
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace pelumo;
using namespace pelumo::test;

namespace {
// The voices the set-up fetches, or that the system has.
VoiceFile fetchedVoice()
{
    const QList<VoiceFile> v = findVoices({"/usr/share/hts-voice", qEnvironmentVariable("PELUMO_VOICE_DIR")});
    return v.isEmpty() ? VoiceFile{} : v.first();
}

// What open_jtalk itself makes of the pieces, said one after the other: the
// silence each piece's file holds at its start and end stays between them.
double ownSeconds(const OpenJTalkCommand &command, const QStringList &pieces)
{
    QTemporaryDir dir;
    double total = 0, lead = 0, tail = 0;
    for (const QString &piece : pieces) {
        QProcess p;
        p.start(command.program, {"-x", command.dictionary, "-m", command.voiceFile, "-ow", dir.filePath("own.wav")});
        p.write(piece.toUtf8() + '\n');
        p.closeWriteChannel();
        p.waitForFinished(30000);
        QFile f(dir.filePath("own.wav"));
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        const std::optional<PcmSound> sound = parseWav(f.readAll());
        if (!sound)
            return 0;
        const SinkRecorder::Span s = SinkRecorder::soundIn(sound->samples);
        const double rate = sound->sampleRate;
        if (total == 0)
            lead = s.first / rate;
        tail = (qint64(sound->samples.size()) - s.last) / rate;
        total += sound->samples.size() / rate;
    }
    return total - lead - tail;
}

constexpr int kTail = 400;   // ms for the sink's last samples to reach parec
} // namespace

class NaturalVoiceTest : public QObject {
    Q_OBJECT
    OpenJTalkCommand command;
    SinkRecorder recorder;

    std::unique_ptr<SpeakingAgent> agentWith(const OpenJTalkCommand &c)
    {
        return std::make_unique<SpeakingAgent>(
            std::make_unique<OpenJTalkEngine>(c, QFileInfo(c.voiceFile).completeBaseName(),
                                              std::make_unique<EspeakEngine>()));
    }
    static void waitUntilSaid(SpeakingAgent &agent)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!agent.isSpeaking(), 20000);
        QTest::qWait(kTail);
    }

private slots:
    void initTestCase()
    {
        if (const QString why = SinkRecorder::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable("cannot listen to the sound: " + why));
        if (QStandardPaths::findExecutable(command.program).isEmpty())
            QSKIP("open_jtalk is not installed (package open-jtalk)");
        command.voiceFile = fetchedVoice().path;
        if (command.voiceFile.isEmpty())
            QSKIP("no Debian mirror reachable: the Open JTalk voice could not be fetched");
        QLoggingCategory::setFilterRules("pelumo.speech.debug=true\npelumo.speech.info=true");
    }
    void init() { QVERIFY(recorder.start()); }
    void cleanup() { recorder.stop(); }

    // Through the real window: き and 読む, in the voice and as long as its own
    // rendering; the second sentence follows the first without a gap.
    void keyAndMessageInTheNaturalVoice()
    {
        std::unique_ptr<SpeakingAgent> agent = agentWith(command);
        TestWindow w(*agent, {{"OPT1", "2"}});
        w.start();
        QTest::ignoreMessage(QtDebugMsg, "Speak \"き\" reading \"キ\" voice \"nitech_jp_atr503_m001\"");
        TestWindow::press(w->grdBoard, 1, 8);
        waitUntilSaid(*agent);
        const double key = recorder.soundFrom().seconds();
        const qint64 afterKey = recorder.size();

        const QString message = "今日は良い天気です。2026ねんです_";
        w->txtTalk->setText(message);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Speak \"今日は.*\" reading \"今日は良い天気です。2026ねんです\" voice \"nitech_jp_atr503_m001\"$"));
        TestWindow::tap(w->cmdRead);
        waitUntilSaid(*agent);
        const double read = recorder.soundFrom(afterKey).seconds();
        for (const auto &[heard, pieces] : {std::pair{key, QStringList{"キ"}},
                                            {read, speechPieces(openJTalkText(message))}}) {
            const double own = ownSeconds(command, pieces);
            qInfo("%s: %.3f s heard, %.3f s from open_jtalk", qPrintable(pieces.join('|')), heard, own);
            QVERIFY(own > 0);
            QVERIFY2(qAbs(heard - own) <= 0.2 * own, qPrintable(pieces.join('|')));
        }
    }

    void stopLeavesSilence()
    {
        std::unique_ptr<SpeakingAgent> agent = agentWith(command);
        agent->speak("今日は良い天気です。公園へ散歩に行きました。", "", SpeechKind::Message);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.soundFrom().first >= 0, 5000);
        QTest::qWait(300);
        agent->stop();
        const qint64 atStop = recorder.size();
        QTest::qWait(1500);
        const SinkRecorder::Span after = recorder.soundFrom(atStop + SinkRecorder::kRate / 4);
        QVERIFY2(after.first < 0, "sound after ♪");
        QVERIFY(!agent->isSpeaking());
    }

    // Each way Open JTalk can fail: the text is heard all the same, from
    // espeak-ng, one line says why, and the next text is heard too.
    void failuresAreSaidByEspeak_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("voiceContent");   // empty: the real voice
        QTest::addColumn<QString>("why");
        QTest::newRow("broken voice file") << "" << "not a voice" << "ended with status";
        QTest::newRow("no open_jtalk") << "/nonexistent/open_jtalk" << "" << "could not start";
        // The first piece made, the next child killed, and every one after.
        QTest::newRow("killed mid-sentence")
            << "[ -e \"$0.once\" ] && kill -9 $$; touch \"$0.once\"; exec open_jtalk \"$@\"" << ""
            << "ended with status -1";
        QTest::newRow("hangs") << "exec sleep 30" << "" << "no answer in 1000 ms";
    }
    void failuresAreSaidByEspeak()
    {
        QFETCH(QString, program);
        QFETCH(QString, voiceContent);
        QFETCH(QString, why);
        QTemporaryDir dir;
        OpenJTalkCommand broken = command;
        broken.timeoutMs = 1000;
        if (!voiceContent.isEmpty()) {
            broken.voiceFile = dir.filePath("broken.htsvoice");
            QFile f(broken.voiceFile);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(voiceContent.toUtf8()) > 0);
        }
        if (program.startsWith('/')) {
            broken.program = program;
        } else if (!program.isEmpty()) {
            broken.program = dir.filePath("open_jtalk");
            QFile f(broken.program);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("#!/bin/sh\n" + program.toUtf8() + "\n") > 0);
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        std::unique_ptr<SpeakingAgent> agent = agentWith(broken);
        for (const QString &text : {QStringLiteral("こんにちは。ありがとう。"), QStringLiteral("さようなら")}) {
            const qint64 before = recorder.size();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Open JTalk " + QRegularExpression::escape(why)
                                                                  + ".*said by espeak-ng instead$"));
            agent->speak(text, text, SpeechKind::Message);
            waitUntilSaid(*agent);
            QVERIFY2(recorder.soundFrom(before).first >= 0, qPrintable(text + " was not heard"));
        }
    }
};

QTEST_MAIN(NaturalVoiceTest)
#include "natural_voice_test.moc"

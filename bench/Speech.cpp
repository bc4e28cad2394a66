// Time to first audio: 読む on a 20-kana message until the engine hands its
// first sample to the output, beside espeak-ng's own C call for the same text
// (in a child process, as the library allows one user per process).
#include "BenchData.h"
#include "Stats.h"
#include "speech/EspeakEngine.h"
#include "speech/SpeakingAgent.h"
#include "support/TestWindow.h"
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <cstdio>
#ifdef PELUMO_HAVE_ESPEAK
#include <espeak-ng/speak_lib.h>
#endif

namespace bench {
namespace {
using pelumo::test::TestWindow;

constexpr int kReadings = 40;

qint64 steadyNs()
{
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}
const QString kMessage = QStringLiteral("きょうはとてもいいてんきですねさんぽにいこう");   // 20 kana + 1

#ifdef PELUMO_HAVE_ESPEAK
// The first callback holding a sample above the near-silence of the start.
// espeak_Synth returns as soon as this stops it, so the time around the call
// is the time to the first sound.
//
// Heard, the sound is later: played from its first sample on, its loud
// sample comes after the near-silence before it. That time is kept too.
struct Onset {
    QElapsedTimer clock;
    double firstCallMs = -1;
    qint64 samplesBefore = 0;
    double heardMs = 0;
};
Onset onset;
constexpr int kEspeakRate = 22050;

int firstSound(short *wav, int count, espeak_EVENT *)
{
    if (onset.firstCallMs < 0)
        onset.firstCallMs = onset.clock.nsecsElapsed() / 1e6;
    for (int i = 0; wav && i < count; ++i)
        if (wav[i] > 256 || wav[i] < -256) {
            const double played = onset.firstCallMs + (onset.samplesBefore + i) * 1000.0 / kEspeakRate;
            onset.heardMs = std::max(onset.clock.nsecsElapsed() / 1e6, played);
            return 1;
        }
    onset.samplesBefore += count;
    return 0;
}
#endif

} // namespace

// In the child: "--child espeak". Prints one time a line, for the text in
// PELUMO_BENCH_TEXT or else the 20-kana message.
int espeakFloorChild()
{
#ifdef PELUMO_HAVE_ESPEAK
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) < 0
        || espeak_SetVoiceByName("ja") != EE_OK)
        return 1;
    espeak_SetSynthCallback(firstSound);
    const QByteArray text = qEnvironmentVariableIsSet("PELUMO_BENCH_TEXT")
        ? qgetenv("PELUMO_BENCH_TEXT") : kMessage.left(20).toUtf8();
    const bool heard = qEnvironmentVariableIsSet("PELUMO_BENCH_HEARD");
    for (int i = 0; i < kReadings; ++i) {
        onset = {};
        onset.clock.start();
        espeak_Synth(text.constData(), size_t(text.size() + 1), 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, nullptr);
        std::printf("took %f\n", heard ? onset.heardMs : onset.clock.nsecsElapsed() / 1e6);
    }
    std::fflush(stdout);
    std::_Exit(0);
#else
    return 1;
#endif
}

// espeak-ng's own time to the first sound of the text, in a child process;
// heard: until that sound is heard when played from the first sample.
Samples espeakFloor(const QString &text, bool heard)
{
    Samples floor;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELUMO_BENCH_TEXT", text);
    if (heard)
        env.insert("PELUMO_BENCH_HEARD", "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--child", "espeak"});
    child.waitForFinished(60000);
    for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith("took "))
            floor.add(line.mid(5).toDouble());
    return floor;
}

std::vector<Row> measureSpeech()
{
    const Samples floor = espeakFloor(kMessage.left(20), false);
    std::unique_ptr<pelumo::SpeakingAgent> agent = pelumo::makeSpeakingAgent(QStringLiteral("espeak-ng"));
    Samples value;
    auto *engine = qobject_cast<pelumo::EspeakEngine *>(agent->engine());
    if (engine) {
        TestWindow w;
        pelumo::test::QuestionAnswerer answerer;   // the notice on a machine without sound
        w.window = std::make_unique<pelumo::frmTalk>(pelumo::Services{
            *w.settings, w.clock, w.beeper, w.clipboard, *agent, w.dir.filePath("program")});
        pelumo::frmTalk &f = w.start();
        QEventLoop heard;
        QObject::connect(agent->engine(), &pelumo::SpeechEngine::audioStarted, &heard,
                         &QEventLoop::quit);
        for (int i = 0; i < kReadings + 1; ++i) {
            f.txtTalk->setText(kMessage.left(20) + u'_');
            QCoreApplication::processEvents();   // the new text laid out, as it is when typed
            const qint64 pressed = steadyNs();
            TestWindow::tap(f.cmdRead);
            const double tapped = (steadyNs() - pressed) / 1e6;
            QTimer::singleShot(5000, &heard, &QEventLoop::quit);
            heard.exec();
            // The sample went out on the speech thread while the GUI thread
            // was still repainting: its own time stamp, not the signal's.
            const double firstAudio = (engine->lastAudioStartNs() - pressed) / 1e6;
            if (qEnvironmentVariableIsSet("PELUMO_BENCH_VERBOSE"))
                std::fprintf(stderr, "reading %d: first audio after %.2f ms, tap handled after %.2f ms\n",
                             i, firstAudio, tapped);
            if (i > 0)   // the first reading also starts the library
                value.add(firstAudio);
            TestWindow::tap(f.cmdRead);   // ♪ stops it
            // A user's next touch comes a moment later; without this pause the
            // next text would wait for the stopped one to wind down.
            QTest::qWait(150);
        }
    }
    Row r{"speech: 読む to first audio, 20 kana", value, floor};
    r.goal = "median <= 1.2 x floor";
    r.met = !value.ms.empty() && value.median() <= 1.2 * floor.median();
    return {r};
}

} // namespace bench

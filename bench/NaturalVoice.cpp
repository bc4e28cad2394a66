// The natural voice (Open JTalk) at the null sink, beside open_jtalk's own
// time for the same text, everything included (process, dictionary, WAV):
//   key echo, cached:   speak until the first sound loud enough to hear, beside
//                       espeak-ng's time until its own is heard; keys made
//                       in advance
//   key echo, uncached: the same for texts not made in advance (two kana, on
//                       no key)
//   読む on 10, 50 and 200 characters: until the first sound, beside the
//                       command's time for the first piece alone
//   ♪:                  until the sink is silent
#include "Stats.h"
#include "audio/SinkRecorder.h"
#include "speech/EspeakEngine.h"
#include "speech/OpenJTalkEngine.h"
#include "speech/SpeakingAgent.h"
#include "speech/Voices.h"
#include "speech/core/KeyReading.h"
#include "speech/core/OpenJTalkText.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>

namespace bench {
Samples espeakFloor(const QString &text, bool heard = false);

namespace {
using pelumo::test::SinkRecorder;

constexpr int kRounds = 10;
const QString kSentence = QStringLiteral("今日は良い天気なので、公園へ散歩に行きました。");
const QString kMadeAhead = QStringLiteral("かぎぷぁっゅー？1A");
const QStringList kNotMadeAhead = QStringLiteral("いぬ ねこ とり さる うし うま ぶた しか くま たぬき").split(u' ');

qint64 steadyNs()
{
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// The level espeak-ng's floor counts as sound: what lies below it is the
// near-silence a voice starts with.
constexpr short kHeard = 256;

qint64 firstSound(const std::vector<short> &s, qint64 from)
{
    for (qint64 i = from; i < qint64(s.size()); ++i)
        if (s[size_t(i)] > kHeard || s[size_t(i)] < -kHeard)
            return i;
    return -1;
}

// The command's wall time for the text, a few times.
Samples ownTime(const pelumo::OpenJTalkCommand &c, const QString &text)
{
    Samples own;
    QTemporaryDir dir;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(c.program, {"-x", c.dictionary, "-m", c.voiceFile, "-ow", dir.filePath("own.wav")});
        p.write(text.toUtf8() + '\n');
        p.closeWriteChannel();
        p.waitForFinished(30000);
        own.add(t.nsecsElapsed() / 1e6);
    }
    return own;
}

QString messageOf(int characters)
{
    QString m;
    while (m.size() < characters)
        m += kSentence;
    return m.left(characters - 1) + u'。';
}

struct Session {
    QTemporaryDir serverDir{"/tmp/pelumo-pulse-voice-XXXXXX"};
    QString script = QStringLiteral(PELUMO_SOURCE_DIR "/scripts/pulse-server.sh");
    pelumo::OpenJTalkCommand command;
    std::unique_ptr<pelumo::SpeakingAgent> agent;
    pelumo::OpenJTalkEngine *engine = nullptr;
    SinkRecorder recorder;

    bool start()
    {
        const QList<pelumo::VoiceFile> voices = pelumo::openJTalkVoices();
        if (voices.isEmpty())
            return false;
        command.voiceFile = voices.first().path;
        const QString dir = serverDir.path();
        if (QProcess::execute(script, {"start", dir}) != 0 || !QFileInfo::exists(dir + "/native"))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + dir + "/native").toUtf8());
        auto e = std::make_unique<pelumo::OpenJTalkEngine>(command, voices.first().name,
                                                           std::make_unique<pelumo::EspeakEngine>());
        engine = e.get();
        agent = std::make_unique<pelumo::SpeakingAgent>(std::move(e));
        return recorder.start();
    }
    ~Session()
    {
        recorder.stop();
        agent.reset();
        QProcess::execute(script, {"stop", serverDir.path()});
    }
    // Says the text and returns the time until its first sound at the sink.
    double firstSoundMs(const QString &text, const QString &reading, pelumo::SpeechKind kind, bool whole = true)
    {
        const qint64 from = recorder.size();
        const qint64 said = steadyNs();
        agent->speak(text, reading, kind);
        (void)QTest::qWaitFor([&] { return firstSound(recorder.samples(), from) >= 0; }, 5000);
        const qint64 first = firstSound(recorder.samples(), from);
        const double ms = first < 0 ? -1 : (recorder.arrivalNs(first) - said) / 1e6;
        if (whole) {
            (void)QTest::qWaitFor([this] { return !agent->isSpeaking(); }, 30000);
            QTest::qWait(200);
        }
        return ms;
    }
};
} // namespace

std::vector<Row> measureNaturalVoice()
{
    Session s;
    if (!s.start()) {
        std::fprintf(stderr, "natural voice: no Open JTalk voice or no private PulseAudio server "
                             "(scripts/fetch-voice.sh, pulseaudio)\n");
        return {};
    }
    using pelumo::SpeechKind;
    (void)QTest::qWaitFor([&] { return s.engine->isCached(pelumo::keyReading("(T_T)")); }, 60000);
    Samples cached, uncached, keyFloor;
    s.firstSoundMs(QStringLiteral("あ"), QStringLiteral("あ"), SpeechKind::Key);   // the device opened
    for (QChar key : kMadeAhead)
        cached.add(s.firstSoundMs(key, pelumo::keyReading(key), SpeechKind::Key));
    for (const QString &text : kNotMadeAhead)
        uncached.add(s.firstSoundMs(text, pelumo::keyReading(text), SpeechKind::Key));
    for (QChar key : kMadeAhead)   // each key's own sound starts at its own time
        keyFloor.add(espeakFloor(pelumo::keyReading(key), true).median());
    const Samples ownKey = ownTime(s.command, pelumo::openJTalkKeyText(pelumo::keyReading(kNotMadeAhead.front())));

    std::vector<Row> rows;
    Row key{"natural voice: key to first sound, cached", cached, keyFloor, "ms", "p99 <= espeak-ng's p99 + 30 ms"};
    key.met = !cached.ms.empty() && cached.p99() <= keyFloor.p99() + 30;
    rows.push_back(key);
    rows.push_back({"natural voice: key to first sound, not cached", uncached, ownKey, "ms",
                    "(floor: open_jtalk on the key)"});
    for (int n : {10, 50, 200}) {
        const QString message = messageOf(n);
        Samples read;
        for (int i = 0; i < kRounds / 2; ++i) {
            read.add(s.firstSoundMs(message, message, SpeechKind::Message, false));
            s.agent->stop();
            QTest::qWait(300);
        }
        const Samples firstPiece = ownTime(s.command, pelumo::speechPieces(pelumo::openJTalkText(message)).value(0));
        Row row{QStringLiteral("natural voice: 読む on %1 characters to first sound").arg(n), read, firstPiece, "ms",
                n == 50 ? "median <= 1.3 x open_jtalk on the first piece" : "(floor: open_jtalk on the first piece)"};
        if (n == 50)
            row.met = !read.ms.empty() && read.median() <= 1.3 * firstPiece.median();
        rows.push_back(row);
    }
    Samples stops;
    for (int i = 0; i < kRounds / 2; ++i) {
        const qint64 from = s.recorder.size();
        s.firstSoundMs(messageOf(200), messageOf(200), SpeechKind::Message, false);
        QTest::qWait(400);
        const qint64 stopped = steadyNs();
        s.agent->stop();
        QTest::qWait(600);
        qint64 last = -1;
        for (qint64 j = from; j < s.recorder.size(); ++j)
            if (s.recorder.samples()[size_t(j)] != 0)
                last = j;
        if (last >= 0)
            stops.add(std::max(0.0, (s.recorder.arrivalNs(last) - stopped) / 1e6));
    }
    rows.push_back({"natural voice: ♪ to silence at the sink", stops, {}, "ms", "(espeak-ng's row: sound)"});
    return rows;
}

} // namespace bench

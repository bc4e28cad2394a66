// What the user hears, measured where it is played: a private PulseAudio
// server's null sink, listened to through parec (tests/audio/SinkRecorder.h).
//   key echo: the touch on a board key until its first sound, keys 8 a second
//   読む:     the touch until the message's first sound
//   ♪:        the touch until the sink is silent
// Beside espeak-ng's own time to its first sound of the same text, and the
// path from the first sample written to its arrival here (device and capture).
#include "Stats.h"
#include "audio/SinkRecorder.h"
#include "speech/EspeakEngine.h"
#include "speech/SpeakingAgent.h"
#include "support/TestWindow.h"
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <optional>

namespace bench {
Samples espeakFloor(const QString &text, bool heard = false);

namespace {
using pelumo::test::SinkRecorder;
using pelumo::test::TestWindow;

constexpr int kKeyRounds = 64;
constexpr int kKeyIntervalMs = 125;   // 8 keys a second
constexpr int kReadings = 20;
constexpr int kTemplate = 64;         // samples that identify a key's first sound
const QString kMessage = QStringLiteral("きょうはとてもいいてんきですね");
// Board cells (row, column) and their kana, for FirstScreenMode 2 (one press enters).
const std::vector<std::pair<QPoint, QString>> kKeys = {
    {{0, 8}, "か"}, {{1, 8}, "き"}, {{0, 7}, "さ"}, {{0, 6}, "た"}};

qint64 steadyNs()
{
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// The first sample of a key's sound as played alone: the first non-zero one.
std::optional<qint64> firstNonZero(const std::vector<short> &s, qint64 from, qint64 to)
{
    for (qint64 i = std::max<qint64>(from, 0); i < std::min<qint64>(to, qint64(s.size())); ++i)
        if (s[size_t(i)] != 0)
            return i;
    return std::nullopt;
}
// Where the samples of the template are played next, from the index on: the
// sink plays exactly what was written, so the match is exact.
std::optional<qint64> findTemplate(const std::vector<short> &s, const std::vector<short> &t, qint64 from)
{
    for (qint64 i = std::max<qint64>(from, 0); i + qint64(t.size()) <= qint64(s.size()); ++i)
        if (std::equal(t.begin(), t.end(), s.begin() + i))
            return i;
    return std::nullopt;
}

struct Session {
    QTemporaryDir serverDir{"/tmp/pelumo-pulse-bench-XXXXXX"};
    QString dir = qEnvironmentVariable("PELUMO_PULSE_DIR", serverDir.path());
    QString script = QStringLiteral(PELUMO_SOURCE_DIR "/scripts/pulse-server.sh");
    std::unique_ptr<pelumo::SpeakingAgent> agent;
    std::unique_ptr<TestWindow> w;
    std::unique_ptr<pelumo::test::QuestionAnswerer> answerer;
    SinkRecorder recorder;

    bool start()
    {
        if (QProcess::execute(script, {"start", dir}) != 0 || !QFileInfo::exists(dir + "/native"))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + dir + "/native").toUtf8());
        agent = pelumo::makeSpeakingAgent(QStringLiteral("espeak-ng"));
        auto *engine = qobject_cast<pelumo::EspeakEngine *>(agent->engine());
        if (!engine || !engine->waitUntilReady())
            return false;
        w = std::make_unique<TestWindow>(*agent, TestWindow::OptionList{{"OPT1", "2"}});
        w->start();
        answerer = std::make_unique<pelumo::test::QuestionAnswerer>();
        return recorder.start();
    }
    ~Session()
    {
        recorder.stop();
        w.reset();
        agent.reset();
        QProcess::execute(script, {"stop", dir});
    }
    pelumo::frmTalk &f() { return **w; }
    void waitUntilSaid()
    {
        (void)QTest::qWaitFor([this] { return !agent->engine()->isSpeaking(); }, 10000);
        QTest::qWait(300);
    }
    void press(const QPoint &cell)
    {
        f().txtTalk->setText(QString());   // a board never fills up
        TestWindow::press(f().grdBoard, cell.x(), cell.y());
    }
};

} // namespace

std::vector<Row> measureSound()
{
    Session s;
    if (!s.start()) {
        std::fprintf(stderr, "sound: no private PulseAudio server (pulseaudio, pulseaudio-utils?)\n");
        return {};
    }
    const std::vector<short> &heard = s.recorder.samples();
    auto *engine = qobject_cast<pelumo::EspeakEngine *>(s.agent->engine());

    // Each key alone: its first samples, and the path from writing them to hearing them.
    std::vector<std::vector<short>> templates;
    Samples path;
    for (int round = 0; round < 3; ++round) {
        for (const auto &[cell, kana] : kKeys) {
            const qint64 from = s.recorder.size();
            s.press(cell);
            s.waitUntilSaid();
            const auto first = firstNonZero(heard, from, s.recorder.size());
            if (!first || *first + kTemplate > s.recorder.size())
                return {};
            if (round == 0)
                templates.emplace_back(heard.begin() + *first, heard.begin() + *first + kTemplate);
            else
                path.add((s.recorder.arrivalNs(*first) - engine->lastAudioStartNs()) / 1e6);
        }
    }

    // Keys 8 a second: each cuts off the one before, so its sound is found by
    // its own first samples.
    Samples keys, written;
    for (int i = 0; i < kKeyRounds; ++i) {
        const size_t k = size_t(i) % kKeys.size();
        const qint64 from = s.recorder.size();
        const qint64 touched = steadyNs();
        s.press(kKeys[k].first);
        QTest::qWait(kKeyIntervalMs);
        (void)QTest::qWaitFor([&] { return findTemplate(heard, templates[k], from).has_value(); }, 1000);
        if (const auto at = findTemplate(heard, templates[k], from))
            keys.add((s.recorder.arrivalNs(*at) - touched) / 1e6);
        written.add((engine->lastAudioStartNs() - touched) / 1e6);
    }
    s.waitUntilSaid();

    // 読む, then ♪ once it is heard.
    Samples reads, stops;
    for (int i = 0; i < kReadings; ++i) {
        s.f().txtTalk->setText(kMessage + u'_');
        QCoreApplication::processEvents();
        const qint64 from = s.recorder.size();
        const qint64 touched = steadyNs();
        TestWindow::tap(s.f().cmdRead);
        (void)QTest::qWaitFor([&] { return firstNonZero(heard, from, s.recorder.size()).has_value(); }, 2000);
        if (const auto first = firstNonZero(heard, from, s.recorder.size()))
            reads.add((s.recorder.arrivalNs(*first) - touched) / 1e6);
        QTest::qWait(400);
        const qint64 stopped = steadyNs();
        TestWindow::tap(s.f().cmdRead);
        QTest::qWait(500);
        // The last sound before the sink fell silent for good. What parec had
        // delivered when ♪ was touched may already hold it: the sink falls
        // silent faster than a capture comes back.
        qint64 last = -1;
        for (qint64 j = from; j < s.recorder.size(); ++j)
            if (heard[size_t(j)] != 0)
                last = j;
        // The monitor shows what the sink has rendered, which runs a little
        // ahead of the clock: sound that ended before the touch counts as 0.
        if (last >= 0)
            stops.add(std::max(0.0, (s.recorder.arrivalNs(last) - stopped) / 1e6));
    }

    const Samples keyFloor = espeakFloor(kKeys[0].second);
    const Samples readFloor = espeakFloor(kMessage);
    Row key{"sound: key touch to first sound, 8 keys/s", keys, keyFloor, "ms", "p99 <= floor p99 + 30 ms"};
    key.met = !keys.ms.empty() && keys.p99() <= keyFloor.p99() + 30;
    Row read{"sound: 読む to first sound", reads, readFloor, "ms", "p99 <= floor p99 + 30 ms"};
    read.met = !reads.ms.empty() && reads.p99() <= readFloor.p99() + 30;
    Row silence{"sound: ♪ to silence at the sink", stops, path, "ms", "p99 <= path p99 + one 20 ms piece"};
    silence.met = !stops.ms.empty() && stops.p99() <= path.p99() + 20;
    Row device{"sound: first sample written to heard (path)", path, {}, "ms", "(device and capture)"};
    Row write{"sound: key touch to first sample written", written, keyFloor, "ms", "(the speech thread's part)"};
    return {key, write, read, silence, device};
}

} // namespace bench

// The call for help's chime: its thread on a sink that records, then what the
// private PulseAudio server's null sink hears of it, alone and over speech.
#include "audio/SinkRecorder.h"
#include "speech/Chime.h"
#include "speech/EspeakEngine.h"
#include "speech/core/ChimeSound.h"
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <mutex>

using namespace pelumo;
using namespace pelumo::test;

namespace {
using Samples = std::vector<short>;
constexpr int kRate = ChimePlayer::kSampleRate;

// Keeps what the chime thread does, in order: "open", "write", "flush", and
// the samples written.
struct Tape {
    std::mutex mutex;
    int failingOpens = 0;
    int opens = 0;
    QStringList calls;
    Samples heard;
    template <typename F> auto read(F f)
    {
        std::lock_guard lock(mutex);
        return f();
    }
};

class TapeSink : public AudioSink {
public:
    explicit TapeSink(std::shared_ptr<Tape> t) : m_t(std::move(t)) {}
    bool open(int rate) override
    {
        std::lock_guard lock(m_t->mutex);
        ++m_t->opens;
        m_t->calls << "open";
        return rate == kRate && m_t->failingOpens-- <= 0;
    }
    void close() override {}
    bool write(const short *samples, int count) override
    {
        std::lock_guard lock(m_t->mutex);
        if (m_t->calls.isEmpty() || m_t->calls.back() != "write")
            m_t->calls << "write";
        m_t->heard.insert(m_t->heard.end(), samples, samples + count);
        return true;
    }
    void flush() override
    {
        std::lock_guard lock(m_t->mutex);
        m_t->calls << "flush";
    }
    QString errorString() const override { return "no device here"; }

private:
    std::shared_ptr<Tape> m_t;
};

// Whether the samples from the index on are the phrase over and over.
bool repeatsPhrase(const Samples &s, size_t from, const Samples &phrase)
{
    for (size_t i = from; i < s.size(); ++i)
        if (s[i] != phrase[(i - from) % phrase.size()])
            return false;
    return true;
}

// How strongly a tone of the frequency sounds in the samples, as the peak
// amplitude of a sine that strong (Goertzel's algorithm).
double toneLevel(const short *s, int count, double hz)
{
    const double w = 2 * M_PI * hz / kRate, c = 2 * std::cos(w);
    double a = 0, b = 0;
    for (int i = 0; i < count; ++i) {
        const double next = s[i] + c * a - b;
        b = a;
        a = next;
    }
    return 2 * std::sqrt(std::max(0.0, a * a + b * b - c * a * b)) / count;
}

double match(const Samples &heard, qint64 at, const Samples &phrase, int length)
{
    double score = 0;
    for (int i = 0; i < length && at + i < qint64(heard.size()); ++i)
        score += double(heard[size_t(at + i)]) * phrase[size_t(i)];
    return score;
}

// Where the first phrase begins in the recording, within a phrase's length
// of the index: first where its opening matches best, then, a few of its
// waves either way, where its first half does (the opening alone matches a
// wave later almost as well).
qint64 phraseStart(const Samples &heard, qint64 from, const Samples &phrase)
{
    const auto best = [&](qint64 first, qint64 last, int length) {
        qint64 found = -1;
        double top = 0;
        for (qint64 at = std::max<qint64>(first, 0); at <= last; ++at)
            if (const double score = match(heard, at, phrase, length); score > top)
                top = score, found = at;
        return found;
    };
    const qint64 rough = best(from, std::min(from + qint64(phrase.size()), qint64(heard.size())) - kRate / 20,
                              kRate / 20);
    return rough < 0 ? -1 : best(rough - 100, rough + 100, int(phrase.size()) / 2);
}

const ChimeNote &note(int i) { return ChimeShape::notes[size_t(i)]; }
} // namespace

class ChimeTest : public QObject {
    Q_OBJECT
    const Samples phrase = [] {
        const auto p = chimePhrase(kRate);
        return Samples(p.begin(), p.end());
    }();

    // After the phrase's start, each note is heard at its pitch, and the
    // other one not yet or no longer as loud.
    void verifyNotesFrom(const Samples &heard, qint64 start)
    {
        const int window = kRate / 25;
        QVERIFY(start + qint64(phrase.size()) <= qint64(heard.size()));
        for (int i = 0; i < 2; ++i) {
            const short *at = heard.data() + start + qint64((note(i).startSeconds + 0.05) * kRate);
            const double own = toneLevel(at, window, note(i).hz);
            const double other = toneLevel(at, window, note(1 - i).hz);
            qInfo("note %d: %.0f at %.1f Hz, %.0f at the other", i + 1, own, note(i).hz, other);
            QVERIFY(own > 10000);
            QVERIFY(own > 3 * other);
        }
    }

private slots:
    void repeatsUntilStoppedThenDropsWhatWaits()
    {
        auto tape = std::make_shared<Tape>();
        ChimePlayer chime(std::make_unique<TapeSink>(tape));
        chime.start();
        chime.start();
        QVERIFY(chime.isSounding());
        const auto heard = [&] { return tape->read([&] { return qint64(tape->heard.size()); }); };
        QTRY_VERIFY_WITH_TIMEOUT(heard() > qint64(phrase.size()) * 3 / 2, 5000);
        chime.stop();
        QVERIFY(!chime.isSounding());
        QTRY_COMPARE(tape->read([&] { return tape->calls; }), (QStringList{"open", "write", "flush"}));

        // The phrase whole, then from its start again; the next call starts
        // it afresh on the device already open.
        const Samples first = tape->read([&] { return tape->heard; });
        QVERIFY(repeatsPhrase(first, 0, phrase));
        chime.start();
        QTRY_VERIFY(heard() > qint64(first.size()) + 100);
        chime.stop();
        QTRY_COMPARE(tape->read([&] { return tape->calls.size(); }), 5);
        QCOMPARE(tape->read([&] { return tape->opens; }), 1);
        QVERIFY(repeatsPhrase(tape->read([&] { return tape->heard; }), first.size(), phrase));
    }

    void aMissingDeviceIsLoggedOnceAndTriedAtEachStart()
    {
        QTest::failOnWarning(QRegularExpression("."));
        auto tape = std::make_shared<Tape>();
        tape->failingOpens = 2;
        ChimePlayer chime(std::make_unique<TapeSink>(tape));
        QTest::ignoreMessage(QtWarningMsg, "The chime cannot be heard: no device here");
        for (int call = 1; call <= 3; ++call) {
            chime.start();
            QTRY_COMPARE(tape->read([&] { return tape->opens; }), call);
            if (call < 3)
                chime.stop();
        }
        // The third opens: it is heard (stopped only once heard, as a stop
        // right after the open may come before the first sample).
        QTRY_VERIFY(tape->read([&] { return !tape->heard.empty(); }));
        chime.stop();
    }

    void heardAtTheSinkAndSilentSoonAfterStop()
    {
        if (const QString why = SinkRecorder::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable("cannot listen to the sound: " + why));
        SinkRecorder recorder;
        QVERIFY(recorder.start());
        ChimePlayer chime;
        chime.start();
        QTRY_VERIFY_WITH_TIMEOUT(recorder.soundFrom().first >= 0, 5000);
        const qint64 loud = recorder.soundFrom().first;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.size() > loud + qint64(phrase.size()) * 2, 5000);
        verifyNotesFrom(recorder.samples(), phraseStart(recorder.samples(), loud - kRate / 10, phrase));

        chime.stop();
        const qint64 stopNs = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        const qint64 atStop = recorder.size();
        QTest::qWait(600);
        const SinkRecorder::Span after = recorder.soundFrom(atStop);
        const double late = after.first < 0 ? 0 : (recorder.arrivalNs(after.last) - stopNs) / 1e6;
        qInfo("the last sound arrived %.1f ms after stop()", late);
        QVERIFY(late < 100);
        QVERIFY(recorder.size() - atStop > kRate / 4);   // and the sink kept running
    }

    // Both streams at once: where the chime sounds, the speech is what is
    // left when the chime's own samples are taken away.
    void heardWhileSpeechPlays()
    {
        if (const QString why = SinkRecorder::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable("cannot listen to the sound: " + why));
#ifndef PELUMO_HAVE_ESPEAK
        QSKIP("built without espeak-ng");
#endif
        // The sink's sum is taken apart sample by sample, so a stream that
        // runs short for a moment on a loaded machine (the sanitizers' build
        // runs several times slower) shifts what follows: the sound is
        // listened to again, up to three times, before the chime's residue
        // counts as a fault.
        for (int attempt = 1;; ++attempt) {
            SinkRecorder recorder;
            QVERIFY(recorder.start());
            EspeakEngine voice;
            QVERIFY(voice.waitUntilReady());
            const QString text = QStringLiteral("きょうは とても いい てんきです。こうえんへ さんぽに いきました。"
                                                "あしたも いい てんきだと いいですね");
            voice.speak(text, text, SpeechKind::Message);
            QTRY_VERIFY_WITH_TIMEOUT(recorder.soundFrom().first >= 0, 5000);
            const qint64 before = recorder.size();
            ChimePlayer chime;
            chime.start();
            QTRY_VERIFY_WITH_TIMEOUT(recorder.size() > before + qint64(phrase.size()) * 2, 5000);
            QVERIFY2(voice.isSpeaking(), "the speech ended before the chime had sounded");
            chime.stop();
            voice.stop();

            const Samples &heard = recorder.samples();
            const qint64 start = phraseStart(heard, before, phrase);
            QVERIFY(start >= 0);
            verifyNotesFrom(heard, start);
            // Over the first half, the part the phrase was found by.
            const size_t half = phrase.size() / 2;
            Samples speech(half);
            for (size_t i = 0; i < half; ++i)
                speech[i] = short(std::clamp(heard[size_t(start) + i] - phrase[i], -32768, 32767));
            bool wholeChimeTaken = true;
            for (const ChimeNote &n : ChimeShape::notes)
                wholeChimeTaken = wholeChimeTaken
                                  && toneLevel(speech.data() + qint64((n.startSeconds + 0.05) * kRate), kRate / 25, n.hz) < 2000;
            if (!wholeChimeTaken && attempt < 3) {
                qInfo("attempt %d: the chime's residue is left in the sum; listening again", attempt);
                continue;
            }
            QVERIFY(wholeChimeTaken);
            const SinkRecorder::Span voiced = SinkRecorder::soundIn(speech);
            qInfo("speech heard over %.2f s of the chime's first %.2f s", voiced.seconds(), double(half) / kRate);
            QVERIFY(voiced.seconds() > double(half) / kRate / 2);
            break;
        }
    }
};

QTEST_MAIN(ChimeTest)
#include "chime_test.moc"

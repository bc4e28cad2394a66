// The real espeak-ng voice, played into memory instead of a device.
#include "speech/EspeakEngine.h"
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <mutex>

using namespace pelumo;

namespace {
// Keeps every sample; shared with the speech thread, hence the lock.
struct Recording {
    std::mutex mutex;
    int sampleRate = 0;
    qint64 samples = 0;
    int flushes = 0;
    bool noDevice = false;   // every opening fails
    qint64 count()
    {
        std::lock_guard lock(mutex);
        return samples;
    }
    int flushCount()
    {
        std::lock_guard lock(mutex);
        return flushes;
    }
};

class MemorySink : public AudioSink {
public:
    explicit MemorySink(std::shared_ptr<Recording> r) : m_r(std::move(r)) {}
    bool open(int sampleRate) override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->sampleRate = sampleRate;
        return !m_r->noDevice;
    }
    void close() override {}
    bool write(const short *, int count) override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->samples += count;
        return true;
    }
    void flush() override
    {
        std::lock_guard lock(m_r->mutex);
        ++m_r->flushes;
    }

private:
    std::shared_ptr<Recording> m_r;
};

const QString kLongText = QStringLiteral(
    "きょうは とても よい てんきです。こうえんへ さんぽに いきました。"
    "おひるには ともだちと いっしょに ごはんを たべました。"
    "よるは はやく ねて、あしたも げんきに すごしたいと おもいます。");
}

class EspeakEngineTest : public QObject {
    Q_OBJECT
    std::shared_ptr<Recording> recording;
    std::unique_ptr<EspeakEngine> engine;

private slots:
    void init()
    {
#ifndef PELUMO_HAVE_ESPEAK
        QSKIP("built without espeak-ng");
#else
        recording = std::make_shared<Recording>();
        engine = std::make_unique<EspeakEngine>(std::make_unique<MemorySink>(recording));
        if (!engine->waitUntilReady())
            QSKIP("espeak-ng is installed but could not start (voice data missing?)");
#endif
    }
    void cleanup() { engine.reset(); }

    void say(const QString &text, SpeechKind kind = SpeechKind::Message)
    {
        engine->speak(text, text, kind);
    }
    // The samples of one text said alone, from a fresh start.
    qint64 samplesOf(const QString &text)
    {
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        const qint64 before = recording->count();
        say(text);
        if (!ended.wait(10000))
            return -1;
        return recording->count() - before;
    }

    void greetingHasPlausibleLength()
    {
        QSignalSpy started(engine.get(), &SpeechEngine::audioStarted);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        QElapsedTimer clock;
        clock.start();
        engine->speak(QStringLiteral("こんにちは、ありがとう_"), QStringLiteral("こんにちは、ありがとう "), SpeechKind::Message);
        QVERIFY(engine->isSpeaking());
        QVERIFY(started.wait(2000));
        const qint64 firstAudio = clock.elapsed();
        // The text as written, for the balloon.
        QCOMPARE(started.first().first().toString(), QStringLiteral("こんにちは、ありがとう_"));
        QVERIFY(ended.wait(10000));
        const double seconds = double(recording->count()) / recording->sampleRate;
        qInfo("first audio after %lld ms, %.2f s of speech in %lld ms", firstAudio, seconds,
              clock.elapsed());
        // Ten morae and a pause: well over half a second, well under five.
        QVERIFY2(seconds > 0.6 && seconds < 5.0, qPrintable(QString::number(seconds)));
        // It ends when it would have been heard, not as soon as it is made.
        QVERIFY(clock.elapsed() >= qint64(seconds * 1000) - 200);
        QVERIFY(!engine->isSpeaking());
        QCOMPARE(recording->flushCount(), 0);
    }

    void stopEndsALongTextAtOnce()
    {
        QSignalSpy started(engine.get(), &SpeechEngine::audioStarted);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        say(kLongText);
        say(QStringLiteral("つぎの ぶんです"));
        QVERIFY(started.wait(2000));
        QTest::qWait(400);
        QElapsedTimer clock;
        clock.start();
        engine->stop();
        QVERIFY(clock.elapsed() < 20);   // stop() itself never waits
        QVERIFY(!engine->isSpeaking());
        const qint64 atStop = recording->count();
        // The speech thread drops what waits in the device once it has noticed.
        QTRY_COMPARE_WITH_TIMEOUT(recording->flushCount(), 1, 3000);
        QTest::qWait(300);
        const qint64 rate = recording->sampleRate;
        // At most the buffer being made when stop came follows; nothing queued.
        QVERIFY2(recording->count() - atStop < rate / 4,
                 qPrintable(QString::number(recording->count() - atStop)));
        QVERIFY(recording->count() < rate * 2);
        QCOMPARE(recording->flushCount(), 1);
        QCOMPARE(started.count(), 1);   // the queued text was never begun
        QCOMPARE(ended.count(), 0);
    }

    void speaksAgainAfterStop()
    {
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        say(kLongText);
        engine->stop();
        say(QStringLiteral("あ"));
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.count(), 1);
        QVERIFY(recording->count() > 0);
    }
    void keyEchoesGiveWayToTheLatestKey()
    {
        QSignalSpy started(engine.get(), &SpeechEngine::audioStarted);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        const int flushesBefore = recording->flushCount();
        // Eight keys a second: each new one cuts off the one being said.
        for (const char *key : {"か", "き", "く", "け", "こ"}) {
            say(key, SpeechKind::Key);
            QTest::qWait(125);
        }
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(started.count(), 5);   // each began at once, none waited
        QCOMPARE(started.last().first().toString(), QStringLiteral("こ"));
        QVERIFY(!engine->isSpeaking());
        // What the four cut-off keys left in the device was dropped.
        QCOMPARE(recording->flushCount() - flushesBefore, 4);
    }

    void aKeyEchoWaitsForTheWholeMessage()
    {
        const qint64 message = samplesOf(QStringLiteral("おはようございます"));
        QSignalSpy started(engine.get(), &SpeechEngine::audioStarted);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        const qint64 before = recording->count();
        say(QStringLiteral("おはようございます"));
        QVERIFY(started.wait(2000));
        say(QStringLiteral("か"), SpeechKind::Key);
        say(QStringLiteral("き"), SpeechKind::Key);   // replaces か, still waiting
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(started.count(), 2);
        QCOMPARE(started.last().first().toString(), QStringLiteral("き"));
        QVERIFY(recording->count() - before > message);   // the message whole, then the key
    }

    void voiceSettingsApplyFromTheNextText()
    {
        const qint64 normal = samplesOf(kLongText.left(20));
        engine->setVoice({100, 50, 100});
        // The defaults are today's sound (espeak-ng varies by a few samples).
        QVERIFY(qAbs(samplesOf(kLongText.left(20)) - normal) < normal / 100);
        engine->setVoice({200, 70, 80});
        const qint64 fast = samplesOf(kLongText.left(20));
        QVERIFY2(fast < normal * 0.7, qPrintable(QString("%1 against %2").arg(fast).arg(normal)));
    }

    void withoutADeviceSpeechGoesOnAndIsReportedOnce()
    {
        engine.reset();
        recording->noDevice = true;
        engine = std::make_unique<EspeakEngine>(std::make_unique<MemorySink>(recording));
        QVERIFY(engine->waitUntilReady());
        QSignalSpy lost(engine.get(), &SpeechEngine::audioUnavailable);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        for (int i = 0; i < 3; ++i) {
            say(QStringLiteral("あ"), SpeechKind::Key);
            QVERIFY(ended.wait(5000));   // said in silence, in time
        }
        QCOMPARE(lost.count(), 1);
        QCOMPARE(recording->count(), 0);
    }
};

QTEST_GUILESS_MAIN(EspeakEngineTest)
#include "espeak_engine_test.moc"

// The real espeak-ng voice, played into memory instead of a device.
#include "platform/EspeakEngine.h"
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
        return true;
    }
    void write(const short *, int count) override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->samples += count;
    }
    void drain() override {}
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

    void greetingHasPlausibleLength()
    {
        QSignalSpy started(engine.get(), &SpeechEngine::audioStarted);
        QSignalSpy ended(engine.get(), &SpeechEngine::speechEnded);
        QElapsedTimer clock;
        clock.start();
        engine->speak(QStringLiteral("こんにちは、ありがとう"));
        QVERIFY(engine->isSpeaking());
        QVERIFY(started.wait(2000));
        const qint64 firstAudio = clock.elapsed();
        QCOMPARE(started.first().first().toString(), QStringLiteral("こんにちは、ありがとう"));
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
        engine->speak(kLongText);
        engine->speak(QStringLiteral("つぎの ぶんです"));
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
        engine->speak(kLongText);
        engine->stop();
        engine->speak(QStringLiteral("あ"));
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.count(), 1);
        QVERIFY(recording->count() > 0);
    }
};

QTEST_GUILESS_MAIN(EspeakEngineTest)
#include "espeak_engine_test.moc"

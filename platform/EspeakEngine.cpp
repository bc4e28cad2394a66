#ifdef PELUMO_HAVE_ESPEAK
#include "platform/EspeakEngine.h"
#include "platform/Logging.h"
#include <QTimer>
#include <espeak-ng/espeak_ng.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace pelumo {

using SteadyClock = std::chrono::steady_clock;

// Everything espeak-ng is asked runs here, on one thread: the library keeps
// global state and its calls may take long. The GUI thread only queues texts,
// bumps the generation to stop, and receives queued calls back.
class SpeechThread {
public:
    using Started = std::function<void(quint64, QString)>;
    using Finished = std::function<void(quint64)>;

    SpeechThread(std::unique_ptr<AudioSink> sink, Started started, Finished finished)
        : m_sink(std::move(sink)), m_started(std::move(started)), m_finished(std::move(finished))
    {
        m_ready = m_readyPromise.get_future().share();
        m_thread = std::thread([this] { run(); });
    }
    ~SpeechThread()
    {
        {
            std::lock_guard lock(m_mutex);
            m_quitting = true;
            ++m_generation;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    quint64 generation() const { return m_generation; }
    // espeak-ng starts when asked, or with the first text, whichever comes first.
    void startUp()
    {
        {
            std::lock_guard lock(m_mutex);
            m_startRequested = true;
        }
        m_wake.notify_all();
    }
    bool waitUntilReady()
    {
        startUp();
        return m_ready.get();
    }

    void enqueue(const QString &text)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back({text, m_generation});
        }
        m_wake.notify_all();
    }
    // Drops the queue; the text being said notices between two buffers.
    quint64 cancelAll()
    {
        quint64 g;
        {
            std::lock_guard lock(m_mutex);
            m_queue.clear();
            g = ++m_generation;
        }
        m_wake.notify_all();
        return g;
    }

private:
    struct Utterance {
        QString text;
        quint64 generation;
    };

    // Leading samples below this are the silence espeak-ng opens with; not
    // sending them makes speech start about 40 ms sooner after a touch.
    static constexpr int kSilence = 64;
    // How far the samples may run ahead of what has played: enough to keep the
    // device fed, little enough that stop() leaves almost nothing to drop.
    static constexpr double kLeadSeconds = 0.15;
    static constexpr int kPiecesPerSecond = 50;

    void run()
    {
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_startRequested || m_quitting || !m_queue.empty(); });
            if (m_quitting) {
                m_readyPromise.set_value(false);
                return;
            }
        }
        const bool ok = initialise();
        m_readyPromise.set_value(ok);
        for (;;) {
            Utterance u;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_quitting || !m_queue.empty(); });
                if (m_quitting)
                    break;
                u = m_queue.front();
                m_queue.pop_front();
            }
            if (ok)
                say(u);
            m_finished(u.generation);
        }
        // No espeak_ng_Terminate: in espeak-ng 1.51 it waits forever for a
        // thread of its own after synchronous synthesis. The process ending
        // releases the library, and a later engine initialises it afresh.
    }

    bool initialise()
    {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status == ENS_OK)
            status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status == ENS_OK)
            status = espeak_ng_SetVoiceByName("ja");
        if (status != ENS_OK) {
            char message[512];
            espeak_ng_GetStatusCodeMessage(status, message, sizeof message);
            qCWarning(lcSpeech).noquote() << "espeak-ng could not start, speech is silent:" << message;
            return false;
        }
        espeak_SetSynthCallback(&SpeechThread::synthCallback);
        m_sampleRate = espeak_ng_GetSampleRate();
        if (!m_sink->open(m_sampleRate)) {
            qCWarning(lcSpeech).noquote()
                << "No audio output, speech is silent:" << m_sink->errorString();
            m_sink = std::make_unique<SilentSink>();
        }
        return true;
    }

    void say(const Utterance &u)
    {
        m_current = &u;
        m_samplesOut = 0;
        const QByteArray utf8 = u.text.toUtf8();
        espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, this);
        // The synthesis is done when the last samples are queued; the speech
        // ends when they have played.
        const bool ended = m_samplesOut == 0 || waitUntil(u, playedBy(m_samplesOut));
        if (ended)
            m_sink->drain();
        else
            m_sink->flush();
        m_current = nullptr;
    }

    static int synthCallback(short *wav, int count, espeak_EVENT *events)
    {
        auto *self = static_cast<SpeechThread *>(events->user_data);
        return self->deliver(wav, count) ? 0 : 1;   // 1 ends the synthesis
    }

    // False once the text has been stopped.
    bool deliver(const short *wav, int count)
    {
        const Utterance &u = *m_current;
        if (stale(u))
            return false;
        if (!wav || count <= 0)
            return true;
        if (m_samplesOut == 0) {
            while (count > 0 && std::abs(*wav) < kSilence)
                ++wav, --count;
            if (count == 0)
                return true;
            m_start = SteadyClock::now();
            m_started(u.generation, u.text);
        } else if (!waitUntil(u, playedBy(m_samplesOut) - toDuration(kLeadSeconds))) {
            return false;
        }
        // In small pieces: a device write blocks while the device is full, and
        // a stop must not wait for a whole buffer to go in first.
        const int piece = std::max(1, m_sampleRate / kPiecesPerSecond);
        for (int done = 0; done < count; done += piece) {
            if (stale(u))
                return false;
            const int n = std::min(piece, count - done);
            m_sink->write(wav + done, n);
            m_samplesOut += n;
        }
        return !stale(u);
    }

    static SteadyClock::duration toDuration(double seconds)
    {
        return std::chrono::duration_cast<SteadyClock::duration>(
            std::chrono::duration<double>(seconds));
    }
    SteadyClock::time_point playedBy(qint64 samples) const
    {
        return m_start + toDuration(double(samples) / m_sampleRate);
    }
    bool stale(const Utterance &u) const { return u.generation != m_generation; }
    // Sleeps until the deadline; false when the text was stopped meanwhile.
    bool waitUntil(const Utterance &u, SteadyClock::time_point deadline)
    {
        std::unique_lock lock(m_mutex);
        return !m_wake.wait_until(lock, deadline, [&] { return stale(u); });
    }

    std::unique_ptr<AudioSink> m_sink;
    Started m_started;
    Finished m_finished;
    std::promise<bool> m_readyPromise;
    std::shared_future<bool> m_ready;
    std::thread m_thread;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Utterance> m_queue;
    std::atomic<quint64> m_generation{0};
    bool m_quitting = false;
    bool m_startRequested = false;

    // Speech-thread only.
    int m_sampleRate = 22050;
    const Utterance *m_current = nullptr;
    qint64 m_samplesOut = 0;
    SteadyClock::time_point m_start;
};

EspeakEngine::EspeakEngine(std::unique_ptr<AudioSink> sink, QObject *parent)
    : SpeechEngine(parent)
{
    // The callbacks run on the speech thread: they only queue a call to this
    // object, which Qt drops if the engine is gone by then.
    auto started = [this](quint64 g, QString text) {
        m_audioStartNs = SteadyClock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        QMetaObject::invokeMethod(
            this, [this, g, text] { onAudioStarted(g, text); }, Qt::QueuedConnection);
    };
    auto finished = [this](quint64 g) {
        QMetaObject::invokeMethod(this, [this, g] { onFinished(g); }, Qt::QueuedConnection);
    };
    m_thread = std::make_unique<SpeechThread>(std::move(sink), started, finished);
    // Loading the voice and opening the device load libraries and read files;
    // done while the main window paints for the first time, they delay it.
    QTimer::singleShot(kWarmUpDelayMs, this, [this] { m_thread->startUp(); });
}

EspeakEngine::~EspeakEngine() = default;

void EspeakEngine::speak(const QString &text)
{
    ++m_pending;
    m_thread->enqueue(text);
}

void EspeakEngine::stop()
{
    m_pending = 0;
    m_thread->cancelAll();
}

bool EspeakEngine::isSpeaking() const
{
    return m_pending > 0;
}

bool EspeakEngine::waitUntilReady() const
{
    return m_thread->waitUntilReady();
}

void EspeakEngine::onAudioStarted(quint64 generation, const QString &text)
{
    if (generation == m_thread->generation())
        emit audioStarted(text);
}

void EspeakEngine::onFinished(quint64 generation)
{
    if (generation != m_thread->generation() || m_pending == 0)
        return;
    if (--m_pending == 0)
        emit speechEnded();
}

} // namespace pelumo
#endif

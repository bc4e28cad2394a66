#ifdef PELUMO_HAVE_ESPEAK
#include "speech/SpeechThread.h"
#include "platform/Logging.h"
#include <espeak-ng/espeak_ng.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <pthread.h>

namespace pelumo {

namespace {
// Leading samples below this are the silence espeak-ng opens with; not
// sending them makes speech start about 40 ms sooner after a touch.
constexpr int kSilence = 64;
// How far the samples may run ahead of what has played: enough to keep the
// device fed, and less than a sound server's buffer takes without blocking
// (about 40 ms for PulseAudio's default stream). A blocked write cannot be
// interrupted, so running further ahead would make a new key or ♪ wait for
// the device.
constexpr double kLeadSeconds = 0.03;
// Samples go to the device in pieces of 10 ms, each when its time has come.
constexpr int kPiecesPerSecond = 100;

// A key's sound must start within a frame of the touch even when the machine
// is busy. The lowest real-time priority puts this thread ahead of ordinary
// work; it spends its time waiting, and synthesis comes in short bursts. Where
// the system does not allow it (no rtprio for the user), it keeps the normal one.
void raisePriority()
{
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    const int error = pthread_setschedparam(pthread_self(), SCHED_RR, &param);
    qCDebug(lcSpeech) << "speech thread real-time priority:" << (error == 0 ? "yes" : strerror(error));
}

std::chrono::steady_clock::duration toDuration(double seconds)
{
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
}
} // namespace

// espeak-ng calls this with each buffer of samples it has made.
struct SynthCallback {
    static int call(short *wav, int count, espeak_EVENT *events)
    {
        auto *self = static_cast<SpeechThread *>(events->user_data);
        return self->deliver(wav, count) ? 0 : 1;   // 1 ends the synthesis
    }
};

SpeechThread::SpeechThread(std::unique_ptr<AudioSink> sink, Callbacks callbacks)
    : m_output(std::move(sink), callbacks.audio), m_callbacks(std::move(callbacks))
{
    m_ready = m_readyPromise.get_future().share();
    m_thread = std::thread([this] { run(); });
}

SpeechThread::~SpeechThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_quitting = true;
        m_silencedThrough = ~quint64(0);
    }
    m_wake.notify_all();
    m_thread.join();
}

void SpeechThread::startUp()
{
    {
        std::lock_guard lock(m_mutex);
        m_startRequested = true;
    }
    m_wake.notify_all();
}

bool SpeechThread::waitUntilReady()
{
    startUp();
    return m_ready.get();
}

void SpeechThread::enqueue(SpeechItem item)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.add(std::move(item), m_sayingKind))
            m_silencedThrough = std::max(m_silencedThrough.load(), m_sayingId);
    }
    m_wake.notify_all();
}

void SpeechThread::silenceThrough(quint64 id)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
        m_silencedThrough = std::max(m_silencedThrough.load(), id);
    }
    m_wake.notify_all();
}

void SpeechThread::setVoice(const VoiceSettings &voice)
{
    std::lock_guard lock(m_mutex);
    m_voice = voice;
}

void SpeechThread::run()
{
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_startRequested || m_quitting || !m_queue.items().empty(); });
        if (m_quitting) {
            m_readyPromise.set_value(false);
            return;
        }
    }
    raisePriority();
    const bool ok = initialise();
    m_readyPromise.set_value(ok);
    for (;;) {
        SpeechItem item;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quitting || !m_queue.items().empty(); });
            if (m_quitting)
                break;
            item = *m_queue.takeNext();
            m_sayingKind = item.kind;
            m_sayingId = item.id;
        }
        if (ok && !stale(item))
            say(item);
        {
            std::lock_guard lock(m_mutex);
            m_sayingKind.reset();
        }
        m_callbacks.finished(item.id);
    }
    // No espeak_ng_Terminate: in espeak-ng 1.51 it waits forever for a thread
    // of its own after synchronous synthesis. The process ending releases the
    // library, and a later engine initialises it afresh.
}

bool SpeechThread::initialise()
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
    espeak_SetSynthCallback(&SynthCallback::call);
    m_sampleRate = espeak_ng_GetSampleRate();
    m_output.setSampleRate(m_sampleRate);
    // The voice's own rate and volume: the settings are percentages of them.
    m_normal.rate = espeak_GetParameter(espeakRATE, 1);
    m_normal.pitch = espeak_GetParameter(espeakPITCH, 1);
    m_normal.volume = espeak_GetParameter(espeakVOLUME, 1);
    return true;
}

// Between texts only: a change in the middle of one would be heard as a jump.
void SpeechThread::applyVoice()
{
    VoiceSettings wanted;
    {
        std::lock_guard lock(m_mutex);
        wanted = m_voice;
    }
    if (wanted == m_appliedVoice)
        return;
    m_appliedVoice = wanted;
    const EspeakParameters p = espeakParameters(wanted, m_normal);
    espeak_SetParameter(espeakRATE, p.rate, 0);
    espeak_SetParameter(espeakPITCH, p.pitch, 0);
    espeak_SetParameter(espeakVOLUME, p.volume, 0);
    qCDebug(lcSpeech) << "voice rate" << p.rate << "pitch" << p.pitch << "volume" << p.volume;
}

void SpeechThread::say(const SpeechItem &item)
{
    applyVoice();
    m_output.begin();
    m_current = &item;
    m_samplesOut = 0;
    const QByteArray utf8 = item.reading.toUtf8();
    espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8, nullptr, this);
    // The synthesis is done when the last samples are queued; the speech ends
    // when they have played.
    const bool whole = m_samplesOut == 0 || waitUntil(item, playedBy(m_samplesOut));
    m_output.end(!whole || stale(item));
    m_current = nullptr;
}

// False once the text has been silenced.
bool SpeechThread::deliver(const short *wav, int count)
{
    const SpeechItem &item = *m_current;
    if (stale(item))
        return false;
    if (!wav || count <= 0)
        return true;
    if (m_samplesOut == 0) {
        while (count > 0 && std::abs(*wav) < kSilence)
            ++wav, --count;
        if (count == 0)
            return true;
        m_start = Clock::now();
        m_callbacks.started(item.id, item.text);
    }
    const int piece = std::max(1, m_sampleRate / kPiecesPerSecond);
    for (int done = 0; done < count; done += piece) {
        if (!waitUntil(item, playedBy(m_samplesOut) - toDuration(kLeadSeconds)))
            return false;
        const int n = std::min(piece, count - done);
        m_output.write(wav + done, n);
        m_samplesOut += n;
    }
    return !stale(item);
}

SpeechThread::Clock::time_point SpeechThread::playedBy(qint64 samples) const
{
    return m_start + toDuration(double(samples) / m_sampleRate);
}

// Sleeps until the deadline; false when the text was silenced meanwhile.
bool SpeechThread::waitUntil(const SpeechItem &item, Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_until(lock, deadline, [&] { return stale(item); });
}

} // namespace pelumo
#endif

#include "speech/Chime.h"
#include "platform/Logging.h"
#include "speech/AudioOutput.h"
#include "speech/core/ChimeSound.h"
#include <algorithm>

namespace pelumo {

namespace {
using SteadyClock = std::chrono::steady_clock;

constexpr int kPiece = ChimePlayer::kSampleRate / 100;   // 10 ms
// How far the writes may run ahead of what has played: enough to keep the
// device fed, little enough that stop() is heard at once (what is ahead is
// dropped) and that a write never waits for room in the device.
constexpr auto kLead = std::chrono::milliseconds(30);

SteadyClock::duration samplesTime(qint64 samples)
{
    return std::chrono::duration_cast<SteadyClock::duration>(
        std::chrono::duration<double>(double(samples) / ChimePlayer::kSampleRate));
}

void reportDevice(bool available, const QString &detail)
{
    if (available)
        qCInfo(lcSpeech) << "The chime's audio output is open";
    else
        qCWarning(lcSpeech).noquote() << "The chime cannot be heard:" << detail;
}
} // namespace

ChimePlayer::ChimePlayer(std::unique_ptr<AudioSink> sink)
    : m_output(std::make_unique<AudioOutput>(std::move(sink), &reportDevice))
{
    m_output->setSampleRate(kSampleRate);
    m_thread = std::thread([this] { run(); });
}

ChimePlayer::~ChimePlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quitting = true;
        m_sounding = false;
    }
    m_wake.notify_all();
    m_thread.join();
}

void ChimePlayer::start()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_sounding)
            return;
        m_sounding = true;
        ++m_call;
    }
    qCDebug(lcSpeech) << "chime started";
    m_wake.notify_all();
}

void ChimePlayer::stop()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_sounding)
            return;
        m_sounding = false;
    }
    qCDebug(lcSpeech) << "chime stopped";
    m_wake.notify_all();
}

bool ChimePlayer::isSounding() const
{
    std::lock_guard lock(m_mutex);
    return m_sounding;
}

void ChimePlayer::run()
{
    quint64 played = 0;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return (m_sounding && m_call != played) || m_quitting; });
            if (m_quitting)
                return;
            played = m_call;
        }
        play(played);
    }
}

// One call: the phrase over and over from its start until stop(). Without a
// device the pieces go nowhere, at the same pace, and the next start() opens
// it again.
void ChimePlayer::play(quint64 call)
{
    static const std::vector<qint16> phrase = chimePhrase(kSampleRate);
    m_output->begin();
    const SteadyClock::time_point begun = SteadyClock::now();
    qint64 written = 0;
    size_t at = 0;
    while (waitWhileSounding(call, begun + samplesTime(written) - kLead)) {
        const int n = int(std::min<size_t>(kPiece, phrase.size() - at));
        m_output->write(phrase.data() + at, n);
        written += n;
        at = (at + size_t(n)) % phrase.size();
    }
    m_output->end(true);
}

// Sleeps until the time; false once the call has been stopped.
bool ChimePlayer::waitWhileSounding(quint64 call, SteadyClock::time_point until)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_until(lock, until, [&] { return !m_sounding || m_call != call; });
}

} // namespace pelumo

#include "speech/PcmPlayer.h"
#include <algorithm>

namespace pelumo {

namespace {
// As for espeak-ng (see SpeechThread.cpp): how far the samples run ahead of
// what has played, and the size of the pieces they go out in.
constexpr double kLeadSeconds = 0.03;
constexpr int kPiecesPerSecond = 100;

std::chrono::steady_clock::duration toDuration(double seconds)
{
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
}
} // namespace

PcmPlayer::PcmPlayer(std::unique_ptr<AudioSink> sink, Callbacks callbacks)
    : m_output(std::move(sink), callbacks.audio), m_callbacks(std::move(callbacks))
{
    m_thread = std::thread([this] { run(); });
}

PcmPlayer::~PcmPlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quitting = true;
        m_silencedThrough = ~quint64(0);
    }
    m_wake.notify_all();
    m_thread.join();
}

void PcmPlayer::play(Piece piece)
{
    {
        std::lock_guard lock(m_mutex);
        m_pieces.push_back(std::move(piece));
    }
    m_wake.notify_all();
}

void PcmPlayer::silenceThrough(quint64 id)
{
    {
        std::lock_guard lock(m_mutex);
        m_silencedThrough = std::max(m_silencedThrough, id);
    }
    m_wake.notify_all();
}

void PcmPlayer::run()
{
    for (;;) {
        Piece piece;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quitting || !m_pieces.empty(); });
            if (m_quitting)
                return;
            piece = std::move(m_pieces.front());
            m_pieces.pop_front();
        }
        bool dropped;
        {
            std::lock_guard lock(m_mutex);
            dropped = stale(piece.id);
        }
        if (!dropped)
            playPiece(piece);
        if (piece.last)
            m_callbacks.finished(piece.id);
    }
}

void PcmPlayer::playPiece(const Piece &piece)
{
    const PcmSound &sound = *piece.sound;
    m_output.setSampleRate(sound.sampleRate);
    if (piece.first) {
        m_output.begin();
        m_playedBy = Clock::now();
        m_callbacks.started(piece.id, piece.text);
    }
    // A piece that came later than the one before it ended starts now.
    m_playedBy = std::max(m_playedBy, Clock::now());
    const Clock::time_point start = m_playedBy;
    const qint64 total = qint64(sound.samples.size());
    const int step = std::max(1, sound.sampleRate / kPiecesPerSecond);
    auto playedBy = [&](qint64 samples) { return start + toDuration(double(samples) / sound.sampleRate); };
    bool whole = true;
    for (qint64 done = 0; done < total && whole; done += step) {
        whole = waitUntil(piece.id, playedBy(done) - toDuration(kLeadSeconds));
        if (whole)
            m_output.write(sound.samples.data() + done, int(std::min<qint64>(step, total - done)));
    }
    m_playedBy = playedBy(total);
    if (whole && piece.last)
        whole = waitUntil(piece.id, m_playedBy);
    if (!whole || piece.last)
        m_output.end(!whole);
}

// Sleeps until the deadline; false when the text was silenced meanwhile.
bool PcmPlayer::waitUntil(quint64 id, Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_until(lock, deadline, [&] { return stale(id); });
}

} // namespace pelumo

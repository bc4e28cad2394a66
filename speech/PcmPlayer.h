#pragma once
// Plays sound made elsewhere (Open JTalk's WAV files) on a thread of its own,
// through an AudioOutput, with the pacing the espeak-ng voice has: samples go
// out in pieces of 10 ms a little ahead of what has played, so silencing is
// heard at once and only a few pieces ever wait in the device to be dropped.
// A text may come in several pieces, played one after the other as they are
// handed over; its sound starts with the first.
#include "speech/AudioOutput.h"
#include "speech/core/WavSound.h"
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace pelumo {

class PcmPlayer {
public:
    struct Callbacks {
        std::function<void(quint64 id, const QString &text)> started;   // first sample out
        std::function<void(quint64 id)> finished;   // the text's last piece heard or dropped
        AudioOutput::Report audio;
    };
    struct Piece {
        quint64 id = 0;
        QString text;   // as written, for the balloon
        std::shared_ptr<const PcmSound> sound;
        bool first = true;
        bool last = true;
    };
    PcmPlayer(std::unique_ptr<AudioSink> sink, Callbacks callbacks);
    ~PcmPlayer();

    void play(Piece piece);
    // Drops every piece of the texts up to the id, playing or waiting.
    void silenceThrough(quint64 id);

private:
    using Clock = std::chrono::steady_clock;

    void run();
    void playPiece(const Piece &piece);
    bool stale(quint64 id) const { return id <= m_silencedThrough; }
    bool waitUntil(quint64 id, Clock::time_point deadline);

    AudioOutput m_output;
    Callbacks m_callbacks;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Piece> m_pieces;
    quint64 m_silencedThrough = 0;
    bool m_quitting = false;

    // Player thread only: where the text being played has got to.
    Clock::time_point m_playedBy;

    std::thread m_thread;   // last: starts when everything above is made
};

} // namespace pelumo

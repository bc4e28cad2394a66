#pragma once
// The call for help's chime, repeated until stopped, on an audio stream of its
// own beside the voice's: the sound server mixes the two, so it is heard while
// the character speaks, and it follows neither the voice option nor the
// voice's volume.
//
// The samples are made and written on a thread of the chime's own, in pieces
// of 10 ms paced to the clock, so that start() and stop() return at once and
// stop() is heard within a few pieces: what waits in the device is dropped.
// A device that cannot be opened is logged once and tried again at the next
// start().
#include "speech/AudioDevice.h"
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace pelumo {

class Chime {
public:
    virtual ~Chime() = default;
    virtual void start() = 0;   // nothing when it is sounding already
    virtual void stop() = 0;
    virtual bool isSounding() const = 0;
};

class AudioOutput;

class ChimePlayer : public Chime {
public:
    explicit ChimePlayer(std::unique_ptr<AudioSink> sink = makeDefaultAudioSink());
    ~ChimePlayer() override;

    void start() override;
    void stop() override;
    bool isSounding() const override;

    static constexpr int kSampleRate = 22050;

private:
    void run();
    void play(quint64 call);
    bool waitWhileSounding(quint64 call, std::chrono::steady_clock::time_point until);

    std::unique_ptr<AudioOutput> m_output;   // chime thread only

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_sounding = false;
    quint64 m_call = 0;   // counts the starts: a stop and a start between
                          // two pieces still begin a new call
    bool m_quitting = false;

    std::thread m_thread;   // last: starts when everything above is made
};

} // namespace pelumo

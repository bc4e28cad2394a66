#pragma once
// Everything espeak-ng is asked runs here, on one thread: the library keeps
// global state and its calls may take long. The GUI thread only queues texts,
// raises the mark of what is silenced, and receives queued calls back.
//
// espeak-ng hands us its samples and we pass them to the audio output at the
// pace they play. That is what makes silencing immediate: espeak_Cancel would
// wait for the synthesis under way (over a second for a long message), whereas
// a mark read between two small pieces ends it at once, and only a few pieces
// ever wait in the device to be dropped. Without sound the texts are "said" in
// silence, in the same time, so the character still moves its mouth.
#include "speech/AudioOutput.h"
#include "speech/core/SpeechQueue.h"
#include "speech/core/VoiceParameters.h"
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace pelumo {

class SpeechThread {
public:
    struct Callbacks {
        std::function<void(quint64 id, const QString &text)> started;   // first sample out
        std::function<void(quint64 id)> finished;   // heard whole, cut off or silenced
        AudioOutput::Report audio;
    };
    SpeechThread(std::unique_ptr<AudioSink> sink, Callbacks callbacks);
    ~SpeechThread();

    // espeak-ng starts when asked, or with the first text, whichever is first.
    void startUp();
    bool waitUntilReady();
    void enqueue(SpeechItem item);
    // Silences every text given up to the id, said or waiting.
    void silenceThrough(quint64 id);
    // Takes effect from the next text on.
    void setVoice(const VoiceSettings &voice);

private:
    using Clock = std::chrono::steady_clock;

    void run();
    bool initialise();
    void applyVoice();
    void say(const SpeechItem &item);
    friend struct SynthCallback;
    bool deliver(const short *wav, int count);
    bool stale(const SpeechItem &item) const { return item.id <= m_silencedThrough; }
    bool waitUntil(const SpeechItem &item, Clock::time_point deadline);
    Clock::time_point playedBy(qint64 samples) const;

    AudioOutput m_output;
    Callbacks m_callbacks;
    std::promise<bool> m_readyPromise;
    std::shared_future<bool> m_ready;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    SpeechQueue m_queue;
    std::optional<SpeechKind> m_sayingKind;
    quint64 m_sayingId = 0;
    VoiceSettings m_voice;
    bool m_quitting = false;
    bool m_startRequested = false;
    std::atomic<quint64> m_silencedThrough{0};

    // Speech-thread only.
    int m_sampleRate = 22050;
    EspeakParameters m_normal;
    VoiceSettings m_appliedVoice;
    const SpeechItem *m_current = nullptr;
    qint64 m_samplesOut = 0;
    Clock::time_point m_start;

    std::thread m_thread;   // last: starts when everything above is made
};

} // namespace pelumo

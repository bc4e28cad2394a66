#pragma once
// Japanese speech from espeak-ng's C library, in the program's own process.
//
// espeak-ng runs on a thread of its own and hands us its samples; we pass
// them to the audio output at the pace they play. That is what makes stop()
// immediate: espeak_Cancel would wait for the synthesis under way (over a
// second for a long message), whereas a flag read between two buffers ends it
// at once, and only a few buffers ever wait in the device to be dropped.
// Without sound the texts are "said" in silence, in the same time, so the
// character still moves its mouth and ends when the speech would have.
#include "platform/AudioDevice.h"
#include "platform/SpeechEngine.h"
#include <atomic>
#include <memory>

namespace pelumo {

class SpeechThread;

class EspeakEngine : public SpeechEngine {
    Q_OBJECT
public:
    // Returns at once; espeak-ng starts on its thread a moment later, after
    // the first paint, or at the first speak().
    explicit EspeakEngine(std::unique_ptr<AudioSink> sink = makeDefaultAudioSink(),
                          QObject *parent = nullptr);
    ~EspeakEngine() override;

    void speak(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override;

    // Blocks until espeak-ng has started; false when it could not. For tests
    // and measurements only: the program itself never waits for speech.
    bool waitUntilReady() const;

    // When the first sample of the latest text went to the output, on the
    // steady clock in nanoseconds: the audioStarted signal arrives only when
    // the GUI thread is next free. For measurements.
    qint64 lastAudioStartNs() const { return m_audioStartNs; }

    static constexpr int kWarmUpDelayMs = 300;

private:
    void onAudioStarted(quint64 generation, const QString &text);
    void onFinished(quint64 generation);

    std::unique_ptr<SpeechThread> m_thread;
    int m_pending = 0;   // texts given to speak() since the last stop(), not yet said
    std::atomic<qint64> m_audioStartNs{0};
};

} // namespace pelumo

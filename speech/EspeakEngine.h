#pragma once
// Japanese speech from espeak-ng's C library, in the program's own process, on
// a thread of its own (see SpeechThread.h). This side, on the GUI thread, only
// numbers the texts it is given and tells which of them are still to be heard.
#include "speech/AudioDevice.h"
#include "speech/SpeechEngine.h"
#include <atomic>
#include <memory>

namespace pelumo {

class SpeechThread;

class EspeakEngine : public SpeechEngine {
    Q_OBJECT
public:
    // Returns at once; espeak-ng starts on its thread a moment later, after
    // the first paint, or at the first speak(). The audio device is opened
    // when there is first something to say.
    explicit EspeakEngine(std::unique_ptr<AudioSink> sink = makeDefaultAudioSink(),
                          QObject *parent = nullptr);
    ~EspeakEngine() override;

    void speak(const QString &text, const QString &reading, SpeechKind kind) override;
    void stop() override;
    void setVoice(const VoiceSettings &voice) override;
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
    void onAudioStarted(quint64 id, const QString &text);
    void onFinished(quint64 id);
    void onAudioReport(bool available, const QString &detail);

    std::unique_ptr<SpeechThread> m_thread;
    quint64 m_lastId = 0;           // the latest text given
    quint64 m_silencedThrough = 0;  // by stop()
    quint64 m_doneThrough = 0;      // heard, or given way to a newer text
    std::atomic<qint64> m_audioStartNs{0};
};

} // namespace pelumo

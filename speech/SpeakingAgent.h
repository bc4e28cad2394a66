#pragma once
// The speaking character the program talks to: our own figure and a voice.
// Every Speak and Stop is logged at debug level under pelumo.speech, as
// `Speak "<text>" reading "<what the voice is given>" voice "<voice>"` and
// `Stop`, so that a person or a script can follow what was said on a machine
// without sound.
#include "speech/core/Agent.h"
#include "speech/CharacterWindow.h"
#include "speech/SpeechEngine.h"
#include <QObject>
#include <memory>
#include <optional>

namespace pelumo {

class SpeakingAgent : public QObject, public AgentCharacter {
    Q_OBJECT
public:
    // Without an engine the character still shows each text in its balloon.
    explicit SpeakingAgent(std::unique_ptr<SpeechEngine> engine);
    ~SpeakingAgent() override;

    void show() override;
    void moveTo(int x, int y) override;
    void play(const QString &animation) override;
    void speak(const QString &text, const QString &reading, SpeechKind kind) override;
    void stop() override;
    void setVoice(const VoiceSettings &voice) override;
    bool isSpeaking() const override { return m_engine && m_engine->isSpeaking(); }

    CharacterWindow &window();   // made on first use
    SpeechEngine *engine() { return m_engine.get(); }

    static constexpr int kShowDelayMs = 150;
    // How long the balloon stays after the speech has ended by itself.
    static constexpr int kBalloonLingerMs = 2000;

signals:
    // From the voice: no sound can be heard for now (see SpeechEngine).
    void audioUnavailable();

private:
    std::unique_ptr<SpeechEngine> m_engine;
    std::unique_ptr<CharacterWindow> m_window;
    std::optional<QPoint> m_position;
    QString m_pendingAnimation;
};

// The character with the voice stored (a voice's name, or "espeak-ng"; see
// VoiceCatalog.h), the first Open JTalk voice when none is stored or it is
// gone, else espeak-ng; in a build without espeak-ng, without a voice.
std::unique_ptr<SpeakingAgent> makeSpeakingAgent(const QString &storedVoice = {});

} // namespace pelumo

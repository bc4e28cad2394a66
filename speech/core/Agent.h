#pragma once
// The speaking character: the few operations the program asks of it. Speak
// returns at once; the speech plays while the user goes on composing.
#include "platform/core/VoiceSettings.h"
#include <QString>

namespace pelumo {

// A key echo gives way to the next key; a message is always said whole.
enum class SpeechKind { Key, Message };

class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual void show() = 0;
    virtual void moveTo(int x, int y) = 0;   // top-left corner, screen pixels
    virtual void play(const QString &animation) = 0;
    // text is what the user wrote (the balloon shows it); reading is what
    // the voice is given to say.
    virtual void speak(const QString &text, const QString &reading, SpeechKind kind) = 0;
    virtual void stop() = 0;
    virtual void setVoice(const VoiceSettings &voice) = 0;
    // Whether something given to speak is still being said.
    virtual bool isSpeaking() const { return false; }
};

// Used where no character could be made: the program carries on silently.
class SilentAgent : public AgentCharacter {
public:
    void show() override {}
    void moveTo(int, int) override {}
    void play(const QString &) override {}
    void speak(const QString &, const QString &, SpeechKind) override {}
    void stop() override {}
    void setVoice(const VoiceSettings &) override {}
};

} // namespace pelumo

#pragma once
// The speaking character: the few operations the program asks of it. Speak
// returns at once; the speech plays while the user goes on composing.
#include <QString>

namespace pelumo {

class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual void show() = 0;
    virtual void moveTo(int x, int y) = 0;   // top-left corner, screen pixels
    virtual void play(const QString &animation) = 0;
    virtual void speak(const QString &text) = 0;
    virtual void stop() = 0;
};

// Used where no character could be made: the program carries on silently.
class SilentAgent : public AgentCharacter {
public:
    void show() override {}
    void moveTo(int, int) override {}
    void play(const QString &) override {}
    void speak(const QString &) override {}
    void stop() override {}
};

} // namespace pelumo

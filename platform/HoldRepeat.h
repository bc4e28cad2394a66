#pragma once
// The press-and-hold repeat of the editing and list keys: the first step at
// once, then one step every 0.23 s while the button is held, from a ticker on
// the clock. Nothing waits between steps, so the window paints and answers.
#include "platform/Clock.h"
#include <functional>
#include <memory>

namespace pelumo {

class HoldRepeat {
public:
    static constexpr int kIntervalMs = 230;

    explicit HoldRepeat(Clock &clock) : m_clock(clock) {}

    // A step returns false when the repeat ends (the end of the text or the
    // list); a step that ends it still takes effect.
    using Step = std::function<bool()>;
    void start(Step step);
    void stop();
    bool isRunning() const { return m_ticker != nullptr; }

private:
    void tick();

    Clock &m_clock;
    Step m_step;
    std::unique_ptr<Ticker> m_ticker;
};

} // namespace pelumo

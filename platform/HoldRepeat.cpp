#include "platform/HoldRepeat.h"

namespace pelumo {

void HoldRepeat::start(Step step)
{
    stop();
    m_step = std::move(step);
    if (!m_step())
        return;
    m_ticker = m_clock.startTicker(kIntervalMs, [this] { tick(); });
}

void HoldRepeat::stop()
{
    m_ticker.reset();
}

void HoldRepeat::tick()
{
    // The step may stop this repeat or start another: keep it alive for the
    // call, and end only the repeat it belongs to.
    const Ticker *running = m_ticker.get();
    const Step step = m_step;
    if (!step() && m_ticker.get() == running)
        stop();
}

} // namespace pelumo

#include "platform/Clock.h"
#include <QTimer>

namespace pelumo {
namespace {

class TimerTicker : public Ticker {
public:
    TimerTicker(int intervalMs, std::function<void()> tick)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(tick));
        m_timer.start();
    }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<Ticker> SystemClock::startTicker(int intervalMs, std::function<void()> tick)
{
    return std::make_unique<TimerTicker>(intervalMs, std::move(tick));
}

} // namespace pelumo

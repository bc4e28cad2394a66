#include "platform/Clock.h"
#include <QThread>
#include <cmath>

namespace pelumo {

void SystemClock::sleep(int milliseconds)
{
    QThread::msleep(qMax(0, milliseconds));
}

void pauseBetweenRepeats(Clock &clock)
{
    constexpr float kPause = 0.23f;
    const double t0 = clock.monotonicSeconds();
    for (;;) {
        const float elapsed = float(clock.monotonicSeconds() - t0);
        if (elapsed > kPause)
            return;
        clock.sleep(int(std::ceil((kPause - elapsed) * 1000)) + 1);
    }
}

} // namespace pelumo

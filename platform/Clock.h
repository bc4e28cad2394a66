#pragma once
// Time as the program sees it, behind an interface so tests can set it.
#include <QDate>
#include <QElapsedTimer>

namespace pelumo {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a clock that never jumps (not the time of day, which wraps
    // at midnight and would hold a press-and-hold pause forever).
    virtual double monotonicSeconds() const = 0;
    virtual void sleep(int milliseconds) = 0;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { m_timer.start(); }
    double monotonicSeconds() const override { return m_timer.nsecsElapsed() / 1e9; }
    void sleep(int milliseconds) override;
    QDate today() const override { return QDate::currentDate(); }

private:
    QElapsedTimer m_timer;
};

// The pause between two steps of a held button: more than 0.23 s during which
// no events are processed. It sleeps rather than spins, so a held key does not
// keep a core busy.
void pauseBetweenRepeats(Clock &clock);

} // namespace pelumo

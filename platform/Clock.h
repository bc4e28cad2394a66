#pragma once
// Time as the program sees it, behind an interface so tests can set it.
#include <QDate>
#include <QElapsedTimer>
#include <functional>
#include <memory>

namespace pelumo {

// A running repeat; it stops when dropped.
class Ticker {
public:
    virtual ~Ticker() = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a clock that never jumps (not the time of day, which wraps
    // at midnight and would hold a press-and-hold pause forever).
    virtual double monotonicSeconds() const = 0;
    virtual QDate today() const = 0;
    // Calls tick every intervalMs from the event loop until the ticker is
    // dropped. Nothing waits: the window paints and answers between ticks.
    virtual std::unique_ptr<Ticker> startTicker(int intervalMs, std::function<void()> tick) = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { m_timer.start(); }
    double monotonicSeconds() const override { return m_timer.nsecsElapsed() / 1e9; }
    QDate today() const override { return QDate::currentDate(); }
    std::unique_ptr<Ticker> startTicker(int intervalMs, std::function<void()> tick) override;

private:
    QElapsedTimer m_timer;
};

} // namespace pelumo

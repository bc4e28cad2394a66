#pragma once
// Dwell (InputMode 3): watches the pointer, and when it rests on a target
// for DwellTime has the target pressed as a touch would press it, with a
// ring filling round the target meanwhile. What is under the pointer and how
// a press is given are the window's business, handed in as functions.
//
// Presses are given from the event loop, never inside the watcher's own
// tick: a press that opens a dialog runs the dialog's loop, and a timer
// whose tick is still running is not run again inside it, so a dialog opened
// from the tick would see no dwell at all.
#include "access/core/DwellTracker.h"
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace pelumo {

class Clock;
class ScanFrame;
class Ticker;

// What the pointer is over.
struct DwellSpot {
    ScanTarget target;
    bool repeats = false;        // the key repeats while held (← → ＢＳ ↑ ↓ △ ▽)
    QWidget *window = nullptr;   // the top-level window the target is on, which takes the press
    QRect rect;                  // the target on that window, for the ring round it
    double scale = 1.0;          // that window's layout scale
};

class DwellPointer : public QObject {
    Q_OBJECT
public:
    using PointerPos = std::function<QPoint()>;   // global pixels
    using SpotAt = std::function<std::optional<DwellSpot>(const QPoint &global)>;
    using Perform = std::function<void(QWidget *window, const DwellStep &)>;

    DwellPointer(Clock &clock, ScanFrame &frame, PointerPos pointerPos, SpotAt spotAt,
                 Perform perform, QObject *parent = nullptr);
    ~DwellPointer() override;

    // On: the pointer is looked at every kTickMs; a target counts once the
    // pointer has moved onto it. Off: a held key is let go, the ring hidden.
    void setEnabled(bool on);
    bool isEnabled() const { return m_ticker != nullptr; }
    void setDwellTime(int ms) { m_tracker.setDwellTime(ms); }
    // A ring fills or a key is held: a press is under way.
    bool isBusy() const { return isEnabled() && m_tracker.isBusy(); }

    static constexpr int kTickMs = 30;

private:
    void tick();
    qint64 nowMs() const;
    void showRing(const std::optional<DwellSpot> &spot, double fraction);
    struct Given {
        QPointer<QWidget> window;
        DwellStep step;
    };
    void perform(const std::vector<Given> &steps);

    Clock &m_clock;
    ScanFrame &m_frame;
    PointerPos m_pointerPos;
    SpotAt m_spotAt;
    Perform m_perform;
    DwellTracker m_tracker;
    std::unique_ptr<Ticker> m_ticker;
    QPoint m_lastPos;
    QPointer<QWidget> m_targetWindow;   // the window of the target under the pointer
    QPointer<QWidget> m_ringWindow;     // where the ring is shown, if anywhere
};

} // namespace pelumo

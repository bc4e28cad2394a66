#pragma once
// Dwell: the pointer resting on a target presses it. The tracker is told
// which target the pointer is over, and when, and answers with the presses
// and releases to give, exactly as a touch would give them. It owns no timer.
#include "access/core/ScanTargets.h"
#include <QtGlobal>
#include <optional>
#include <vector>

namespace pelumo {

enum class DwellAction { Press, Release };   // a mouse-down, a mouse-up

struct DwellStep {
    DwellAction action;
    ScanTarget target;
    bool operator==(const DwellStep &) const = default;
};

class DwellTracker {
public:
    // How long the pointer rests before a press, in ms (300 to 5000).
    void setDwellTime(int ms);
    int dwellTime() const { return m_dwellTime; }

    // The pointer is over `target` at nowMs (nullopt: over nothing that can
    // be pressed); `repeats`: the target repeats while held. Returns what to
    // give now, in order: a click is Press then Release; a repeating target
    // gets Press, and its Release when the pointer leaves it.
    std::vector<DwellStep> update(const std::optional<ScanTarget> &target, bool repeats,
                                  qint64 nowMs);
    // As if the pointer had left everything: the Release of a held key, if
    // any, and the tracker as new (dwell switched off, a window gone).
    std::vector<DwellStep> releaseHeld() { return update(std::nullopt, false, m_enteredAt); }

    // The ring: 0 to 1 while it fills, -1 when no ring is shown.
    double progress(qint64 nowMs) const;
    // A ring fills or a key is held: the target under a still pointer matters.
    bool isBusy() const { return m_armed || m_holding; }
    // The repeating key held down, if any.
    std::optional<ScanTarget> held() const;

private:
    int m_dwellTime = 1000;
    std::optional<ScanTarget> m_current;   // under the pointer
    qint64 m_enteredAt = 0;
    bool m_armed = false;     // the ring fills: not pressed since the pointer came
    bool m_holding = false;   // m_current is a repeating key held down
};

} // namespace pelumo

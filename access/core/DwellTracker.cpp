#include "access/core/DwellTracker.h"
#include "platform/core/Options.h"
#include <algorithm>

namespace pelumo {

void DwellTracker::setDwellTime(int ms)
{
    m_dwellTime = std::clamp(ms, keys::DwellTime.min, keys::DwellTime.max);
}

std::vector<DwellStep> DwellTracker::update(const std::optional<ScanTarget> &target, bool repeats,
                                            qint64 nowMs)
{
    std::vector<DwellStep> steps;
    if (target != m_current) {
        // Leaving cancels the ring and lets go of a held key; whatever is
        // entered starts a ring of its own.
        if (m_holding)
            steps.push_back({DwellAction::Release, *m_current});
        m_current = target;
        m_enteredAt = nowMs;
        m_armed = target.has_value();
        m_holding = false;
    }
    if (m_armed && nowMs - m_enteredAt >= m_dwellTime) {
        // Pressed once: the pointer must leave and come back for another.
        m_armed = false;
        steps.push_back({DwellAction::Press, *m_current});
        if (repeats)
            m_holding = true;   // the key's own hold repeat goes on while it rests
        else
            steps.push_back({DwellAction::Release, *m_current});
    }
    return steps;
}

double DwellTracker::progress(qint64 nowMs) const
{
    if (!m_armed)
        return -1.0;
    return std::clamp(double(nowMs - m_enteredAt) / m_dwellTime, 0.0, 1.0);
}

std::optional<ScanTarget> DwellTracker::held() const
{
    return m_holding ? m_current : std::nullopt;
}

} // namespace pelumo

#include "access/DwellPointer.h"
#include "access/ScanFrame.h"
#include "platform/Clock.h"
#include <QWidget>

namespace pelumo {

DwellPointer::DwellPointer(Clock &clock, ScanFrame &frame, PointerPos pointerPos, SpotAt spotAt,
                           Perform perform, QObject *parent)
    : QObject(parent), m_clock(clock), m_frame(frame), m_pointerPos(std::move(pointerPos)),
      m_spotAt(std::move(spotAt)), m_perform(std::move(perform))
{
}

DwellPointer::~DwellPointer() = default;

void DwellPointer::setEnabled(bool on)
{
    if (on == isEnabled())
        return;
    if (on) {
        // Whatever the pointer already rests on (the window under the
        // settings dialog just closed) waits for the pointer to move.
        m_lastPos = m_pointerPos();
        m_ticker = m_clock.startTicker(kTickMs, [this] { tick(); });
        return;
    }
    m_ticker.reset();
    showRing(std::nullopt, {}, -1.0);
    perform(m_tracker.releaseHeld());
}

qint64 DwellPointer::nowMs() const
{
    return qRound64(m_clock.monotonicSeconds() * 1000);
}

void DwellPointer::tick()
{
    const QPoint pos = m_pointerPos();
    // A still pointer with no ring filling and no key held changes nothing:
    // a target that appears under it (a dialog opening after a press) is
    // not pressed until the pointer moves.
    if (pos == m_lastPos && !m_tracker.isBusy())
        return;
    m_lastPos = pos;
    const std::optional<DwellSpot> spot = m_spotAt(pos);
    const qint64 now = nowMs();
    const std::vector<DwellStep> steps = spot ? m_tracker.update(spot->target, spot->repeats, now)
                                              : m_tracker.update(std::nullopt, false, now);
    // The ring first: a press may open a dialog whose event loop ticks on.
    showRing(spot, pos, m_tracker.progress(now));
    perform(steps);
}

void DwellPointer::showRing(const std::optional<DwellSpot> &spot, const QPoint &global,
                            double fraction)
{
    if (fraction >= 0 && spot && spot->window) {
        m_ringWindow = spot->window;
        m_frame.showRing(spot->window, spot->window->mapFromGlobal(global), fraction, spot->scale);
    } else if (m_ringWindow) {
        m_frame.showRing(m_ringWindow, {}, -1.0, 1.0);
        m_ringWindow = nullptr;
    }
}

void DwellPointer::perform(const std::vector<DwellStep> &steps)
{
    if (steps.empty())
        return;
    // A step may close the window that owns this watcher.
    const QPointer<DwellPointer> alive(this);
    for (const DwellStep &step : steps) {
        if (!alive)
            return;
        m_perform(step);
    }
}

} // namespace pelumo

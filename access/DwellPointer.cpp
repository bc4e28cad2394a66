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
    showRing(std::nullopt, -1.0);
    for (const DwellStep &step : m_tracker.releaseHeld())
        if (m_targetWindow)
            m_perform(m_targetWindow, step);
    m_targetWindow = nullptr;
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
    // A key left is let go on the window it was pressed on.
    const QPointer<QWidget> left = m_targetWindow;
    m_targetWindow = spot ? spot->window : nullptr;
    std::vector<Given> given;
    for (const DwellStep &step : steps)
        given.push_back({spot && step.target == spot->target ? m_targetWindow : left, step});
    showRing(spot, m_tracker.progress(now));
    if (given.empty())
        return;
    QMetaObject::invokeMethod(this, [this, given] { perform(given); }, Qt::QueuedConnection);
}

void DwellPointer::showRing(const std::optional<DwellSpot> &spot, double fraction)
{
    if (fraction >= 0 && spot && spot->window) {
        m_ringWindow = spot->window;
        m_frame.showRing(spot->window, spot->rect, fraction, spot->scale);
    } else if (m_ringWindow) {
        m_frame.showRing(m_ringWindow, {}, -1.0, 1.0);
        m_ringWindow = nullptr;
    }
}

void DwellPointer::perform(const std::vector<Given> &steps)
{
    // A step may close the window that owns this watcher, or the window of
    // the next step.
    const QPointer<DwellPointer> alive(this);
    for (const Given &g : steps) {
        if (!alive)
            return;
        if (g.window)
            m_perform(g.window, g.step);
    }
}

} // namespace pelumo

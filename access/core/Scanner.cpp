#include "access/core/Scanner.h"
#include <algorithm>

namespace pelumo {
namespace {

// A group with nothing in it could be entered and never left by a select.
void dropEmptyGroups(std::vector<ScanItem> &items)
{
    for (ScanItem &item : items)
        if (item.isGroup)
            dropEmptyGroups(item.items);
    std::erase_if(items, [](const ScanItem &i) { return i.isGroup && i.items.empty(); });
}

// What the caller must hear of when one input led to several changes.
ScanResult weightier(const ScanResult &a, const ScanResult &b)
{
    auto weight = [](ScanEvent e) {
        switch (e) {
        case ScanEvent::Held: return 4;
        case ScanEvent::Selected: return 3;
        case ScanEvent::Moved: return 2;
        case ScanEvent::Ignored: return 1;
        case ScanEvent::Nothing: break;
        }
        return 0;
    };
    return weight(b.event) > weight(a.event) ? b : a;
}

} // namespace

ScanSettings ScanSettings::clamped() const
{
    ScanSettings s = *this;
    s.mode = mode == ScanMode::Step ? ScanMode::Step : ScanMode::Automatic;
    s.scanTime = std::clamp(scanTime, 300, 8000);
    s.firstItemDelay = std::clamp(firstItemDelay, 0, 8000);
    s.rounds = std::clamp(rounds, 1, 10);
    s.acceptTime = std::clamp(acceptTime, 0, 5000);
    s.repeatBlockTime = std::clamp(repeatBlockTime, 0, 5000);
    // A hold no longer than a press could take would leave no press at all.
    s.holdTime = holdTime > 0 ? std::clamp(holdTime, s.acceptTime + kHoldBeyondAccept, 60000) : 0;
    return s;
}

Scanner::Scanner(const ScanSettings &settings)
    : m_settings(settings.clamped())
{
}

void Scanner::setSettings(const ScanSettings &settings)
{
    m_settings = settings.clamped();
    if (m_hold)
        m_hold->pending = false;
    restart(m_now);
}

void Scanner::setTable(ScanTable table, qint64 now)
{
    dropEmptyGroups(table);
    m_table = std::move(table);
    m_now = std::max(now, m_now);
    // A press held across a screen change counts for nothing; its hold may
    // still grow long.
    if (m_hold)
        m_hold->pending = false;
    restart(m_now);
}

const ScanItem *Scanner::highlighted() const
{
    return m_path.empty() ? nullptr : &siblings()[m_path.back()];
}

qint64 Scanner::nextDue() const
{
    qint64 due = -1;
    auto sooner = [&due](qint64 t) {
        if (due < 0 || t < due)
            due = t;
    };
    if (pending() && !countsAtRelease())
        sooner(m_hold->since + m_settings.acceptTime);
    if (m_hold && !m_hold->told && m_settings.holdTime > 0)
        sooner(m_hold->since + m_settings.holdTime);
    if (!pending() && m_settings.mode == ScanMode::Automatic && !m_path.empty())
        sooner(m_due);
    return due;
}

const std::vector<ScanItem> &Scanner::siblings() const
{
    const std::vector<ScanItem> *items = &m_table;
    for (size_t i = 0; i + 1 < m_path.size(); ++i)
        items = &(*items)[m_path[i]].items;
    return *items;
}

void Scanner::restart(qint64 now)
{
    m_path.clear();
    m_passes = 0;
    if (!m_table.empty()) {
        m_path.push_back(0);
        highlight(0, now);
    }
}

void Scanner::highlight(int index, qint64 now)
{
    m_path.back() = index;
    m_due = now + m_settings.scanTime + (index == 0 ? m_settings.firstItemDelay : 0);
}

ScanResult Scanner::step(qint64 now)
{
    if (m_path.empty())
        return {};
    const int next = m_path.back() + 1;
    if (next < int(siblings().size())) {
        highlight(next, now);
        return {ScanEvent::Moved, {}};
    }
    ++m_passes;
    if (level() > 0 && m_passes >= m_settings.rounds) {
        // Back up to the group just left, so that it can be entered again.
        m_path.pop_back();
        m_passes = 0;
        highlight(m_path.back(), now);
        return {ScanEvent::Moved, {}};
    }
    highlight(0, now);
    return {ScanEvent::Moved, {}};
}

ScanResult Scanner::act(SwitchId id, qint64 now)
{
    m_acceptedAt = now;
    m_everAccepted = true;
    if (m_path.empty())
        return {};
    if (m_settings.mode == ScanMode::Step && id == SwitchId::Step)
        return step(now);
    const ScanItem &item = *highlighted();
    if (item.isGroup) {
        m_path.push_back(0);
        m_passes = 0;
        highlight(0, now);
        return {ScanEvent::Moved, {}};
    }
    const ScanTarget target = item.target;
    restart(now);
    return {ScanEvent::Selected, target};
}

ScanResult Scanner::acceptDuePress(qint64 now)
{
    if (!pending() || countsAtRelease())
        return {};
    const qint64 acceptAt = m_hold->since + m_settings.acceptTime;
    if (now < acceptAt)
        return {};
    m_hold->pending = false;
    return act(m_hold->id, acceptAt);
}

ScanResult Scanner::tellLongHold(qint64 now)
{
    if (!m_hold || m_hold->told || m_settings.holdTime == 0)
        return {};
    const qint64 heldAt = m_hold->since + m_settings.holdTime;
    if (now < heldAt)
        return {};
    m_hold->told = true;
    if (m_hold->pending) {
        // Not a press after all: the highlight goes on from where it waited.
        m_hold->pending = false;
        m_due += heldAt - m_hold->since;
    }
    return {ScanEvent::Held, {}};
}

ScanResult Scanner::advanceTo(qint64 now)
{
    now = std::max(now, m_now);
    ScanResult result = weightier(acceptDuePress(now), tellLongHold(now));
    // The highlight waits while a press is held towards its acceptance.
    if (!pending() && m_settings.mode == ScanMode::Automatic && !m_path.empty()) {
        while (m_due <= now)
            result = weightier(result, step(m_due));
    }
    m_now = now;
    return result;
}

ScanResult Scanner::press(SwitchId id, qint64 now)
{
    ScanResult result = advanceTo(now);
    const bool blocked = m_everAccepted && m_now < m_acceptedAt + m_settings.repeatBlockTime;
    if (pending() || blocked)
        return weightier(result, {ScanEvent::Ignored, {}});
    m_hold = Hold{id, m_now};
    if (m_settings.acceptTime > 0)
        return result;
    m_hold->pending = false;
    return weightier(result, act(id, m_now));
}

ScanResult Scanner::release(SwitchId id, qint64 now)
{
    const ScanResult result = advanceTo(now);
    if (!m_hold || id != m_hold->id)
        return result;
    const Hold hold = *m_hold;
    m_hold.reset();
    if (!hold.pending)
        return result;
    if (countsAtRelease() && m_now - hold.since >= m_settings.acceptTime)
        return weightier(result, act(hold.id, m_now));
    // Too short to count: the highlight goes on from where it waited.
    m_due += m_now - hold.since;
    return result;
}

} // namespace pelumo

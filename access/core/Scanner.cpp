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
    return s;
}

Scanner::Scanner(const ScanSettings &settings)
    : m_settings(settings.clamped())
{
}

void Scanner::setSettings(const ScanSettings &settings)
{
    m_settings = settings.clamped();
    m_pending = false;
    restart(m_now);
}

void Scanner::setTable(ScanTable table, qint64 now)
{
    dropEmptyGroups(table);
    m_table = std::move(table);
    m_now = std::max(now, m_now);
    m_pending = false;   // a press held across a screen change counts for nothing
    restart(m_now);
}

const ScanItem *Scanner::highlighted() const
{
    return m_path.empty() ? nullptr : &siblings()[m_path.back()];
}

qint64 Scanner::nextDue() const
{
    if (m_pending)
        return m_pressedAt + m_settings.acceptTime;
    if (m_settings.mode != ScanMode::Automatic || m_path.empty())
        return -1;
    return m_due;
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
    const qint64 acceptAt = m_pressedAt + m_settings.acceptTime;
    if (!m_pending || now < acceptAt)
        return {};
    m_pending = false;
    return act(m_pendingId, acceptAt);
}

ScanResult Scanner::advanceTo(qint64 now)
{
    now = std::max(now, m_now);
    ScanResult result = acceptDuePress(now);
    // The highlight waits while a press is held towards its acceptance.
    if (!m_pending && m_settings.mode == ScanMode::Automatic && !m_path.empty()) {
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
    if (m_pending || blocked)
        return weightier(result, {ScanEvent::Ignored, {}});
    m_pending = true;
    m_pendingId = id;
    m_pressedAt = m_now;
    return weightier(result, acceptDuePress(m_now));
}

ScanResult Scanner::release(SwitchId id, qint64 now)
{
    const ScanResult result = advanceTo(now);
    if (m_pending && id == m_pendingId) {
        // Too short to count: the highlight goes on from where it waited.
        m_pending = false;
        m_due += m_now - m_pressedAt;
    }
    return result;
}

} // namespace pelumo

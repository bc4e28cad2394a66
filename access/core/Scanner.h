#pragma once
// Switch scanning: a highlight steps through a screen's scan table, by
// itself (one switch) or at each press of a step switch (two switches), and
// a press of the select switch enters the highlighted group or selects the
// highlighted target. The scanner owns no timer: it is told the time with
// every input, in milliseconds of any steady clock.
#include "access/core/ScanTargets.h"
#include <QtGlobal>
#include <optional>

namespace pelumo {

enum class ScanMode {
    Automatic = 1,   // the highlight steps by itself; any switch selects
    Step = 2,        // the step switch moves the highlight; the select switch selects
};

enum class SwitchId { Select, Step };

struct ScanSettings {
    ScanMode mode = ScanMode::Automatic;
    int scanTime = 1500;         // ms a highlight stays on an item (300 to 8000)
    int firstItemDelay = 0;      // extra ms on the first item of each group
    int rounds = 2;              // passes through a group before going back up a level
    int acceptTime = 0;          // ms a press must be held to count
    int repeatBlockTime = 0;     // ms after an accepted press in which presses are ignored
    // ms a switch held down is a long hold (a call for help), not a press;
    // 0: no long hold. Kept at least kHoldBeyondAccept past acceptTime.
    int holdTime = 0;

    static constexpr int kHoldBeyondAccept = 1000;

    // The same settings with every value in its range.
    ScanSettings clamped() const;
};

enum class ScanEvent {
    Nothing,    // nothing the user can see changed
    Moved,      // the highlight moved: a step, into a group or back up a level
    Selected,   // perform `target` exactly as a touch would
    Ignored,    // a press came too soon after an accepted one, or while another was held
    Held,       // the switch has been down for holdTime: once a hold, never again
};

struct ScanResult {
    ScanEvent event = ScanEvent::Nothing;
    ScanTarget target;   // for Selected
};

class Scanner {
public:
    explicit Scanner(const ScanSettings &settings = {});

    void setSettings(const ScanSettings &settings);
    const ScanSettings &settings() const { return m_settings; }

    // The shown screen's table; scanning starts again at its first item.
    // Empty groups are left out. An empty table highlights nothing.
    void setTable(ScanTable table, qint64 now);
    const ScanTable &table() const { return m_table; }

    ScanResult press(SwitchId id, qint64 now);
    ScanResult release(SwitchId id, qint64 now);
    // Steps the highlight for the time that has passed; call it whenever the
    // caller's clock moves on (at nextDue() at the latest).
    ScanResult advanceTo(qint64 now);

    // The highlighted item (null with an empty table), its position from the
    // top (one index per level) and the depth it is at (0 = top).
    const ScanItem *highlighted() const;
    const std::vector<int> &path() const { return m_path; }
    int level() const { return int(m_path.size()) - 1; }
    // When advanceTo() must next be called: the next automatic step, or the
    // moment a held press is accepted or becomes a long hold; -1 when only a
    // switch can move it.
    qint64 nextDue() const;

private:
    // The switch that is down. Its press is pending until it counts, is
    // released too soon, or the hold grows long; the hold itself is told
    // once, even after the table changed under it.
    struct Hold {
        SwitchId id = SwitchId::Select;
        qint64 since = 0;
        bool pending = true;
        bool told = false;   // Held was reported
    };

    const std::vector<ScanItem> &siblings() const;
    void restart(qint64 now);
    void highlight(int index, qint64 now);
    ScanResult step(qint64 now);
    ScanResult act(SwitchId id, qint64 now);
    ScanResult acceptDuePress(qint64 now);
    ScanResult tellLongHold(qint64 now);
    bool pending() const { return m_hold && m_hold->pending; }
    // A press that a long hold could turn into something else counts at its
    // release; otherwise as soon as it has been held acceptTime.
    bool countsAtRelease() const { return m_settings.acceptTime > 0 && m_settings.holdTime > 0; }

    ScanSettings m_settings;
    ScanTable m_table;
    std::vector<int> m_path;
    int m_passes = 0;          // full passes through the current level
    qint64 m_due = 0;          // when the automatic step happens
    qint64 m_now = 0;
    std::optional<Hold> m_hold;
    qint64 m_acceptedAt = 0;
    bool m_everAccepted = false;
};

} // namespace pelumo

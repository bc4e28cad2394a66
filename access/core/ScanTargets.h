#pragma once
// What switch scanning steps through: a screen's scan table is a list of
// items, each either a target (a control or a grid cell, pressed exactly as
// a touch would press it) or a named group of further items.
#include <QString>
#include <vector>

namespace pelumo {

struct ScanTarget {
    enum class Kind { Control, Cell };
    Kind kind = Kind::Control;
    QString id;     // the control's name ("cmdRead", "cmdRes0"), or the grid's ("grdBoard")
    int row = -1;   // for a cell
    int col = -1;

    static ScanTarget control(const QString &name) { return {Kind::Control, name, -1, -1}; }
    static ScanTarget cell(const QString &grid, int row, int col)
    {
        return {Kind::Cell, grid, row, col};
    }
    bool operator==(const ScanTarget &) const = default;
};

// One item of a scan table. A group has items and no target; a target has
// no items. The name is what auditory scanning says as the item is
// highlighted: a group's name ("あ行", "読む") or a target's caption.
struct ScanItem {
    QString name;
    bool isGroup = false;
    ScanTarget target;
    std::vector<ScanItem> items;

    static ScanItem of(const QString &name, const ScanTarget &target)
    {
        return {name, false, target, {}};
    }
    static ScanItem group(const QString &name, std::vector<ScanItem> items)
    {
        return {name, true, {}, std::move(items)};
    }
};

// A screen's scan order: its top-level items, scanned first to last.
using ScanTable = std::vector<ScanItem>;

// Every target an item stands for, in scan order: the highlight frame of a
// group goes round all of them.
inline void collectTargets(const ScanItem &item, std::vector<ScanTarget> &out)
{
    if (!item.isGroup)
        out.push_back(item.target);
    for (const ScanItem &inner : item.items)
        collectTargets(inner, out);
}

} // namespace pelumo

#pragma once
// Scan tables as text, for comparing in tests.
#include "access/core/ScanTargets.h"
#include <QStringList>

namespace pelumo::test {

// "name" for a target, "name[items]" for a group.
inline QString describe(const std::vector<ScanItem> &items)
{
    QStringList parts;
    for (const ScanItem &item : items)
        parts << (item.isGroup ? item.name + '[' + describe(item.items) + ']' : item.name);
    return parts.join(' ');
}

// The ids of every target, in scan order.
inline QStringList targetIds(const ScanTable &table)
{
    std::vector<ScanTarget> targets;
    for (const ScanItem &item : table)
        collectTargets(item, targets);
    QStringList ids;
    for (const ScanTarget &t : targets)
        ids << t.id;
    return ids;
}

} // namespace pelumo::test

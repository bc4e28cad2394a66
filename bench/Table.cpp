#include "Stats.h"
#include <cstdio>

namespace bench {

void printTable(const std::vector<Row> &rows)
{
    std::printf("%-44s %9s %9s %9s | %9s %7s | %-4s %s\n", "figure", "median", "p99", "max",
                "floor", "ratio", "goal", "");
    for (const Row &r : rows) {
        const double floor = r.floor.median();
        const QString ratio = floor > 0 ? QString::number(r.value.median() / floor, 'f', 2) : "-";
        std::printf("%-44s %9.2f %9.2f %9.2f | %9.2f %7s | %-4s %s\n", qPrintable(r.figure),
                    r.value.median(), r.value.p99(), r.value.max(), floor, qPrintable(ratio),
                    r.met ? "met" : "MISS", qPrintable(r.goal));
    }
    std::printf("(times in ms, memory in MiB; ratio = median / floor median)\n");
}

} // namespace bench

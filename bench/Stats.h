#pragma once
// Repeated measurements of one figure, in milliseconds.
#include <QString>
#include <algorithm>
#include <vector>

namespace bench {

struct Samples {
    std::vector<double> ms;

    void add(double v) { ms.push_back(v); }
    double quantile(double q) const
    {
        if (ms.empty())
            return 0;
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        const size_t i = std::min(s.size() - 1, size_t(q * (s.size() - 1) + 0.5));
        return s[i];
    }
    double median() const { return quantile(0.5); }
    double p99() const { return quantile(0.99); }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// One row of the printed table: a figure beside its floor and its goal.
struct Row {
    QString figure;
    Samples value;
    Samples floor;
    QString unit = "ms";
    QString goal;     // in words, e.g. "median <= 2 x floor, p99 < 16.7 ms"
    bool met = true;
};

void printTable(const std::vector<Row> &rows);

} // namespace bench

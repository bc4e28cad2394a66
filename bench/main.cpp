// pelumo-bench: how fast Pelumo answers, each figure beside its floor measured
// in the same run. Runs offscreen, in process, on data it makes itself.
#include "BenchData.h"
#include "Stats.h"
#include "platform/Fonts.h"
#include <QApplication>
#include <cstdio>

namespace bench {
std::vector<Row> measureTouches(const QStringList &phrases);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pelumo::installFontSubstitutions();

    const QStringList phrases = bench::makePhrases(bench::kFullPhraseBook);
    std::vector<bench::Row> rows;
    for (bench::Row &r : bench::measureTouches(phrases))
        rows.push_back(std::move(r));
    bench::printTable(rows);
    return 0;
}

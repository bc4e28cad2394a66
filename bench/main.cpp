// pelumo-bench: how fast Pelumo answers, each figure beside its floor measured
// in the same run. Runs offscreen, in process, on data it makes itself.
#include "BenchData.h"
#include "Stats.h"
#include "platform/Fonts.h"
#include <QApplication>
#include <cstdio>

#include <QTemporaryDir>

namespace bench {
int runChild(int argc, char *argv[]);
std::vector<Row> measureStartup(const QString &fullDataHome);
std::vector<Row> measureTouches(const QStringList &phrases);
std::vector<Row> measureCommands(const QStringList &phrases);
}

int main(int argc, char *argv[])
{
    if (const int status = bench::runChild(argc, argv); status >= 0)
        return status;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pelumo::installFontSubstitutions();

    const QStringList phrases = bench::makePhrases(bench::kFullPhraseBook);
    QTemporaryDir fullData;
    if (!bench::writePhraseBook(fullData.filePath("Talk"), phrases)
        || !bench::writeDiary(fullData.filePath("Talk"), bench::kFullDiary)) {
        std::fprintf(stderr, "could not write the benchmark's data\n");
        return 1;
    }
    std::vector<bench::Row> rows = bench::measureStartup(fullData.path());
    for (bench::Row &r : bench::measureTouches(phrases))
        rows.push_back(std::move(r));
    for (bench::Row &r : bench::measureCommands(phrases))
        rows.push_back(std::move(r));
    bench::printTable(rows);
    return 0;
}

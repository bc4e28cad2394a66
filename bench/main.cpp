// pelumo-bench: how fast Pelumo answers, each figure beside its floor measured
// in the same run. Runs offscreen, in process, on data it makes itself.
//   pelumo-bench [startup] [touches] [kanapress] [commands] [grid] [speech] [readings] [sound] [voice] [kana] [switch] [convert]
//                [--sentences FILE]
#include "BenchData.h"
#include "Stats.h"
#include "platform/Fonts.h"
#include <QApplication>
#include <cstdio>

#include <QTemporaryDir>

namespace bench {
int runChild(int argc, char *argv[]);
int runKanaPressChild(int argc, char *argv[]);
std::vector<Row> measureStartup(const QString &fullDataHome);
std::vector<Row> measureTouches(const QStringList &phrases);
std::vector<Row> measureKanaPresses(const QString &fullDataHome);
std::vector<Row> measureTapRelease();
std::vector<Row> measureCommands(const QStringList &phrases);
std::vector<Row> measureGridFill(const QStringList &phrases);
std::vector<Row> measureSpeech();
std::vector<Row> measureReadings();
std::vector<Row> measureSound();
std::vector<Row> measureNaturalVoice();
std::vector<Row> measureKanaCost(const QString &sentencesFile);
std::vector<Row> measureSwitchPresses(const QStringList &phrases);
std::vector<Row> measureConversion(const QStringList &phrases);
}

int main(int argc, char *argv[])
{
    if (const int status = bench::runKanaPressChild(argc, argv); status >= 0)
        return status;
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
    // Names on the command line pick groups of figures; none runs them all.
    QStringList wanted = app.arguments().mid(1);
    // --sentences FILE: the kana cost types these sentences (one a line, UTF-8).
    QString sentences;
    if (const qsizetype at = wanted.indexOf(QStringLiteral("--sentences")); at >= 0 && at + 1 < wanted.size()) {
        sentences = wanted[at + 1];
        wanted.remove(at, 2);
    }
    auto want = [&](const char *group) { return wanted.isEmpty() || wanted.contains(group); };
    std::vector<bench::Row> rows;
    auto add = [&rows](std::vector<bench::Row> more) {
        for (bench::Row &r : more)
            rows.push_back(std::move(r));
    };
    if (want("startup"))
        add(bench::measureStartup(fullData.path()));
    if (want("touches")) {
        add(bench::measureTouches(phrases));
        add(bench::measureTapRelease());
    }
    if (want("kanapress"))
        add(bench::measureKanaPresses(fullData.path()));
    if (want("commands"))
        add(bench::measureCommands(phrases));
    if (want("grid"))
        add(bench::measureGridFill(phrases));
    if (want("speech"))
        add(bench::measureSpeech());
    if (want("readings"))
        add(bench::measureReadings());
    if (want("sound"))
        add(bench::measureSound());
    if (want("voice"))
        add(bench::measureNaturalVoice());
    if (want("kana"))
        add(bench::measureKanaCost(sentences));
    if (want("switch"))
        add(bench::measureSwitchPresses(phrases));
    if (want("convert"))
        add(bench::measureConversion(phrases));
    bench::printTable(rows);
    return 0;
}

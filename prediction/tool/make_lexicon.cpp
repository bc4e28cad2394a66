// Builds the base lexicon at build time from the IPA dictionary's source
// entries (mecab-ipadic's *.csv, EUC-JP): every reading with the weight of
// its spellings' costs (all of the dictionary's 98,000 readings fit under kMaxReadings).
//   pelumo-make-lexicon OUT.txt IN.csv...
#include "prediction/core/IpadicEntry.h"
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <map>

using namespace pelumo;

namespace {

constexpr size_t kMaxReadings = 120000;

bool readEntries(const char *path, std::map<QString, double> &weights)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pelumo-make-lexicon: cannot read %s\n", path);
        return false;
    }
    QStringDecoder decode("EUC-JP");
    const QString text = decode(file.readAll());
    if (decode.hasError()) {
        std::fprintf(stderr, "pelumo-make-lexicon: %s is not EUC-JP\n", path);
        return false;
    }
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts))
        if (const std::optional<LexiconWord> word = ipadicWord(line)) {
            // A reading's most common spelling stands for it: summing them
            // would make a reading of many rare homophones (かいせん: 海戦,
            // 回線, 改選, 界線, ...) outweigh a common word.
            double &weight = weights[word->reading];
            weight = std::max(weight, word->weight);
        }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pelumo-make-lexicon OUT.txt IN.csv...\n");
        return 2;
    }
    std::map<QString, double> weights;
    for (int i = 2; i < argc; ++i)
        if (!readEntries(argv[i], weights))
            return 1;
    std::vector<LexiconWord> words;
    for (const auto &[reading, weight] : weights)
        words.push_back({reading, weight});
    std::sort(words.begin(), words.end(), [](const LexiconWord &a, const LexiconWord &b) {
        return a.weight > b.weight;
    });
    if (words.size() > kMaxReadings)
        words.resize(kMaxReadings);
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = Lexicon(std::move(words)).toText().toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "pelumo-make-lexicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

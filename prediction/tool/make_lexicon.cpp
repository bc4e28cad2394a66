// Builds the base lexicon at build time. With libkkc-data's word model
// (--kkc): its phrases (PhraseChains), weighted by how often they come in
// running text, leaving out the names the IPA dictionary knows only as
// proper nouns. Without it, from the IPA dictionary's source entries alone
// (mecab-ipadic's *.csv, EUC-JP): every reading with the weight of its
// spellings' costs (all of the dictionary's 98,000 readings fit under
// kMaxReadings), which rank words by their class more than by their use.
// With the word model it also writes next-words.txt beside OUT.txt: the
// phrases likely after each common word (NextWords' file form).
//   pelumo-make-lexicon OUT.txt [--kkc MODEL_DIR] IN.csv...
#ifdef PELUMO_WITH_KKC
#include "KkcModel.h"
#endif
#include "prediction/core/IpadicEntry.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

using namespace pelumo;

namespace {

constexpr size_t kMaxReadings = 120000;

std::optional<QString> readCsv(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pelumo-make-lexicon: cannot read %s\n", path);
        return std::nullopt;
    }
    QStringDecoder decode("EUC-JP");
    const QString text = decode(file.readAll());
    if (decode.hasError()) {
        std::fprintf(stderr, "pelumo-make-lexicon: %s is not EUC-JP\n", path);
        return std::nullopt;
    }
    return text;
}

bool readEntries(const char *path, std::map<QString, double> &weights)
{
    const std::optional<QString> text = readCsv(path);
    if (!text)
        return false;
    for (QStringView line : QStringView(*text).split(u'\n', Qt::SkipEmptyParts))
        if (const std::optional<LexiconWord> word = ipadicWord(line)) {
            // A reading's most common spelling stands for it: summing them
            // would make a reading of many rare homophones (かいせん: 海戦,
            // 回線, 改選, 界線, ...) outweigh a common word.
            double &weight = weights[word->reading];
            weight = std::max(weight, word->weight);
        }
    return true;
}

bool writeFile(const QString &path, const QString &text)
{
    QSaveFile out(path);
    const QByteArray bytes = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "pelumo-make-lexicon: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

std::optional<std::vector<LexiconWord>> ipadicWords(char **csv, int count)
{
    std::map<QString, double> weights;
    for (int i = 0; i < count; ++i)
        if (!readEntries(csv[i], weights))
            return std::nullopt;
    std::vector<LexiconWord> words;
    for (const auto &[reading, weight] : weights)
        words.push_back({reading, weight});
    std::sort(words.begin(), words.end(), [](const LexiconWord &a, const LexiconWord &b) {
        return a.weight > b.weight;
    });
    if (words.size() > kMaxReadings)
        words.resize(kMaxReadings);
    return words;
}

#ifdef PELUMO_WITH_KKC
// The written forms the dictionary has only as names (イタリア, 田中).
std::optional<QSet<QString>> namesOnly(char **csv, int count)
{
    QSet<QString> names, others;
    for (int i = 0; i < count; ++i) {
        const std::optional<QString> text = readCsv(csv[i]);
        if (!text)
            return std::nullopt;
        for (QStringView line : QStringView(*text).split(u'\n', Qt::SkipEmptyParts))
            if (const std::optional<IpadicSurface> s = ipadicSurface(line))
                (s->properNoun ? names : others).insert(s->surface);
    }
    return names.subtract(others);
}

std::optional<std::vector<LexiconWord>> kkcPhrases(const char *dir, char **csv, int count, const QString &nextWordsPath)
{
    const std::optional<QSet<QString>> names = namesOnly(csv, count);
    if (!names)
        return std::nullopt;
    QString error;
    const std::optional<WordModel> model = readKkcModel(QString::fromLocal8Bit(dir), *names, &error);
    if (!model) {
        std::fprintf(stderr, "pelumo-make-lexicon: %s\n", qPrintable(error));
        return std::nullopt;
    }
    ChainLimits limits;
    limits.kept = kMaxReadings;
    if (!writeFile(nextWordsPath, NextWords(nextPhrasesOf(*model, limits)).toText()))
        return std::nullopt;
    return phrasesOf(*model, limits);
}
#else
std::optional<std::vector<LexiconWord>> kkcPhrases(const char *, char **, int, const QString &)
{
    std::fprintf(stderr, "pelumo-make-lexicon: built without libkkc-data's model\n");
    return std::nullopt;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    const bool kkc = argc >= 5 && std::strcmp(argv[2], "--kkc") == 0;
    if (argc < 3 || (std::strcmp(argv[2], "--kkc") == 0 && !kkc)) {
        std::fprintf(stderr, "usage: pelumo-make-lexicon OUT.txt [--kkc MODEL_DIR] IN.csv...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString nextWords = QFileInfo(out).dir().filePath(QStringLiteral("next-words.txt"));
    std::optional<std::vector<LexiconWord>> words = kkc ? kkcPhrases(argv[3], argv + 4, argc - 4, nextWords)
                                                        : ipadicWords(argv + 2, argc - 2);
    return words && writeFile(out, Lexicon(std::move(*words)).toText()) ? 0 : 1;
}

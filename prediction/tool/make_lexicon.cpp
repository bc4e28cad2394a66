// Builds the base lexicon at build time. With libkkc-data's word model
// (--kkc): its phrases (PhraseChains), weighted by how often they come in
// running text, leaving out the names the IPA dictionary knows only as
// proper nouns. Without it, from the IPA dictionary's source entries alone
// (mecab-ipadic's *.csv, EUC-JP): every reading with the weight of its
// spellings' costs (all of the dictionary's 98,000 readings fit under
// kMaxReadings), which rank words by their class more than by their use.
// With the word model it also writes next-words.txt beside OUT.txt: the
// phrases likely after each common word (NextWords' file form), each piece
// of a phrase made whole by the lexicon written, core vocabulary included
// (WholePhrases).
// With --core, the phrases of a core vocabulary (prediction/data/) are added,
// each with kCoreWeight of the commonest phrase's weight, and its phrases
// after an ending to next-words.txt (OwnNextPhrases).
//   pelumo-make-lexicon OUT.txt [--core FILE] [--kkc MODEL_DIR] IN.csv...
#ifdef PELUMO_WITH_KKC
#include "KkcModel.h"
#endif
#include "prediction/core/IpadicEntry.h"
#include "prediction/core/NextWords.h"
#include "prediction/core/OwnNextPhrases.h"
#include "prediction/core/WholePhrases.h"
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

using namespace pelumo;

namespace {

constexpr size_t kMaxReadings = 120000;
// A core phrase weighs a quarter of the lexicon's commonest phrase (の in
// running text): enough to come first after its first kana or two among
// the prose's words, which rarely hold a greeting or a request.
constexpr double kCoreWeight = 0.25;

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

std::optional<std::vector<LexiconWord>> kkcPhrases(const char *dir, char **csv, int count, std::vector<NextPhrases> &next)
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
    next = nextPhrasesOf(*model, limits);
    return phrasesOf(*model, limits);
}
#else
std::optional<std::vector<LexiconWord>> kkcPhrases(const char *, char **, int, std::vector<NextPhrases> &)
{
    std::fprintf(stderr, "pelumo-make-lexicon: built without libkkc-data's model\n");
    return std::nullopt;
}
#endif

// The core vocabulary's phrases, and its phrases after an ending (lines
// "ending<TAB>phrase").
bool addCore(const char *path, std::vector<LexiconWord> &words, std::vector<OwnNextPhrase> &next)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pelumo-make-lexicon: cannot read %s\n", path);
        return false;
    }
    double commonest = 1;
    for (const LexiconWord &w : words)
        commonest = std::max(commonest, w.weight);
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.trimmed().split(u'\t', Qt::SkipEmptyParts);
        if (line.startsWith(u'#') || fields.isEmpty())
            continue;
        if (fields.size() == 2)
            next.push_back({fields[0], fields[1]});
        words.push_back({fields.back(), kCoreWeight * commonest});
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: pelumo-make-lexicon OUT.txt [--core FILE] [--kkc MODEL_DIR] IN.csv...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return usage();
    const QString out = QString::fromLocal8Bit(argv[1]);
    int next = 2;
    const char *core = nullptr, *kkc = nullptr;
    for (; next + 1 < argc && std::strncmp(argv[next], "--", 2) == 0; next += 2) {
        if (std::strcmp(argv[next], "--core") == 0)
            core = argv[next + 1];
        else if (std::strcmp(argv[next], "--kkc") == 0)
            kkc = argv[next + 1];
        else
            return usage();
    }
    if (next >= argc || std::strncmp(argv[next], "--", 2) == 0)
        return usage();
    std::vector<NextPhrases> nextPhrases;
    std::vector<OwnNextPhrase> ownNext;
    std::optional<std::vector<LexiconWord>> words = kkc ? kkcPhrases(kkc, argv + next, argc - next, nextPhrases)
                                                        : ipadicWords(argv + next, argc - next);
    if (!words || (core && !addCore(core, *words, ownNext)))
        return 1;
    const Lexicon lexicon(std::move(*words));
    if (kkc) {
        makePhrasesWhole(nextPhrases, lexicon);
        addOwnNextPhrases(nextPhrases, ownNext);
        if (!writeFile(nextWordsPath(out), NextWords(std::move(nextPhrases)).toText()))
            return 1;
    }
    return writeFile(out, lexicon.toText()) ? 0 : 1;
}

#include "KkcModel.h"
#include "prediction/core/KanaText.h"
#include <QFile>
#include <QtEndian>
#include <marisa.h>

namespace pelumo {
namespace {

constexpr double kLowestCost = -8.0;
constexpr qsizetype kUnigramSize = 6;
constexpr qsizetype kBigramSize = 12;
// A word's chance when it must never begin a phrase.
constexpr double kNever = -99;
constexpr int kLongestAttached = 3;

double decodeCost(const char *at)
{
    return qFromLittleEndian<quint16>(at) * kLowestCost / 65535.0;
}

bool allHiragana(QStringView text)
{
    for (QChar ch : text)
        if (!isPredictedKana(ch) || ch == u'ー')
            return false;
    return !text.isEmpty();
}

bool readFile(const QString &path, QByteArray &bytes, qsizetype recordSize, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (bytes.size() != file.size() || bytes.size() % recordSize != 0) {
        *error = QStringLiteral("%1 is damaged: %2 bytes").arg(path).arg(bytes.size());
        return false;
    }
    return true;
}

// The trie's keys by id.
bool readWords(const QString &path, std::vector<KkcWord> &words, QString *error)
{
    marisa::Trie trie;
    try {
        trie.load(QFile::encodeName(path).constData());
        words.resize(trie.num_keys());
        marisa::Agent agent;
        agent.set_query("");
        while (trie.predictive_search(agent)) {
            const QString key = QString::fromUtf8(agent.key().ptr(), qsizetype(agent.key().length()));
            const qsizetype slash = key.indexOf(u'/');
            if (slash > 0 && agent.key().id() < words.size())
                words[agent.key().id()] = {key.first(slash), key.sliced(slash + 1)};
        }
    } catch (const marisa::Exception &e) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

} // namespace

std::optional<WordModel> readKkcModel(const QString &dir, const QSet<QString> &skipped, QString *error)
{
    std::vector<KkcWord> words;
    QByteArray unigrams, bigrams;
    if (!readWords(dir + "/data.1gram.index", words, error)
        || !readFile(dir + "/data.1gram", unigrams, kUnigramSize, error)
        || !readFile(dir + "/data.2gram", bigrams, kBigramSize, error))
        return std::nullopt;
    if (unigrams.size() / kUnigramSize != qsizetype(words.size())) {
        *error = QStringLiteral("%1 words in the index, %2 in data.1gram").arg(words.size()).arg(unigrams.size() / kUnigramSize);
        return std::nullopt;
    }
    WordModel model;
    model.words.resize(words.size());
    model.next.resize(words.size());
    for (size_t i = 0; i < words.size(); ++i) {
        ChainWord &w = model.words[i];
        const KkcWord &k = words[i];
        const QString reading = toHiragana(k.reading);
        const bool kana = !reading.isEmpty() && std::all_of(reading.begin(), reading.end(), isPredictedKana);
        w.reading = kana ? reading : QString();
        w.attaches = kana && allHiragana(k.written) && reading.size() <= kLongestAttached;
        w.logChance = kana && !skipped.contains(k.written) ? decodeCost(unigrams.constData() + i * kUnigramSize) : kNever;
    }
    for (qsizetype at = 0; at < bigrams.size(); at += kBigramSize) {
        const char *record = bigrams.constData() + at;
        const quint32 word = qFromLittleEndian<quint32>(record);
        const quint32 before = qFromLittleEndian<quint32>(record + 4);
        if (word < words.size() && before < words.size())
            model.next[before].push_back({int(word), decodeCost(record + 8)});
    }
    return model;
}

} // namespace pelumo

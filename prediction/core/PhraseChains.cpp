#include "prediction/core/PhraseChains.h"
#include "prediction/core/KanaText.h"
#include <QHash>
#include <algorithm>
#include <cmath>
#include <optional>

namespace pelumo {
namespace {

// Below this a chain's ending is as unlikely as anything the model knows.
constexpr double kLeastEnding = 1e-3;
// Weights as numbers a person can read in the file.
constexpr double kWeightScale = 1e9;

class Chainer {
public:
    Chainer(const WordModel &model, const ChainLimits &limits) : m_model(model), m_limits(limits)
    {
        // Each word's attached followers, likeliest first, and how likely a
        // chain is to end after it: what those followers do not take.
        m_attached.resize(model.words.size());
        m_endLog.resize(model.words.size());
        for (size_t w = 0; w < model.words.size() && w < model.next.size(); ++w)
            for (const auto &[next, logChance] : model.next[w])
                if (model.words[size_t(next)].attaches)
                    m_attached[w].push_back({next, logChance});
        for (size_t w = 0; w < model.words.size(); ++w) {
            double taken = 0;
            for (const auto &[next, logChance] : m_attached[w])
                taken += std::pow(10.0, logChance);
            m_endLog[w] = std::log10(std::max(kLeastEnding, 1 - taken));
            std::sort(m_attached[w].begin(), m_attached[w].end(),
                      [](const auto &a, const auto &b) { return a.second > b.second; });
        }
    }

    // Every chain from word, starting at logChance, followed while above
    // lowest; the best weight of each reading in best.
    void chainFrom(int word, double logChance, double lowest, QHash<QString, double> &best) const
    {
        extend(word, m_model.words[size_t(word)].reading, logChance, lowest, 0, best);
    }

    // log10 of the chance that no attached word follows word.
    double endLog(int word) const { return m_endLog[size_t(word)]; }

private:
    void extend(int last, const QString &reading, double logChance, double lowest, int depth,
                QHash<QString, double> &best) const
    {
        if (logChance < lowest || reading.size() > m_limits.longest)
            return;
        const double ending = logChance + m_endLog[size_t(last)];
        auto it = best.find(reading);
        if (it == best.end())
            best.insert(reading, ending);
        else if (ending > *it)
            *it = ending;
        if (depth == m_limits.attached)
            return;
        for (const auto &[next, chance] : m_attached[size_t(last)]) {
            if (logChance + chance < lowest)
                return;   // the rest are less likely still
            extend(next, reading + m_model.words[size_t(next)].reading, logChance + chance, lowest, depth + 1, best);
        }
    }

    const WordModel &m_model;
    const ChainLimits &m_limits;
    std::vector<std::vector<std::pair<int, double>>> m_attached;
    std::vector<double> m_endLog;
};

} // namespace

std::vector<LexiconWord> phrasesOf(const WordModel &model, const ChainLimits &limits)
{
    const Chainer chainer(model, limits);
    QHash<QString, double> best;   // reading → log10 of its best chain's weight
    for (size_t w = 0; w < model.words.size(); ++w)
        chainer.chainFrom(int(w), model.words[w].logChance, limits.lowest, best);
    std::vector<LexiconWord> phrases;
    phrases.reserve(size_t(best.size()));
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        phrases.push_back({it.key(), std::pow(10.0, it.value()) * kWeightScale});
    std::sort(phrases.begin(), phrases.end(), [](const LexiconWord &a, const LexiconWord &b) {
        return a.weight != b.weight ? a.weight > b.weight : a.reading < b.reading;
    });
    if (phrases.size() > limits.kept)
        phrases.resize(limits.kept);
    return phrases;
}

namespace {

using Chains = std::vector<std::pair<QString, double>>;

Chains likeliest(const QHash<QString, double> &chances, size_t count)
{
    Chains out;
    out.reserve(size_t(chances.size()));
    for (auto it = chances.cbegin(); it != chances.cend(); ++it)
        out.push_back({it.key(), it.value()});
    const auto kept = out.begin() + std::ptrdiff_t(std::min(count, out.size()));
    std::partial_sort(out.begin(), kept, out.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    out.erase(kept, out.end());
    return out;
}

// The readings of the words, commonest first, each with its words.
std::vector<std::pair<QString, std::vector<int>>> readingsByUse(const WordModel &model, double lowest)
{
    QHash<QString, std::pair<double, std::vector<int>>> byReading;
    for (size_t w = 0; w < model.words.size(); ++w)
        if (const ChainWord &word = model.words[w]; !word.reading.isEmpty() && word.logChance >= lowest) {
            auto &[weight, words] = byReading[word.reading];
            weight += std::pow(10.0, word.logChance);
            words.push_back(int(w));
        }
    std::vector<std::pair<double, QString>> order;
    for (auto it = byReading.cbegin(); it != byReading.cend(); ++it)
        order.push_back({it->first, it.key()});
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<std::pair<QString, std::vector<int>>> out;
    for (const auto &[weight, reading] : order)
        out.push_back({reading, std::move(byReading[reading].second)});
    return out;
}

} // namespace

std::vector<NextPhrases> nextPhrasesOf(const WordModel &model, const ChainLimits &limits, const NextLimits &next)
{
    const Chainer chainer(model, limits);
    std::vector<std::optional<Chains>> starts(model.words.size());
    const auto startsOf = [&](int word) -> const Chains & {
        std::optional<Chains> &found = starts[size_t(word)];
        if (!found) {
            QHash<QString, double> chains;
            chainer.chainFrom(word, 0, next.lowest, chains);
            // A phrase of one kana (a particle) is never worth a button.
            chains.removeIf([&](const auto &c) { return c.key().size() < next.shortest; });
            found = likeliest(chains, size_t(next.starts));
        }
        return *found;
    };
    std::vector<NextPhrases> table;
    const auto readings = readingsByUse(model, limits.lowest);
    for (const auto &[reading, words] : readings) {
        if (table.size() >= next.words)
            break;
        double total = 0;
        for (int w : words)
            total += std::pow(10.0, model.words[size_t(w)].logChance);
        QHash<QString, double> after;
        for (int w : words) {
            if (size_t(w) >= model.next.size())
                continue;
            const double share = std::pow(10.0, model.words[size_t(w)].logChance) / total;
            for (const auto &[first, logChance] : model.next[size_t(w)])
                if (const ChainWord &f = model.words[size_t(first)];
                    !f.reading.isEmpty() && beginsAPhrase(f.reading.front()) && f.logChance >= limits.lowest)
                    for (const auto &[phrase, chainLog] : startsOf(first))
                        after[phrase] += share * std::pow(10.0, logChance + chainLog);
        }
        NextPhrases entry{reading, {}, std::any_of(words.begin(), words.end(), [&](int w) { return model.words[size_t(w)].attaches; })};
        for (const auto &[phrase, chance] : likeliest(after, next.phrases))
            if (chance >= next.least)
                entry.next.push_back({phrase, std::min(1.0, chance)});
        if (!entry.next.empty())
            table.push_back(std::move(entry));
    }
    return table;
}

} // namespace pelumo

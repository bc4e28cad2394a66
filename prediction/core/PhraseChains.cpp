#include "prediction/core/PhraseChains.h"
#include <QHash>
#include <algorithm>
#include <cmath>

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

    void chainFrom(int word)
    {
        const ChainWord &w = m_model.words[size_t(word)];
        extend(word, w.reading, w.logChance, 0);
    }

    QHash<QString, double> take() { return std::move(m_best); }

private:
    void extend(int last, const QString &reading, double logChance, int depth)
    {
        if (logChance < m_limits.lowest || reading.size() > m_limits.longest)
            return;
        const double ending = logChance + m_endLog[size_t(last)];
        auto it = m_best.find(reading);
        if (it == m_best.end())
            m_best.insert(reading, ending);
        else if (ending > *it)
            *it = ending;
        if (depth == m_limits.attached)
            return;
        for (const auto &[next, chance] : m_attached[size_t(last)]) {
            if (logChance + chance < m_limits.lowest)
                return;   // the rest are less likely still
            extend(next, reading + m_model.words[size_t(next)].reading, logChance + chance, depth + 1);
        }
    }

    const WordModel &m_model;
    const ChainLimits &m_limits;
    std::vector<std::vector<std::pair<int, double>>> m_attached;
    std::vector<double> m_endLog;
    QHash<QString, double> m_best;   // reading → log10 of its best chain's weight
};

} // namespace

std::vector<LexiconWord> phrasesOf(const WordModel &model, const ChainLimits &limits)
{
    Chainer chainer(model, limits);
    for (size_t w = 0; w < model.words.size(); ++w)
        chainer.chainFrom(int(w));
    const QHash<QString, double> best = chainer.take();
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

} // namespace pelumo

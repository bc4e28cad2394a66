#include "prediction/core/KanaNgram.h"
#include "prediction/core/Lexicon.h"
#include <algorithm>

namespace pelumo {
namespace {

// The word's start, as a context character.
constexpr QChar kStart = QChar(u'^');
// Standing for any character: the counts of the shorter contexts.
constexpr QChar kAny = QChar(u'*');

constexpr double kTrigramShare = 0.6;
constexpr double kBigramShare = 0.3;
constexpr double kUnigramShare = 0.1;

} // namespace

quint64 KanaNgram::keyOf(QChar before2, QChar before1, QChar next)
{
    return (quint64(before2.unicode()) << 32) | (quint64(before1.unicode()) << 16) | next.unicode();
}

double KanaNgram::count(QChar before2, QChar before1, QChar next) const
{
    return m_counts.value(keyOf(before2, before1, next));
}

void KanaNgram::add(QStringView word, double weight)
{
    QChar before2 = kStart, before1 = kStart;
    for (QChar ch : word) {
        m_counts[keyOf(before2, before1, ch)] += weight;
        m_counts[keyOf(before2, before1, kAny)] += weight;
        m_counts[keyOf(kAny, before1, ch)] += weight;
        m_counts[keyOf(kAny, before1, kAny)] += weight;
        m_counts[keyOf(kAny, kAny, ch)] += weight;
        m_counts[keyOf(kAny, kAny, kAny)] += weight;
        before2 = before1;
        before1 = ch;
    }
}

KanaNgram KanaNgram::of(const Lexicon &lexicon)
{
    KanaNgram gram;
    for (int i = 0; i < lexicon.size(); ++i)
        gram.add(lexicon.reading(i), lexicon.weight(i));
    return gram;
}

QList<KanaChance> KanaNgram::next(QStringView context) const
{
    const QChar before1 = context.size() >= 1 ? context.at(context.size() - 1) : kStart;
    const QChar before2 = context.size() >= 2 ? context.at(context.size() - 2) : kStart;
    const double all[] = {count(before2, before1, kAny), count(kAny, before1, kAny), count(kAny, kAny, kAny)};
    if (all[2] <= 0)
        return {};
    QHash<QChar, double> chances;
    const auto consider = [&](QChar next) {
        double chance = kUnigramShare * count(kAny, kAny, next) / all[2];
        if (all[1] > 0)
            chance += kBigramShare * count(kAny, before1, next) / all[1];
        if (all[0] > 0)
            chance += kTrigramShare * count(before2, before1, next) / all[0];
        if (chance > 0)
            chances[next] = chance;
    };
    for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)
        consider(QChar(c));
    consider(QChar(u'ー'));
    // A share whose context was never seen goes to the shorter ones.
    const double seen = (all[0] > 0 ? kTrigramShare : 0) + (all[1] > 0 ? kBigramShare : 0) + kUnigramShare;
    QList<KanaChance> out;
    for (auto it = chances.cbegin(); it != chances.cend(); ++it)
        out.push_back({it.key(), it.value() / seen});
    std::sort(out.begin(), out.end(), [](const KanaChance &a, const KanaChance &b) {
        return a.chance != b.chance ? a.chance > b.chance : a.kana < b.kana;
    });
    return out;
}

} // namespace pelumo

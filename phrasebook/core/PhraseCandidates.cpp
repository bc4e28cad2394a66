#include "phrasebook/core/PhraseCandidates.h"
#include "platform/core/Characters.h"
#include "platform/core/MessageRules.h"
#include "phrasebook/core/PhraseFile.h"
#include <algorithm>

namespace pelumo {

std::optional<QString> candidateKey(const QString &message, int caret, int matchLength)
{
    const int length = int(message.size());
    if (length != caret + 1 || matchLength <= 0)
        return std::nullopt;
    // Whole characters: a character outside the BMP counts once and is
    // never cut in half.
    const int end = message.endsWith(kEndMarker) ? length - 1 : length;
    int start = end;
    for (int i = 0; i < matchLength && start > 0; ++i)
        start = previousCharacter(message, start);
    return message.mid(start, end - start);
}

bool phraseMatchesKey(const QString &phrase, const QString &key)
{
    const QString k = trimBlanks(key);
    // Trimming shortened the key: only a phrase shorter than the key can have
    // its first key-length characters equal to it, and then it is compared whole.
    return k.size() == key.size() ? phrase.startsWith(k) : phrase == k;
}

bool isOfferablePhrase(const QString &phrase)
{
    return !phrase.isEmpty() && phrase != kPlaceholderText;
}

void PhraseCandidateIndex::rebuild(const QStringList &phrases)
{
    m_texts = phrases;
    m_order.clear();
    m_sorted.clear();
    m_sorted.reserve(phrases.size());
    for (int i = 0; i < phrases.size(); ++i)
        if (isOfferablePhrase(phrases.at(i)))
            m_sorted << i;
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [this](int a, int b) { return m_texts.at(a) < m_texts.at(b); });
}

void PhraseCandidateIndex::rebuildSorted(const QStringList &texts, const QList<int> &order)
{
    m_texts = texts;
    m_order = order;
    m_sorted.clear();
    m_sorted.reserve(texts.size());
    for (int i = 0; i < texts.size(); ++i)
        if (order.at(i) >= 0 && isOfferablePhrase(texts.at(i)))
            m_sorted << i;
    m_sorted.squeeze();
}

QStringList PhraseCandidateIndex::lookup(const QString &key) const
{
    const QString k = trimBlanks(key);
    const bool exact = k.size() != key.size();
    // Every phrase beginning with k sorts in one run from the first one not
    // less than k.
    auto it = std::lower_bound(m_sorted.cbegin(), m_sorted.cend(), k,
                               [this](int i, const QString &v) { return m_texts.at(i) < v; });
    QList<int> hits;
    for (; it != m_sorted.cend(); ++it) {
        const QString &phrase = m_texts.at(*it);
        if (exact ? phrase != k : !phrase.startsWith(k))
            break;
        hits << *it;
    }
    const auto place = [this](int i) { return m_order.isEmpty() ? i : m_order.at(i); };
    std::sort(hits.begin(), hits.end(), [&place](int a, int b) { return place(a) < place(b); });
    QStringList out;
    out.reserve(hits.size());
    for (int i : hits)
        out << m_texts.at(i);
    return out;
}

} // namespace pelumo

#pragma once
// A kana trigram: how often each kana follows the two before it inside a
// word, with the word's start standing for the missing ones. Predictions
// mix the trigram with the bigram and the kana's own frequency, so a
// context never seen still offers the common kana.
#include <QHash>
#include <QList>
#include <QString>

namespace pelumo {

struct KanaChance {
    QChar kana;
    double chance = 0;   // 0 to 1
    bool operator==(const KanaChance &) const = default;
};

class KanaNgram {
public:
    // Counts every kana of word, weight times.
    void add(QStringView word, double weight);
    // Every word of a lexicon, by its weight (some 30 ms for the base
    // lexicon: made where the lexicon is read, off the window's thread).
    static KanaNgram of(const class Lexicon &lexicon);
    bool isEmpty() const { return m_counts.isEmpty(); }

    // The chance of each kana after context (the kana typed so far in the
    // word; only its last two count), highest first.
    QList<KanaChance> next(QStringView context) const;

private:
    static quint64 keyOf(QChar before2, QChar before1, QChar next);
    double count(QChar before2, QChar before1, QChar next) const;

    QHash<quint64, double> m_counts;   // a null QChar for "any" and for the word's start
};

} // namespace pelumo

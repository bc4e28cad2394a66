#pragma once
// The base lexicon: Japanese words as kana readings, each with a weight (how
// common it is), kept compact: the readings in one text, the entries sorted
// by reading so that the words that begin with a key lie side by side.
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace pelumo {

struct LexiconWord {
    QString reading;   // hiragana
    double weight = 0;
};

class Lexicon {
public:
    Lexicon() = default;
    // Words in any order; a reading given twice gets both weights.
    explicit Lexicon(std::vector<LexiconWord> words);

    // The file form: one "reading<TAB>weight" a line. Lines that are not
    // of that form are skipped and counted in *skipped.
    static Lexicon fromText(QStringView text, int *skipped = nullptr);
    QString toText() const;

    int size() const { return int(m_entries.size()); }
    QStringView reading(int index) const;
    double weight(int index) const { return m_entries[size_t(index)].weight; }

    // Calls visit(index) for every word that begins with prefix, in reading order.
    void forEachWithPrefix(QStringView prefix, const std::function<void(int)> &visit) const;

private:
    struct Entry {
        quint32 offset;
        quint16 length;
        float weight;
    };
    QString m_readings;
    std::vector<Entry> m_entries;
};

} // namespace pelumo

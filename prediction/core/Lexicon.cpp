#include "prediction/core/Lexicon.h"
#include <algorithm>
#include <map>

namespace pelumo {

Lexicon::Lexicon(std::vector<LexiconWord> words)
{
    // The file form is written sorted, each reading once: it is taken as it
    // is, without a second copy of every word on the way.
    const bool sortedOnce = std::adjacent_find(words.begin(), words.end(), [](const LexiconWord &a, const LexiconWord &b) {
                                return !(a.reading < b.reading);
                            }) == words.end();
    if (!sortedOnce) {
        std::map<QString, double> merged;
        for (LexiconWord &w : words)
            merged[std::move(w.reading)] += w.weight;
        words.clear();
        for (auto &[reading, weight] : merged)
            words.push_back({reading, weight});
    }
    qsizetype length = 0;
    for (const LexiconWord &w : words)
        length += w.reading.size();
    m_readings.reserve(length);
    m_entries.reserve(words.size());
    for (const LexiconWord &w : words) {
        if (w.reading.isEmpty() || w.reading.size() > 0xffff || w.weight <= 0)
            continue;
        m_entries.push_back({quint32(m_readings.size()), quint16(w.reading.size()), float(w.weight)});
        m_readings += w.reading;
    }
    m_entries.shrink_to_fit();
}

Lexicon Lexicon::fromText(QStringView text, int *skipped)
{
    std::vector<LexiconWord> words;
    int bad = 0;
    for (QStringView line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(u'\t');
        bool ok = false;
        const double weight = tab > 0 ? line.sliced(tab + 1).trimmed().toDouble(&ok) : 0;
        if (!ok || weight <= 0) {
            ++bad;
            continue;
        }
        words.push_back({line.first(tab).toString(), weight});
    }
    if (skipped)
        *skipped = bad;
    return Lexicon(std::move(words));
}

QString Lexicon::toText() const
{
    QString text;
    for (int i = 0; i < size(); ++i)
        text += reading(i).toString() + u'\t' + QString::number(weight(i), 'g', 4) + u'\n';
    return text;
}

QStringView Lexicon::reading(int index) const
{
    const Entry &e = m_entries[size_t(index)];
    return QStringView(m_readings).sliced(e.offset, e.length);
}

void Lexicon::forEachWithPrefix(QStringView prefix, const std::function<void(int)> &visit) const
{
    const auto readingOf = [this](const Entry &e) {
        return QStringView(m_readings).sliced(e.offset, e.length);
    };
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), prefix,
                               [&](const Entry &e, QStringView key) { return readingOf(e) < key; });
    for (; it != m_entries.end() && readingOf(*it).startsWith(prefix); ++it)
        visit(int(it - m_entries.begin()));
}

} // namespace pelumo

#include "prediction/core/NextWords.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace pelumo {
namespace {

// A last word is at most this long: the tails tried for a phrase.
constexpr qsizetype kLongestWord = 8;

} // namespace

QString nextWordsPath(const QString &lexiconPath)
{
    return QFileInfo(lexiconPath).dir().filePath(QStringLiteral("next-words.txt"));
}

NextWords::NextWords(std::vector<NextPhrases> table)
{
    std::erase_if(table, [](const NextPhrases &w) { return w.word.isEmpty() || w.word.size() > 0xffff || w.next.empty(); });
    std::stable_sort(table.begin(), table.end(), [](const NextPhrases &a, const NextPhrases &b) { return a.word < b.word; });
    table.erase(std::unique(table.begin(), table.end(),
                            [](const NextPhrases &a, const NextPhrases &b) { return a.word == b.word; }),
                table.end());
    for (NextPhrases &w : table) {
        std::stable_sort(w.next.begin(), w.next.end(),
                         [](const NextPhrase &a, const NextPhrase &b) { return a.chance > b.chance; });
        Word entry{add(w.word), w.attaches, quint32(m_next.size()), 0};
        for (const NextPhrase &n : w.next)
            if (n.reading.size() <= 0xffff && entry.count < 0xffff) {
                m_next.push_back({add(n.reading), float(n.chance)});
                ++entry.count;
            }
        m_words.push_back(entry);
    }
    m_text.squeeze();
    m_words.shrink_to_fit();
    m_next.shrink_to_fit();
}

NextWords::Text NextWords::add(const QString &reading)
{
    const Text t{quint32(m_text.size()), quint16(reading.size())};
    m_text += reading;
    return t;
}

NextWords NextWords::fromText(QStringView text, int *skipped)
{
    return NextWords(tableFromText(text, skipped));
}

std::vector<NextPhrases> NextWords::tableFromText(QStringView text, int *skipped)
{
    std::vector<NextPhrases> table;
    int bad = 0;
    for (QStringView line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = line.split(u'\t');
        const bool attaches = fields.front().startsWith(u'+');
        NextPhrases entry{fields.front().sliced(attaches ? 1 : 0).toString(), {}, attaches};
        bool ok = fields.size() >= 2 && !entry.word.isEmpty();
        for (QStringView field : fields.sliced(1)) {
            const qsizetype space = field.indexOf(u' ');
            bool number = false;
            const double chance = space > 0 ? field.sliced(space + 1).toDouble(&number) : 0;
            if (!number || chance <= 0 || chance > 1) {
                ok = false;
                break;
            }
            entry.next.push_back({field.first(space).toString(), chance});
        }
        if (ok)
            table.push_back(std::move(entry));
        else
            ++bad;
    }
    if (skipped)
        *skipped = bad;
    return table;
}

QString NextWords::toText() const
{
    QString text;
    for (const Word &w : m_words) {
        if (w.attaches)
            text += u'+';
        text += view(w.word);
        for (quint32 i = w.first; i < w.first + w.count; ++i) {
            text += u'\t';
            text += view(m_next[i].reading);
            text += u' ' + QString::number(m_next[i].chance, 'g', 3);
        }
        text += u'\n';
    }
    return text;
}

const NextWords::Word *NextWords::find(QStringView word) const
{
    const auto it = std::lower_bound(m_words.begin(), m_words.end(), word,
                                     [this](const Word &w, QStringView key) { return view(w.word) < key; });
    return it != m_words.end() && view(it->word) == word ? &*it : nullptr;
}

std::vector<NextPhraseView> NextWords::after(QStringView phrase) const
{
    std::vector<NextPhraseView> out;
    const auto take = [&](const Word &found) {
        for (quint32 i = found.first; i < found.first + found.count; ++i) {
            const NextPhraseView next{view(m_next[i].reading), m_next[i].chance};
            const auto same = std::find_if(out.begin(), out.end(), [&](const NextPhraseView &n) { return n.reading == next.reading; });
            if (same == out.end())
                out.push_back(next);
            else
                same->chance = std::max(same->chance, next.chance);
        }
    };
    for (qsizetype length = std::min(phrase.size(), kLongestWord); length > 0; --length)
        if (const Word *found = find(phrase.last(length)); found && (found->attaches || length == phrase.size()))
            take(*found);
    std::stable_sort(out.begin(), out.end(), [](const NextPhraseView &a, const NextPhraseView &b) { return a.chance > b.chance; });
    return out;
}

} // namespace pelumo

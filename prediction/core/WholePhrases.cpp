#include "prediction/core/WholePhrases.h"
#include <QHash>
#include <algorithm>

namespace pelumo {
namespace {

// The phrase a piece is the start of, or the piece itself.
QString wholeOf(const QString &piece, const Lexicon &lexicon)
{
    double total = 0, heaviest = 0;
    int best = -1;
    lexicon.forEachWithPrefix(piece, [&](int i) {
        total += lexicon.weight(i);
        if (lexicon.reading(i).size() <= piece.size())
            return;
        const bool heavier = best < 0 || lexicon.weight(i) > heaviest
                          || (lexicon.weight(i) == heaviest && lexicon.reading(i).size() < lexicon.reading(best).size());
        if (heavier) {
            heaviest = lexicon.weight(i);
            best = i;
        }
    });
    return best >= 0 && heaviest >= kWhole * total ? lexicon.reading(best).toString() : piece;
}

void makeWhole(NextPhrases &entry, const Lexicon &lexicon, QHash<QString, QString> &wholes)
{
    std::vector<NextPhrase> merged;
    for (const NextPhrase &n : entry.next) {
        auto whole = wholes.constFind(n.reading);
        if (whole == wholes.cend())
            whole = wholes.insert(n.reading, wholeOf(n.reading, lexicon));
        const auto same = std::find_if(merged.begin(), merged.end(), [&](const NextPhrase &m) { return m.reading == *whole; });
        if (same == merged.end())
            merged.push_back({*whole, n.chance});
        else
            same->chance = std::min(1.0, same->chance + n.chance);
    }
    entry.next = std::move(merged);   // NextWords puts them in order
}

} // namespace

void makePhrasesWhole(std::vector<NextPhrases> &table, const Lexicon &lexicon)
{
    QHash<QString, QString> wholes;
    for (NextPhrases &entry : table)
        makeWhole(entry, lexicon, wholes);
}

} // namespace pelumo

#include "prediction/core/OwnNextPhrases.h"
#include <algorithm>

namespace pelumo {

void addOwnNextPhrases(std::vector<NextPhrases> &table, const std::vector<OwnNextPhrase> &own)
{
    for (const OwnNextPhrase &o : own) {
        auto entry = std::find_if(table.begin(), table.end(), [&](const NextPhrases &e) { return e.word == o.ending; });
        if (entry == table.end())
            entry = table.insert(table.end(), NextPhrases{o.ending, {}, true});
        std::vector<NextPhrase> &next = entry->next;
        auto same = std::find_if(next.begin(), next.end(), [&](const NextPhrase &n) { return n.reading == o.phrase; });
        if (same == next.end())
            next.push_back({o.phrase, kOwnNextChance});
        else
            same->chance = std::max(same->chance, kOwnNextChance);
    }
}

} // namespace pelumo

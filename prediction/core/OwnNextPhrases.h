#pragma once
// Next phrases of our own: what people in care say after an ending or a
// particle (て ください, が いたい), which the prose the word model was
// counted from rarely holds.
// Each is put in the ending's next phrases with kOwnNextChance, about the
// chance of the commonest phrase after an ending in the model (で ある,
// 0.03), or keeps the model's own chance where that is higher. An ending
// the table does not hold gets an entry of its own, marked as an ending.
#include "prediction/core/NextWords.h"
#include <vector>

namespace pelumo {

inline constexpr double kOwnNextChance = 0.05;

struct OwnNextPhrase {
    QString ending;
    QString phrase;
};

void addOwnNextPhrases(std::vector<NextPhrases> &table, const std::vector<OwnNextPhrase> &own);

} // namespace pelumo

#pragma once
// Next phrases made whole. The word model cuts some phrases where people
// never stop typing (ござい of ございます, くださ of ください), and after a
// space those pieces were offered as next phrases. A piece becomes the phrase
// the lexicon holds that begins with it and weighs at least kWhole of all
// its phrases beginning so (the piece itself among them), the shorter of two
// that weigh the same: ございます, not ございました. Two fifths lets the
// commoner of two equal endings through, and no phrase that is less likely
// than the piece alone. Pieces that become the same phrase are counted
// together.
#include "prediction/core/Lexicon.h"
#include "prediction/core/NextWords.h"
#include <vector>

namespace pelumo {

inline constexpr double kWhole = 0.4;

void makePhrasesWhole(std::vector<NextPhrases> &table, const Lexicon &lexicon);

} // namespace pelumo

#pragma once
// One source entry of the IPA dictionary (mecab-ipadic's *.csv, decoded):
//   surface,left id,right id,cost,pos1,pos2,pos3,pos4,conjugation,form,base,reading,pronunciation
// made into a lexicon word: its reading in hiragana and a weight from its
// cost (a lower cost is a more common word).
#include "prediction/core/Lexicon.h"
#include <optional>

namespace pelumo {

// The word of one line, or nothing for a line that is malformed, has no kana
// reading, is a proper noun or a symbol (names of people and places are
// many and rarely what a user is typing), or a form of the written language.
std::optional<LexiconWord> ipadicWord(QStringView line);

// The written form of a line, and whether that line makes it a proper
// noun; nothing for a malformed line.
struct IpadicSurface {
    QString surface;
    bool properNoun = false;
};
std::optional<IpadicSurface> ipadicSurface(QStringView line);

// The weight of a cost: halved for every kCostHalving more.
double weightOfCost(int cost);
inline constexpr int kCostHalving = 700;
inline constexpr int kLowestCost = 2500;
// The dictionary gives most rare nouns the same cost as everyday ones; a
// longer reading is a rarer word, so each kana past kPlainLength costs more.
inline constexpr int kPlainLength = 3;
inline constexpr int kLengthCost = 400;

} // namespace pelumo

#pragma once
// Phrases as people type them (みずが, のみたい, ください), made from a
// word n-gram: every word, alone and with the particles, endings and
// auxiliaries that attach to it, each weighted by the chance of the whole
// chain and of its ending there (くださ, which is always followed by い,
// weighs next to nothing).
#include "prediction/core/Lexicon.h"
#include <vector>

namespace pelumo {

struct ChainWord {
    QString reading;        // hiragana
    double logChance = 0;   // log10 of its chance in running text
    bool attaches = false;  // a particle or ending, taken into the word before it
};

struct WordModel {
    std::vector<ChainWord> words;
    // For each word: the words seen after it, with log10 of the chance of
    // each after it.
    std::vector<std::vector<std::pair<int, double>>> next;
};

struct ChainLimits {
    int attached = 3;         // words attached after the first
    int longest = 10;         // kana in a phrase
    double lowest = -8.5;     // log10 of the least likely chain followed
    size_t kept = 120000;     // phrases kept, the likeliest
};

// The likeliest phrases, each reading once with its best chain's weight,
// heaviest first.
std::vector<LexiconWord> phrasesOf(const WordModel &model, const ChainLimits &limits = {});

} // namespace pelumo

#pragma once
// Phrases as people type them (みずが, のみたい, ください), made from a
// word n-gram: every word, alone and with the particles, endings and
// auxiliaries that attach to it, each weighted by the chance of the whole
// chain and of its ending there (くださ, which is always followed by い,
// weighs next to nothing).
#include "prediction/core/Lexicon.h"
#include "prediction/core/NextWords.h"
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

struct NextLimits {
    size_t words = 20000;     // last words kept, the commonest readings
    size_t phrases = 12;      // next phrases kept for each
    int starts = 4;           // phrases that begin with one word, the likeliest
    double lowest = -3;       // log10 of the least likely chain after its first word
    double least = 0.002;     // the least chance of a next phrase kept
    qsizetype shortest = 2;   // kana in a next phrase
};

// For each of the commonest readings, the phrases likely to follow a word
// of it (its homophones each by its share), from the model's bigrams: the
// chance of a phrase's first word after it times the chance of the phrase's
// chain. The first word may be one that attaches (ござ of ございます, くださ
// of ください): people who type a space write those apart.
std::vector<NextPhrases> nextPhrasesOf(const WordModel &model, const ChainLimits &limits = {},
                                       const NextLimits &next = {});

} // namespace pelumo

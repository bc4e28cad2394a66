#pragma once
// libkkc-data's word trigram (Debian's libkkc-data, trained on running
// text): its words with their readings and the chances of each alone and
// after another, as a WordModel. Only the unigrams and bigrams are read.
//   data.1gram.index  a marisa trie of "reading/written" keys; a key's id
//                     numbers its records
//   data.1gram        6 bytes a word: its cost, its back-off, unused
//   data.2gram        12 bytes a pair: the word, the word before, cost, back-off
// A cost is a 16-bit fraction of kLowestCost (log10).
#include "prediction/core/PhraseChains.h"
#include <QSet>
#include <optional>

namespace pelumo {

struct KkcWord {
    QString reading;
    QString written;
};

// Reads the model in dir; words not wanted (whose written form is in
// skipped) are left out of the chains' beginnings by a chance of nothing.
// Nothing, with the reason in *error, when a file is missing or damaged.
std::optional<WordModel> readKkcModel(const QString &dir, const QSet<QString> &skipped, QString *error);

} // namespace pelumo

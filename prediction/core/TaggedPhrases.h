#pragma once
// What a tagged text gives prediction to learn: every word, and every word
// with the particles and auxiliaries that follow it, as the phrase a
// person types between spaces (みず + が → みずが, のみ + たい → のみたい).
#include <QList>
#include <QString>
#include <QStringList>

namespace pelumo {

struct TaggedWord {
    QString reading;        // hiragana
    QString partOfSpeech;   // the tagger's first feature: 名詞, 助詞, 助動詞, 記号 ...
};

// The readings to learn, in text order: each word that is not itself a
// particle or an auxiliary, then its phrase when something attached to it.
// A symbol or a space ends a phrase.
QStringList wordsAndPhrases(const QList<TaggedWord> &words);

} // namespace pelumo

#pragma once
// What the voice says for a whole message.
#include <QString>

namespace pelumo {

class MecabTagger;

// The reading of a message: the pronunciation MeCab's dictionary gives each
// word (は and へ as particles, long vowels, kanji), numbers as Japanese
// numbers, Latin letters and symbols by their names, emoji by a word.
// "_" (the end marker) and blanks are pauses. A word the dictionary does not
// know keeps its written kana; nothing the user wrote is left unsaid.
// Without a tagger the same rules apply and kana are said as written.
// A message of one kana is said as its key is, so a lone は stays "は".
QString messageReading(const QString &message, const MecabTagger *tagger);

} // namespace pelumo

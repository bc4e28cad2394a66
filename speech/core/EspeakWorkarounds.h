#pragma once
// Spellings espeak-ng 1.51 ("ja") says wrongly, rewritten so it says them
// right or as near as it can.
#include <QString>

namespace pelumo {

// - り + ゃゅょ: espeak-ng says "rya" and then the vowel (りゅう → rya-u-u);
//   written り + the vowel instead, the vowel is right.
// - A small vowel (ぁぃぅぇぉ) it has no sound for after the kana before it
//   (りぁ, さぃ) is dropped or read in English: the full-size vowel is said.
//   ゎ ゕ ゖ likewise become わ か け.
// - ー after a kana with no vowel to lengthen (ん, っ) or after no kana at
//   all is read in English: after ん it repeats the ん, elsewhere it is
//   said by its name.
QString smoothForEspeak(const QString &reading);

// The vowel a kana ends in: one of "aiueo", or 0 for ん, っ and anything
// that is not kana. Katakana and hiragana alike.
char kanaVowel(QChar c);

bool isKana(QChar c);   // hiragana or katakana, small forms and ー included

} // namespace pelumo

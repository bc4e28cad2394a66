#pragma once
// The kana that prediction works on: hiragana and the long-vowel mark, the
// run of them the user is typing, and the board cell each one is typed from.
#include <QString>

namespace pelumo {

// The kana board's space (its スペース), the full-width one.
inline constexpr char16_t kKanaSpace = u'\u3000';

// Hiragana (ぁ to ゖ) or ー: what the lexicon's readings are made of.
bool isPredictedKana(QChar ch);

// Whether a phrase can begin with the kana: no word of Japanese begins with
// a small kana, っ, ん or ー.
bool beginsAPhrase(QChar kana);

// Katakana turned into hiragana; every other character kept.
QString toHiragana(QStringView text);

// The kana typed since the last word boundary: the run of kana that ends
// at position (the caret, where the end marker stands).
QString typedRun(QStringView message, int position);

// What stands before the caret, for prediction: the run being typed, and
// the phrase written before it (the kana run before the run when only
// spaces come between; empty otherwise), and whether a space stands
// between that phrase and the caret.
struct TypedText {
    QString run;
    QString before;
    bool spaceTyped = false;
};
TypedText typedText(QStringView message, int position);

// The board cell a kana is typed from: its plain, full-size form (が → か,
// ょ → よ, ぱ → は); other characters as they are.
QChar boardKana(QChar ch);

} // namespace pelumo

#pragma once
// Japanese names for what has no reading of its own: Latin letters, digits,
// symbols, the small kana and the emoticon keys. Both the key echo and the
// reading of whole messages take their names from here.
#include <QChar>
#include <QString>
#include <QStringView>

namespace pelumo {

// The name of a Latin letter, upper or lower case ("エー", "ダブリュー");
// empty for anything else.
QString letterName(QChar c);
// The name of a digit 0-9 as said alone ("いち", "よん", "ゼロ").
QString digitName(QChar c);
// The name of a symbol or punctuation mark ("パーセント", "まる"); empty when
// the table has none.
QString symbolName(QChar c);
// A small kana said as "ちいさい" and its full-size form; empty when c is not
// a small kana.
QString smallKanaName(QChar c);
// The full-size form of a small kana (ぁ → あ, ッ → ツ); c itself otherwise.
QChar fullSizeKana(QChar c);
bool isSmallKana(QChar c);

// The emoticon keys: a word said for each. emoticonAt gives the length of the
// emoticon that begins at text[pos] (0 for none) and its word.
struct Emoticon {
    const char16_t *text;
    const char16_t *word;
};
int emoticonAt(QStringView text, qsizetype pos, QString *word);

// What is said for a character that has no reading at all: a picture
// character (emoji) or a character of another script.
QString unreadableCharacterWord(char32_t c);

} // namespace pelumo

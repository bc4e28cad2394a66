#pragma once
// What the voice says for one key of a board or of the selection screen.
#include <QString>

namespace pelumo {

// A spoken name for each key: small kana "ちいさい あ", ー "のばす", 。"まる",
// letters by their Japanese names (lower case "こもじ エー"), digits いち to
// ゼロ, symbols and the emoticon keys by a Japanese word. Any other kana is
// said as written. Never empty for a key with text.
QString keyReading(const QString &key);

// The name of one character as keyReading says it alone: kana as written,
// everything else by its name.
QString characterName(char32_t c);

} // namespace pelumo

#pragma once
// What Open JTalk is given to say. It reads kanji, particles, numbers and
// counters itself (2026ねん ニセンニジューロクネン, 3本 サンボン, 8日 ヨーカ, all
// as our own number rules read them), so the written text goes to it as it
// stands, after the rules it has no table for: emoticons, letters, symbols,
// emoji and other scripts by our names, the end marker and blanks as pauses.
#include <QString>
#include <QStringList>

namespace pelumo {

// A whole message.
QString openJTalkText(const QString &message);

// A key echo, from its reading (keyReading): in katakana, so that a lone は or
// へ is said as written and not as a particle (ワ, エ).
QString openJTalkKeyText(const QString &keyReading);

// A message in the pieces it is synthesised in, each ending at 。！？ or a line
// end, and at 、 once a piece has reached longPiece characters; marks stay
// with the piece before them and pieces with nothing to say are left out.
inline constexpr int kLongPiece = 30;
QStringList speechPieces(const QString &text, int longPiece = kLongPiece);

} // namespace pelumo

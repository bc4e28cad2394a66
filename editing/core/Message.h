#pragma once
// The message and its end marker.
#include <QString>
#include <optional>

namespace pelumo {

inline constexpr QChar kEndMarker = u'_';
// Counted in UTF-16 code units, as the text box and every stored position
// count: a character outside the BMP takes two of the 500. Every change that
// would pass the limit is refused whole, never cut, so a limit can never
// split a surrogate pair.
inline constexpr int kMaxMessageLength = 500;

struct Insertion {
    QString text;
    int caret = 0;
};

// Board text inserted at the caret, the end marker appended when missing, the
// caret right after the inserted text. Empty when the result would be longer
// than the message may be: the entry is refused whole, never cut.
std::optional<Insertion> insertBoardText(const QString &message, int caret, const QString &entry);

// A press confirms the first of a two-press sequence when it repeats the
// remembered entry. Nothing remembered (the start value) confirms nothing, so
// an empty cell can never complete a sequence.
inline bool confirmsFirstPress(const QString &pressed, const QString &remembered)
{
    return !remembered.isEmpty() && pressed == remembered;
}

// Leading and trailing blanks removed: U+0020 and the ideographic space U+3000.
QString trimBlanks(const QString &text);

} // namespace pelumo

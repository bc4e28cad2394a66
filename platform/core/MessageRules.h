#pragma once
// What every layer knows of a message: its end marker, its limit, and which
// characters count as blank.
#include <QString>

namespace pelumo {

inline constexpr QChar kEndMarker = u'_';
// Counted in UTF-16 code units, as the text box and every stored position
// count: a character outside the BMP takes two of the 500. Every change that
// would pass the limit is refused whole, never cut, so a limit can never
// split a surrogate pair.
inline constexpr int kMaxMessageLength = 500;

// Leading and trailing blanks removed: U+0020 and the ideographic space U+3000.
inline QString trimBlanks(const QString &text)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\u3000'; };
    int begin = 0, end = int(text.size());
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace pelumo

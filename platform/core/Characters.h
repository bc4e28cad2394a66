#pragma once
// Whole characters in UTF-16 text. A character outside the Basic Multilingual
// Plane (😀, 𠮷) takes two code units, a surrogate pair; no caret, highlight
// or cut may ever fall between them, or the next entry splits the character
// and the file gets two broken halves. Positions are still counted in code
// units everywhere, as the text box counts them; these functions only say
// where the characters begin and end.
#include <QString>

namespace pelumo {

// True when position lies between the two halves of a surrogate pair.
inline bool insidePair(QStringView text, int position)
{
    return position > 0 && position < text.size() && text.at(position - 1).isHighSurrogate()
           && text.at(position).isLowSurrogate();
}

// The position moved out of a pair to the start of its character; any other
// position, bounded to the text, is kept.
inline int characterStart(QStringView text, int position)
{
    position = qBound(0, position, int(text.size()));
    return insidePair(text, position) ? position - 1 : position;
}

// The position moved out of a pair to the end of its character.
inline int characterEnd(QStringView text, int position)
{
    position = qBound(0, position, int(text.size()));
    return insidePair(text, position) ? position + 1 : position;
}

// The position one whole character on, or back; bounded by the text.
inline int nextCharacter(QStringView text, int position)
{
    return characterEnd(text, characterStart(text, position) + 1);
}

inline int previousCharacter(QStringView text, int position)
{
    return characterStart(text, characterEnd(text, position) - 1);
}

} // namespace pelumo

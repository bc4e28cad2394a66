#pragma once
// What each injected caret key does to a text box's text and selection, as a
// standard multi-line edit box does it. Kept free of widgets so that every
// case can be checked as a table; the text box applies it to its document.
#include <QString>
#include <functional>
#include <optional>

namespace pelumo {

enum class CaretKey { Right, ShiftRight, Left, ShiftLeft, Backspace, Down, Up };

// "{RIGHT}", "+{RIGHT}", "{LEFT}", "+{LEFT}", "{BS}", "{DOWN}", "{UP}".
std::optional<CaretKey> parseCaretKey(QStringView name);

// Text with a selection: the anchor stays put while the active end (position,
// where the caret is) moves. No selection when both are equal.
struct EditBuffer {
    QString text;
    int anchor = 0;
    int position = 0;
    int selStart() const { return qMin(anchor, position); }
    int selLength() const { return qAbs(position - anchor); }
};

// The position one displayed line down (+1) or up (-1) from a position, at the
// nearest point to the same horizontal offset; the position itself on the last
// or first line. Only the text box knows how its text wraps.
using LineMover = std::function<int(int position, int direction)>;

void applyCaretKey(EditBuffer &buffer, CaretKey key, const LineMover &moveByLine);

} // namespace pelumo

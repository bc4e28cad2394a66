#pragma once
// What the letter board and its selection screen remember between touches.
#include "board/core/BoardTables.h"
#include <QString>

namespace pelumo {

struct BoardState {
    BoardKind kind = BoardKind::Hiragana;   // the board shown
    int PressedRow = 0, PressedCol = 0;     // the board cell last pressed
    int PressedRow2 = 0, PressedCol2 = 0;   // the selection-screen cell last pressed
    // The key touched once in the two-press modes: a second touch of the
    // same key confirms it.
    QString FirstPress;
    QString SelectedChar;   // the same for the selection screen
    bool spaceJustEntered = false;   // the selection screen stayed open after スペース
};

} // namespace pelumo

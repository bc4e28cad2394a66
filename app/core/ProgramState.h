#pragma once
// The program-wide state, the only copy: each subsystem is handed the part
// it works on.
#include "board/core/BoardState.h"
#include "platform/core/Options.h"
#include "platform/core/Screen.h"
#include <QString>

namespace pelumo {

// The options read from the store are the Options part.
struct ProgramState : Options {
    ProgramState() : Options(defaultOptions()) {}

    QString AppDir;              // folder of "Talk.txt" and "day.txt"
    ScreenState screen;          // which screen is shown, and whether the diary is open
    BoardState board;            // the board's kind and what its touches remember
    int ListCursorRow = 0;       // highlighted row of the shown list
    int DiaryEditRow = 0;        // row of the diary entry being revised

    void setOptions(const Options &o) { static_cast<Options &>(*this) = o; }
};

} // namespace pelumo

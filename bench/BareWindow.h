#pragma once
// The floors' window: the main window's size, holding the board's 5 x 10
// grid of kana in the board's font, and nothing else.
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include <QWidget>

namespace bench {

struct BareWindow {
    BareWindow();
    QWidget window;
    pelumo::ScaledLayout layout;
    pelumo::FlexGrid *grid;
};

} // namespace bench

#pragma once
// Where the side panel stands: in the room a wide window leaves to the right
// of the scaled layout, its buttons as large as the board's cells at the
// layout's scale. When the window leaves too little room, the panel is left
// out, or (when the user asked for it) the layout is drawn just small enough
// to make room.
#include <QRect>
#include <QSize>

namespace pelumo {

inline constexpr int kPanelColumns = 2;
inline constexpr int kPanelRows = 8;
// A cell of the standard board, in twips.
inline constexpr int kPanelCellWidth = 1530;
inline constexpr int kPanelCellHeight = 1143;
inline constexpr int kPanelGap = 60;

struct SidePanelGeometry {
    bool shown = false;
    double scale = 1.0;   // the layout's scale
};

// The panel's place in the layout's twips, right of everything laid out.
QRect sidePanelTwips();

// clientPixels: the window's client area. makeRoom: SidePanel=1.
SidePanelGeometry sidePanelGeometry(QSize clientPixels, bool makeRoom);

// A button's place inside the panel, in twips from the panel's corner;
// colSpan 2 runs across both columns.
QRect panelCell(int col, int row, int colSpan = 1);

} // namespace pelumo

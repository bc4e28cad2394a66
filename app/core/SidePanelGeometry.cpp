#include "app/core/SidePanelGeometry.h"
#include "platform/core/DesignSize.h"
#include <QtGlobal>

namespace pelumo {
namespace {

// The layout as designed, in twips, and the right edge of what it lays out:
// the board reaches a little past the design width.
constexpr int kDesignWidth = kDesignClientWidth * kTwipsPerPixel;
constexpr int kDesignHeight = kDesignClientHeight * kTwipsPerPixel;
constexpr int kLaidOutRight = 15345;
constexpr int kMargin = 120;
constexpr int kPanelTop = 1350;   // its foot a margin above the window's
constexpr int kPanelWidth = kPanelColumns * kPanelCellWidth + (kPanelColumns - 1) * kPanelGap;
constexpr int kPanelHeight = kPanelRows * kPanelCellHeight + (kPanelRows - 1) * kPanelGap;
constexpr int kNeededWidth = kLaidOutRight + kMargin + kPanelWidth + kMargin;

} // namespace

SidePanelGeometry sidePanelGeometry(QSize client, bool makeRoom)
{
    SidePanelGeometry g;
    const double byHeight = client.height() * double(kTwipsPerPixel) / kDesignHeight;
    const double full = qMin(client.width() * double(kTwipsPerPixel) / kDesignWidth, byHeight);
    g.scale = full;
    if (full > 0 && client.width() * double(kTwipsPerPixel) / full >= kNeededWidth) {
        g.shown = true;
    } else if (makeRoom && client.width() > 0) {
        g.shown = true;
        g.scale = qMin(client.width() * double(kTwipsPerPixel) / kNeededWidth, byHeight);
    }
    return g;
}

QRect sidePanelTwips()
{
    return {kLaidOutRight + kMargin, kPanelTop, kPanelWidth, kPanelHeight};
}

QRect panelCell(int col, int row, int colSpan)
{
    const int width = colSpan * kPanelCellWidth + (colSpan - 1) * kPanelGap;
    return {col * (kPanelCellWidth + kPanelGap), row * (kPanelCellHeight + kPanelGap), width,
            kPanelCellHeight};
}

} // namespace pelumo

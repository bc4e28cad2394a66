#include "widgets/Colors.h"

namespace pelumo {

QColor toQColor(OleColor color)
{
    if (color & 0x80000000u) {
        // The two system colours the layout names, fixed to the classic
        // desktop scheme so the board looks the same on every machine.
        switch (color & 0xFF) {
        case 1: return QColor(0, 128, 128);   // desktop
        case 9: return QColor(255, 255, 255); // caption text
        default: return QColor(192, 192, 192);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace pelumo

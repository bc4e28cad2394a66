#pragma once
// Full screen and the hidden pointer, for a touch-screen installation.
#include <QRect>
#include <QWidget>

namespace pelumo {

// A window manager acts on a full-screen request within this; a bare X
// session has none, and the window is sized by hand after it.
inline constexpr int kWindowManagerGraceMs = 250;

// No pointer drawn over the window and its children, or their own back.
void setPointerHidden(QWidget *window, bool hidden);

// The window's size made to match its mode when nobody else did it: the
// whole screen when full screen, the normal geometry otherwise.
void sizeForScreenMode(QWidget *window, const QRect &normal);

} // namespace pelumo

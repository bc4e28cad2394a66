#pragma once
// Colours are numbers in &HBBGGRR form (blue, green and red bytes), as the
// window layout gives them; a value with the top bit set names a system colour.
#include <QColor>
#include <cstdint>

namespace pelumo {

using OleColor = std::uint32_t;

namespace colors {
inline constexpr OleColor White = 0xFFFFFF;
inline constexpr OleColor Black = 0x000000;
inline constexpr OleColor LightGreen = 0x80FF80;
inline constexpr OleColor LightGrey = 0xC0C0C0;
inline constexpr OleColor Grey = 0x808080;
inline constexpr OleColor Desktop = 0x80000001;      // system desktop colour
inline constexpr OleColor CaptionText = 0x80000009;  // system caption-text colour
}

// From the layout's RGB triples to &HBBGGRR.
constexpr OleColor rgb(int r, int g, int b)
{
    return OleColor(r) | (OleColor(g) << 8) | (OleColor(b) << 16);
}

QColor toQColor(OleColor color);

} // namespace pelumo

#pragma once
// The main window as laid out: a client area of 1018 x 741 pixels, 15270 x
// 11115 twips at 15 twips a pixel, drawn at one uniform scale.
namespace pelumo {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDesignClientWidth = 1018;
inline constexpr int kDesignClientHeight = 741;

} // namespace pelumo

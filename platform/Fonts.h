#pragma once
namespace pelumo {
// The window layout names the faces "ＭＳ ゴシック" and "ＭＳ Ｐゴシック";
// on Linux they are drawn with IPAGothic and IPAPGothic. Call once, before any
// widget is made.
void installFontSubstitutions();
}

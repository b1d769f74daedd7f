#pragma once
#include <cstdint>

namespace Kepler {

// A colour value with red in the low byte, then green, then blue.
// Values of the form 0xFF000000 + index name a system colour that is
// resolved from the running system's palette when it is drawn.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clOrange = 0x0080FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clCream = 0xF0FBFF;

inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clWindow = clSystemColor + 5;
inline constexpr TColor clWindowText = clSystemColor + 8;
inline constexpr TColor clBtnFace = clSystemColor + 15;
inline constexpr TColor clBtnShadow = clSystemColor + 16;
inline constexpr TColor clBtnHighlight = clSystemColor + 20;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == clSystemColor; }
constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// Resolves a system colour through the registered system colours (the Qt
// layer's answers from the running palette), or as a classic desktop shows
// it when none is registered; plain colours come back unchanged, less any
// high byte.
TColor ColorToRGB(TColor c);

} // namespace Kepler

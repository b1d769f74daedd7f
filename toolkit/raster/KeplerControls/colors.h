#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include <cstdint>

namespace Kepler {

// A colour value with red in the low byte, then green, then blue.
// Values of the form 0xFF000000 + index name a system colour that is
// resolved from the running system's palette when it is drawn.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000; // black
inline constexpr TColor clWhite = 0xFFFFFF; // white
inline constexpr TColor clRed = 0x0000FF; // red
inline constexpr TColor clGreen = 0x008000; // green
inline constexpr TColor clLime = 0x00FF00; // lime
inline constexpr TColor clBlue = 0xFF0000; // blue
inline constexpr TColor clNavy = 0x800000; // navy
inline constexpr TColor clYellow = 0x00FFFF; // yellow
inline constexpr TColor clOrange = 0x0080FF; // orange
inline constexpr TColor clGray = 0x808080; // gray
inline constexpr TColor clSilver = 0xC0C0C0; // silver
inline constexpr TColor clCream = 0xF0FBFF; // cream

inline constexpr TColor clSystemColor = 0xFF000000; // high byte of a system colour; the low bytes are its index
inline constexpr TColor clWindow = clSystemColor + 5; // system colour: window background
inline constexpr TColor clWindowText = clSystemColor + 8; // system colour: window text
inline constexpr TColor clBtnFace = clSystemColor + 15; // system colour: button face
inline constexpr TColor clBtnShadow = clSystemColor + 16; // system colour: button shadow
inline constexpr TColor clBtnHighlight = clSystemColor + 20; // system colour: button highlight

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == clSystemColor; } // whether c names a system colour
constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; } // the red part of a plain colour
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; } // the green part of a plain colour
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; } // the blue part of a plain colour
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) // the colour of the given red, green and blue parts
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// Resolves a system colour through the registered system colours (the Qt
// layer's answers from the running palette), or as a classic desktop shows
// it when none is registered; plain colours come back unchanged, less any
// high byte.
KEPLERCONTROLS_EXPORT TColor ColorToRGB(TColor c);

} // namespace Kepler

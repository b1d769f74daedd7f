#pragma once
#include "KeplerControls/bitmap.h"

#include <cstdint>
#include <vector>

// A bitmap as a page's canvas holds it: R, G, B, A bytes per pixel, which
// the page puts into the canvas straight from this memory. Taking a new
// state of the bitmap tells which rectangle changed, so that only that
// part is handed to the canvas.
class TShownPixels {
public:
    struct TRect {
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        bool Empty() const { return Width <= 0 || Height <= 0; }
    };

    // Takes the bitmap's pixels; returns the smallest rectangle holding
    // every pixel that changed (all of them the first time and after a
    // change of size), empty when none did.
    TRect Take(const Kepler::TBitmap& bitmap);

    // The canvas's bytes, Width() * 4 per row.
    const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(FPixels.data()); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    int FWidth = 0;
    int FHeight = 0;
    // The canvas's bytes as words, and the bitmap's pixels they were made
    // from, with the bitmap's content key then.
    std::vector<std::uint32_t> FPixels;
    std::vector<std::uint32_t> FTaken;
    std::uint64_t FTakenKey = 0;
};

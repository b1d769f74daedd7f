#pragma once
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"

#include <string>
#include <vector>

// Small bitmaps written out as rows of characters, so that a failing test
// shows the picture: '#' the pen colour, 'o' the brush colour, '.' white,
// '?' anything else.
inline constexpr Kepler::TColor kPen = Kepler::clRed;
inline constexpr Kepler::TColor kBrush = Kepler::clBlue;

inline std::vector<std::string> Picture(const Kepler::TBitmap& b)
{
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            const Kepler::TColor c = b.Pixel(x, y);
            row += c == kPen ? '#' : c == kBrush ? 'o' : c == Kepler::clWhite ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// A canvas on a white bitmap, drawing with the test pen and brush.
struct SmallCanvas {
    explicit SmallCanvas(int w = 10, int h = 10) : Bitmap(w, h)
    {
        Canvas().Pen().SetColor(kPen);
        Canvas().Brush().SetColor(kBrush);
    }
    Kepler::TCanvas& Canvas() { return Bitmap.Canvas(); }
    char At(int x, int y) const { return Picture(Bitmap)[std::size_t(y)][std::size_t(x)]; }

    Kepler::TBitmap Bitmap;
};
